#include "app/startup/tcQuitSignals.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QSignalSpy>
#include <csignal>

TEST(tcQuitSignals, TerminationSignalsArriveOnTheEventLoop) {
  for (const int number : {SIGTERM, SIGINT}) {
    tcQuitSignals quit;
    ASSERT_TRUE(quit.active());
    QSignalSpy spy(&quit, &tcQuitSignals::sig_quit_requested);
    std::raise(number);
    EXPECT_TRUE(spy.wait(2000));
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.at(0).at(0).toInt(), number);
  }
  // Handlers are given back: with none installed the signal would end this
  // process, so only check that a fresh instance can take them again.
  tcQuitSignals again;
  EXPECT_TRUE(again.active());
}
