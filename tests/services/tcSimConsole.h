#pragma once
// A console without a window, on-line with the simulator run in-process: the
// window's stores (meters over the link), the options, a device list with the
// simulator as the current device and the connection that logs in.
#include <QTemporaryDir>
#include <memory>
#include <thread>

#include "app/core/tcOptions.h"
#include "link/devices/tcConnection.h"
#include "link/devices/tcDeviceList.h"
#include "link/transport/tcApStores.h"
#include "tests/link/transport/tcLinkTestWorld.h"
#include "tools/simulator/tcSimServer.h"
#include "tools/simulator/tcSimState.h"
#include "tools/simulator/tcSimStateFile.h"

class tcSimConsole {
 public:
  tcSimConsole() {
    sim_options_.port = 0;
    sim_options_.state_dir = sim_dir_.path();
    server_ = std::make_unique<tcSimServer>(sim_options_, state, file_);
    devices.add("Sim", "127.0.0.1");
    devices.set_current(devices.index_of("Sim"));
    connection = std::make_unique<tcConnection>(options, devices, stores.link_stores());
    QObject::connect(connection.get(), &tcConnection::sig_request_meters, [this] {
      if (link()) link()->request_meters(true);
    });
  }
  ~tcSimConsole() {
    connection.reset();
    stop_simulator();
  }

  // Serves and goes on-line; false when the login was not accepted in time.
  bool start() {
    if (server_->open() != 0) return false;
    serving_ = std::thread([this] { server_->run(); });
    LinkTiming quick;
    quick.connect_wait_ms = 200;
    connection->set_link_target(server_->port(), quick);
    connection->set_online(true);
    return wait_until([this] { return connection->state() == tcConnection::kOnline; }, 8000) &&
           wait_for_whole_picture(link(), stores.device_info());
  }
  tcApIface* link() const { return connection ? connection->link() : nullptr; }
  // Ends the simulator so that its state can be read without racing its thread.
  void stop_simulator() {
    if (!serving_.joinable()) return;
    server_->stop();
    serving_.join();
  }

 private:
  QTemporaryDir work_, sim_dir_;
  tcSimOptions sim_options_;
  tcSimStateFile file_{sim_dir_.path()};
  std::unique_ptr<tcSimServer> server_;
  std::thread serving_;

 public:
  tcSimState state;
  tcApStores stores{QStringLiteral("/nonexistent/qx770-test"), {}};
  tcOptions options{work_.filePath("qx770xpro.ini")};
  tcDeviceList devices{work_.path()};
  std::unique_ptr<tcConnection> connection;
};
