#pragma once
// The preset dialogs' world for tests: library folders and option file in a
// temporary folder, the window's store wiring, a device list and, on request,
// the simulated processor on a thread of its own with a real link to it. Bank
// changes marked for sending go out as the main window sends them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <functional>
#include <memory>
#include <thread>

#include "app/core/tcOptions.h"
#include "link/devices/tcConnection.h"
#include "link/devices/tcDeviceList.h"
#include "link/transport/tcApStores.h"
#include "presets/dialogs/tcPresetContext.h"
#include "tests/link/transport/tcLinkTestWorld.h"
#include "tools/simulator/tcSimServer.h"
#include "tools/simulator/tcSimState.h"
#include "tools/simulator/tcSimStateFile.h"

// Readable QStrings in failure messages.
inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList& list, std::ostream* out) {
  *out << '{';
  for (const QString& text : list) PrintTo(text, out), *out << ' ';
  *out << '}';
}

// Answers the next `count` message boxes, one after the other, with `button`;
// each box's title and text go to `log` as "title|text".
inline void answer_boxes(int count, QStringList* log,
                         QMessageBox::StandardButton button = QMessageBox::Ok) {
  auto* timer = new QTimer;
  auto answered = std::make_shared<int>(0);
  auto last = std::make_shared<QPointer<QMessageBox>>();
  QObject::connect(timer, &QTimer::timeout, [=] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || box == *last) return;
    *last = box;
    if (log) *log << box->windowTitle() + QLatin1Char('|') + box->text();
    if (++*answered == count) {
      timer->stop();
      timer->deleteLater();
    }
    box->button(button)->click();
  });
  timer->start(5);
}

// With QX_PRESET_SHOT_DIR set, keeps a picture of a widget there for a look.
inline void keep_shot(QWidget* widget, const char* name) {
  const QString dir = qEnvironmentVariable("QX_PRESET_SHOT_DIR");
  if (dir.isEmpty()) return;
  QCoreApplication::processEvents();
  widget->grab().save(QDir(dir).filePath(QLatin1String(name)));
}

class tcPresetDialogWorld : public ::testing::Test {
 protected:
  tcPresetDialogWorld() {
    QDir(dir_.path()).mkpath(QStringLiteral("presets/favorites"));
    QDir(dir_.path()).mkpath(QStringLiteral("maps"));
    options_ = std::make_unique<tcOptions>(path("qx770xpro.ini"));
    tcChangeRouter::Hooks hooks;
    hooks.context = this;
    hooks.settings_send = &tcPresetDialogWorld::on_settings_send;
    stores_ = std::make_unique<tcApStores>(path("presets"), hooks, tcApStores::Meters::kNone);
    devices_ = std::make_unique<tcDeviceList>(path("maps"));
    context_.stores = stores_.get();
    context_.devices = devices_.get();
    context_.options = options_.get();
    context_.presets_dir = path("presets");
    context_.favorites_dir = path("presets/favorites");
  }

  ~tcPresetDialogWorld() override {
    connection_.reset();
    stop_simulator();
  }

  QString path(const QString& name) const { return QDir(dir_.path()).filePath(name); }
  QString favorites(const QString& name = QString()) const {
    return name.isEmpty() ? path("presets/favorites") : path("presets/favorites/" + name);
  }

  // Starts the simulator (after the test has prepared its state) and goes
  // on-line to it through a device "Sim".
  void go_online() {
    ASSERT_TRUE(sim_dir_.isValid());
    sim_options_.port = 0;
    sim_options_.state_dir = sim_dir_.path();
    server_ = std::make_unique<tcSimServer>(sim_options_, sim_state_, sim_file_);
    ASSERT_EQ(server_->open(), 0);
    serving_ = std::thread([this] { server_->run(); });
    ASSERT_NE(devices_->add("Sim", "127.0.0.1"), nullptr);
    devices_->set_current(devices_->index_of("Sim"));
    connection_ = std::make_unique<tcConnection>(*options_, *devices_, stores_->link_stores());
    LinkTiming quick;
    quick.connect_wait_ms = 200;
    connection_->set_link_target(server_->port(), quick);
    context_.link = [this] { return connection_ ? connection_->link() : nullptr; };
    context_.online = [this] {
      return connection_ && connection_->online() && connection_->state() == tcConnection::kOnline;
    };
    connection_->set_online(true);
    ASSERT_TRUE(
        wait_until([this] { return context_.is_online() && stores_->directory().present(0); }));
    ASSERT_TRUE(wait_for_whole_picture(connection_->link(), stores_->device_info()));
  }

  // Ends the simulator so its state can be read without racing its thread.
  void stop_simulator() {
    if (!serving_.joinable()) return;
    server_->stop();
    serving_.join();
  }

  QObject guard_;  // queued sends die with the world
  QTemporaryDir dir_;
  QTemporaryDir sim_dir_;
  std::unique_ptr<tcOptions> options_;
  std::unique_ptr<tcApStores> stores_;
  std::unique_ptr<tcDeviceList> devices_;
  tcPresetContext context_;

  tcSimOptions sim_options_;
  tcSimState sim_state_;
  tcSimStateFile sim_file_{sim_dir_.path()};
  std::unique_ptr<tcSimServer> server_;
  std::thread serving_;
  std::unique_ptr<tcConnection> connection_;

 private:
  // Under the store lock, on any thread: the send runs later on the GUI thread.
  static void on_settings_send(void* self, uint16_t bank) {
    auto* world = static_cast<tcPresetDialogWorld*>(self);
    QMetaObject::invokeMethod(
        &world->guard_,
        [world, bank] {
          if (tcApIface* link = world->context_.current_link()) link->send_bank_changes(bank);
        },
        Qt::QueuedConnection);
  }
};
