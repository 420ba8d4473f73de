#pragma once
// A main window on-line with the simulator run in-process: the simulator on a
// port of its own, a device "Sim" pointing at it, quick link timing, and the
// window on-line with the processor's picture received.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <thread>

#include "link/devices/tcConnection.h"
#include "link/devices/tcDeviceList.h"
#include "link/transport/tcApStores.h"
#include "link/transport/tcPresetDirectory.h"
#include "tests/link/transport/tcLinkTestWorld.h"
#include "tools/simulator/tcSimServer.h"
#include "tools/simulator/tcSimState.h"
#include "tools/simulator/tcSimStateFile.h"

template <class Window>
class tcWindowOnline : public ::testing::Test {
 protected:
  static constexpr int kOnlineWaitMs = 8000;

  void SetUp() override {
    ASSERT_TRUE(work_.isValid() && docs_.isValid() && sim_dir_.isValid());
    state_.set_password_code(password_code());
    options_.port = 0;
    options_.state_dir = sim_dir_.path();
    server_ = std::make_unique<tcSimServer>(options_, state_, file_);
    ASSERT_EQ(server_->open(), 0);
    serving_ = std::thread([this] { server_->run(); });

    ASSERT_EQ(window_.init({{"qx770xpro"}, work_.path(), docs_.path()}), 0);
    before_online();
    tcDeviceList* devices = window_.devices();
    ASSERT_NE(devices->add("Sim", "127.0.0.1"), nullptr);
    devices->set_current(devices->index_of("Sim"));
    LinkTiming quick;
    quick.connect_wait_ms = 200;
    window_.connection()->set_link_target(server_->port(), quick);
    if (password_code() != 0) return;
    window_.connection()->set_online(true);
    ASSERT_TRUE(wait_until(
        [&] {
          return window_.connection()->state() == tcConnection::kOnline &&
                 window_.stores()->directory().present(0);
        },
        kOnlineWaitMs));
    ASSERT_TRUE(wait_for_whole_picture(window_.connection()->link(), stores().device_info(),
                                       kOnlineWaitMs));
  }

  // The processor's login code; 0 takes any.
  virtual uint32_t password_code() const { return 0; }
  // Processes events until `done` holds, with the patience of a busy machine.
  static bool wait(const std::function<bool()>& done) { return wait_until(done, kOnlineWaitMs); }
  // What the window needs before it goes on-line (a skin, say).
  virtual void before_online() {}

  // Ends the simulator so its state can be read without racing its thread.
  void stop_simulator() {
    if (!serving_.joinable()) return;
    server_->stop();
    serving_.join();
  }

  void TearDown() override {
    window_.close();
    stop_simulator();
  }

  tcApStores& stores() { return *window_.stores(); }

  QTemporaryDir work_, docs_, sim_dir_;
  tcSimOptions options_;
  tcSimState state_;
  tcSimStateFile file_{sim_dir_.path()};
  std::unique_ptr<tcSimServer> server_;
  std::thread serving_;
  Window window_;
};
