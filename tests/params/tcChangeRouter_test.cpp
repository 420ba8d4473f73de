#include "params/tcChangeRouter.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "params/GLOBALS.h"
#include "params/tcLiveSettings.h"

namespace {
// The console's change plumbing: live sets and globals feed one router that keeps
// a send and a panel record for slot 0, like the main window does.
struct World {
  tcLiveSettingsDirty send{1};
  tcLiveSettingsDirty panel{1};
  tcGlobalsDirty gsend;
  tcGlobalsDirty gpanel;
  tcChangeRouter router{send, panel, gsend, gpanel};
  tcLiveSettings live{&tcChangeRouter::on_settings, &router};
  GLOBALS globals{&tcChangeRouter::on_globals, &router};

  std::vector<int> events;  // set index * 10 + kind
  World() {
    tcChangeRouter::Hooks h;
    h.context = this;
    h.console_edit = [](void* c, uint16_t s) { static_cast<World*>(c)->events.push_back(s * 10); };
    h.settings_send = [](void* c, uint16_t s) {
      static_cast<World*>(c)->events.push_back(s * 10 + 1);
    };
    h.settings_panel = [](void* c, uint16_t s) {
      static_cast<World*>(c)->events.push_back(s * 10 + 2);
    };
    h.globals_send = [](void* c) { static_cast<World*>(c)->events.push_back(-1); };
    h.globals_panel = [](void* c) { static_cast<World*>(c)->events.push_back(-2); };
    router.set_hooks(h);
  }
};
}  // namespace

TEST(tcChangeRouter, SourceCodesDecideWhoHears) {
  World w;
  SETTINGS* s = w.live.set(0);
  s->set_float(0x1006, -30, kSourceSilent);
  s->set_float(0x1006, -31, kSourceSilent1);
  EXPECT_TRUE(w.events.empty());
  EXPECT_FALSE(w.send.test(0, 0x1006));
  EXPECT_FALSE(w.panel.test(0, 0x1006));

  s->set_float(0x1006, -32, kSourceConsole);
  EXPECT_EQ(w.events, (std::vector<int>{0, 1}));
  EXPECT_TRUE(w.send.test(0, 0x1006));
  EXPECT_FALSE(w.panel.test(0, 0x1006));

  w.events.clear();
  s->set_bool(0x1007, 1, kSourceProcessor);
  EXPECT_EQ(w.events, (std::vector<int>{2}));
  EXPECT_TRUE(w.panel.test(0, 0x1007));
  EXPECT_FALSE(w.send.test(0, 0x1007));

  w.events.clear();
  s->set_int(0x160F, 3, kSourceLoaded);
  EXPECT_EQ(w.events, (std::vector<int>{1, 2}));
  EXPECT_TRUE(w.send.take(0, 0x160F));
  EXPECT_FALSE(w.send.test(0, 0x160F));
  EXPECT_TRUE(w.panel.test(0, 0x160F));

  w.events.clear();
  s->set_int(0x160F, 3, kSourceLoaded);  // unchanged: nothing
  EXPECT_TRUE(w.events.empty());
  EXPECT_FALSE(w.send.test(0, 0x160F));
}

TEST(tcChangeRouter, SetsBeyondTheRecordsSignalWithoutFlags) {
  World w;
  w.live.set(3)->set_float(0x1001, 20, kSourceConsole);
  EXPECT_EQ(w.events, (std::vector<int>{30, 31}));
  EXPECT_EQ(w.send.record(3), nullptr);
  EXPECT_FALSE(w.send.test(3, 0x1001));
  EXPECT_FALSE(w.send.test(0, 0x1001));
  EXPECT_FALSE(w.send.record(0)->any());
}

TEST(tcChangeRouter, GlobalsAndSilentResets) {
  World w;
  w.globals.set_int(0x2003, 60, kSourceConsole);
  w.globals.set_int(0x2005, 30, kSourceProcessor);
  EXPECT_EQ(w.events, (std::vector<int>{-1, -2}));
  EXPECT_TRUE(w.gsend.test(0x2003));
  EXPECT_TRUE(w.gpanel.test(0x2005));
  EXPECT_FALSE(w.gsend.test(0x2005));
  EXPECT_FALSE(w.gsend.test(0x9999));
  w.gsend.clear_all();
  EXPECT_FALSE(w.gsend.any());

  w.events.clear();
  w.live.set(0)->reset_fine_adjust(kSourceProcessor);  // unchanged values still reported
  EXPECT_EQ(w.events.size(), 10u);
  EXPECT_TRUE(w.panel.test(0, 0x1209));
}

TEST(tcChangeRouter, WritersOnTwoThreadsUnderTheLocks) {
  World w;
  w.router.set_hooks({});
  std::atomic<bool> go{false};
  auto writer = [&](int source, uint32_t offset) {
    while (!go) std::this_thread::yield();
    for (uint32_t i = 0; i < 2000; ++i) {
      SETTINGS* s = w.live.set(0);
      s->set_raw(0x1510 + (i % 31), (i + offset) % 240, source);
      w.globals.set_int(0x2003, i + offset, source);
      if (i % 50 == 0) {
        uint16_t n;
        s->checksum(tcSettings::kNormal, &n);
        EXPECT_EQ(n, 406);
        tcSettings::copy(w.live.set(0), w.live.set(1), tcSettings::kMaskSkipIo);
      }
      // The sender's side: walk and take flags while the other thread writes.
      w.send.take(0, 0x1510 + (i % 31));
      w.gpanel.take(0x2003);
    }
  };
  std::thread console(writer, kSourceConsole, 0);
  std::thread link(writer, kSourceProcessor, 7);
  go = true;
  console.join();
  link.join();
  EXPECT_TRUE(w.panel.record(0)->any());
  EXPECT_LE(w.live.set(0)->raw(0x1510), 240u);
}
