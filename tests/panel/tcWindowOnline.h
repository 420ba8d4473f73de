#pragma once
// A test fixture: the window on-line with the simulator served in-process on a
// thread of its own, the simulator being the current device "Sim" on a free
// port with short connect waits. A test may change the processor's state
// before it serves (prepare) and give the window its panel before it goes
// on-line (load_panel).
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <memory>
#include <thread>

#include "link/devices/tcConnection.h"
#include "link/devices/tcDeviceList.h"
#include "link/transport/tcApStores.h"
#include "tests/link/transport/tcLinkTestWorld.h"
#include "tools/simulator/tcSimServer.h"
#include "tools/simulator/tcSimState.h"
#include "tools/simulator/tcSimStateFile.h"

// Copies a skin folder into the window's skins folder under `name`.
inline void tcInstallSkin(const QString& source_dir, const QString& skins_dir,
                          const QString& name) {
  const QDir source(source_dir);
  const QDir target(QDir(skins_dir).filePath(name));
  QDir().mkpath(target.path());
  for (const QString& f : source.entryList(QDir::Files)) {
    QFile::copy(source.filePath(f), target.filePath(f));
  }
}

template <class Window>
class tcWindowOnline : public ::testing::Test {
 protected:
  static constexpr int kWaitMs = 8000;

  virtual void prepare(tcSimState&) {}
  virtual void load_panel() {}

  void SetUp() override {
    ASSERT_TRUE(work_.isValid() && docs_.isValid() && sim_dir_.isValid());
    prepare(state_);
    options_.port = 0;
    options_.state_dir = sim_dir_.path();
    server_ = std::make_unique<tcSimServer>(options_, state_, file_);
    ASSERT_EQ(server_->open(), 0);
    serving_ = std::thread([this] { server_->run(); });

    ASSERT_EQ(window_.init({{"qx770xpro"}, work_.path(), docs_.path()}), 0);
    load_panel();
    tcDeviceList* devices = window_.devices();
    ASSERT_NE(devices->add("Sim", "127.0.0.1"), nullptr);
    devices->set_current(devices->index_of("Sim"));
    LinkTiming quick;
    quick.connect_wait_ms = 200;
    window_.connection()->set_link_target(server_->port(), quick);
    window_.connection()->set_online(true);
    ASSERT_TRUE(wait_until(
        [&] {
          return window_.connection()->state() == tcConnection::kOnline &&
                 window_.stores()->directory().present(0);
        },
        kWaitMs));
  }

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
  SETTINGS& bank() { return *stores().banks().set(0); }

  QTemporaryDir work_, docs_, sim_dir_;
  tcSimOptions options_;
  tcSimState state_;
  tcSimStateFile file_{sim_dir_.path()};
  std::unique_ptr<tcSimServer> server_;
  std::thread serving_;
  Window window_;
};
