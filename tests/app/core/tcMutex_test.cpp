#include "app/core/tcMutex.h"

#include <gtest/gtest.h>

#include <thread>

#include "app/core/tcDiagRegistry.h"

TEST(tcMutex, SerialNumbersRiseAndRegistryTracksLifetime) {
  const int before = tcDiagRegistry::instance().count();
  auto a = std::make_unique<tcMutex>();
  auto b = std::make_unique<tcMutex>();
  EXPECT_EQ(b->serial(), a->serial() + 1);
  EXPECT_EQ(tcDiagRegistry::instance().count(), before + 2);
  EXPECT_EQ(a->identifier(), std::to_string(a->serial()).c_str());
  const void* b_ptr = b.get();
  a.reset();
  auto entries = tcDiagRegistry::instance().entries();
  ASSERT_EQ(static_cast<int>(entries.size()), before + 1);
  EXPECT_EQ(entries.back().object, b_ptr);
  EXPECT_EQ(entries.back().kind, 2);
}

TEST(tcMutex, RecursiveForOwnerAndOwnerWordFollowsHolder) {
  tcMutex m;
  EXPECT_EQ(m.owner(), 0);
  EXPECT_EQ(m.state(), "owner: 0");
  m.enter();
  m.enter();
  EXPECT_EQ(m.owner(), tcMutex::current_thread_id());
  m.leave();
  EXPECT_EQ(m.owner(), tcMutex::current_thread_id());
  int seen_inside = -1;
  std::thread other([&] {
    tcMutexHold hold(m);  // waits for the main thread's last leave
    seen_inside = m.owner();
  });
  m.leave();
  other.join();
  EXPECT_NE(seen_inside, 0);
  EXPECT_NE(seen_inside, tcMutex::current_thread_id());
  EXPECT_EQ(m.owner(), 0);
  EXPECT_TRUE(m.description().empty());
}

TEST(tcMutex, ExcludesOtherThreads) {
  tcMutex m;
  long counter = 0;
  auto work = [&] {
    for (int i = 0; i < 20000; ++i) {
      tcMutexHold hold(m);
      ++counter;
    }
  };
  std::thread t1(work), t2(work);
  t1.join();
  t2.join();
  EXPECT_EQ(counter, 40000);
}
