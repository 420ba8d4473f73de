// The main window's link wiring against the simulator run in-process: what the
// processor reports reaches the stores and the panel signals without an echo,
// console edits go out through the queued send slots, meter records reach the
// window's clock.
#include "panel/window/tcApWidget.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThread>
#include <functional>
#include <thread>

#include "link/devices/tcConnection.h"
#include "link/devices/tcDeviceList.h"
#include "link/transport/tcApStores.h"
#include "link/transport/tcPresetDirectory.h"
#include "tests/panel/window/tcWindowOnline.h"
#include "tests/support/tcFileSizeLimit.h"
#include "tests/support/tcModalDriver.h"
#include "tools/simulator/tcSimServer.h"
#include "tools/simulator/tcSimState.h"
#include "tools/simulator/tcSimStateFile.h"

namespace {

constexpr uint16_t kDrive = 0x1407;
constexpr uint16_t kFmLevel = 0x2005;

using WindowOnline = tcWindowOnline<tcApWidget>;

TEST_F(WindowOnline, ProcessorValuesAreShownAndNotEchoed) {
  SETTINGS& bank = *stores().banks().set(0);
  const float processor_drive = bank.eng(kDrive);
  const uint32_t processor_level = stores().globals().int_value(kFmLevel);
  // Values that differ from the processor's, set silently, are put right by the
  // whole picture that a reconnect brings.
  bank.set_float(kDrive, processor_drive - 3.0f, kSourceSilent);
  stores().globals().set_int(kFmLevel, processor_level + 5, kSourceSilent);
  QSignalSpy panel(&window_, &tcApWidget::sig_gui_settings_dirty);
  QSignalSpy globals_panel(&window_, &tcApWidget::sig_gui_globals_dirty);
  window_.connection()->set_online(false);
  window_.connection()->set_online(true);
  ASSERT_TRUE(wait([&] { return panel.count() > 0 && globals_panel.count() > 0; }));
  EXPECT_EQ(panel.first().at(0).toInt(), 0);
  EXPECT_FLOAT_EQ(bank.eng(kDrive), processor_drive);
  EXPECT_EQ(stores().globals().int_value(kFmLevel), processor_level);
  QThread::msleep(100);
  QCoreApplication::processEvents();
  EXPECT_FALSE(stores().bank_send().record(0)->any());
  EXPECT_FALSE(stores().globals_send().any());
}

TEST_F(WindowOnline, ConsoleEditsReachTheProcessorAndMarkTheBankTweaked) {
  stores().banks().set(0)->set_float(kDrive, -2.0f, kSourceConsole);
  stores().banks().set(0)->set_float(kDrive, -2.5f, kSourceConsole);
  stores().globals().set_int(kFmLevel, 40, kSourceConsole);
  ASSERT_TRUE(wait([&] {
    tcPresetHeader header;
    stores().banks().get_header(0, &header);
    return !stores().bank_send().record(0)->any() && !stores().globals_send().any() &&
           header.map_version == tcApWidget::kTweakedMapVersion;
  }));
  QThread::msleep(300);  // the frames are on their way to the simulator
  stop_simulator();
  EXPECT_FLOAT_EQ(state_.bank(0).set->eng(kDrive), -2.5f);
  EXPECT_EQ(state_.globals().int_value(kFmLevel), 40);
}

TEST_F(WindowOnline, MeterRecordsSetTheProcessorClock) {
  QSignalSpy clock(&window_, &tcApWidget::sig_ap_clock);
  ASSERT_TRUE(wait([&] { return clock.count() > 0; }));
  EXPECT_GE(window_.ap_clock().year(), 2000);
  EXPECT_GE(window_.ap_clock().month(), 1);
}

TEST_F(WindowOnline, GoingOfflineClearsTheDirectory) {
  QSignalSpy summary(&window_, &tcApWidget::sig_summary_changed);
  window_.connection()->set_online(false);
  ASSERT_TRUE(wait([&] { return !stores().directory().present(0); }));
  EXPECT_GE(summary.count(), 1);
}

TEST_F(WindowOnline, MetersAlsoArriveOverTheLink) {
  // With the UDP listener closed, records can only come inside link messages.
  stores().meters()->close();
  window_.context()->options().set_tcp_meters(1);
  QSignalSpy clock(&window_, &tcApWidget::sig_ap_clock);
  emit window_.sig_request_meters();
  ASSERT_TRUE(wait([&] { return clock.count() >= 2; }));
}

class WindowWithPassword : public WindowOnline {
 protected:
  uint32_t password_code() const override { return 0x1234ABCD; }
};

TEST_F(WindowWithPassword, ARejectedLoginThatIsCancelledEndsOnlineMode) {
  int prompts = 0;
  window_.connection()->set_login_prompt([&] {
    ++prompts;
    return tcConnection::LoginEntry();  // cancelled
  });
  window_.connection()->set_online(true);
  ASSERT_TRUE(wait([&] { return prompts == 1 && !window_.connection()->online(); }));
  EXPECT_EQ(window_.connection()->link(), nullptr);
  EXPECT_EQ(window_.context()->options().online(), 0);
}

}  // namespace

namespace {

QByteArray file_bytes(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

TEST(WindowFiles, AnOptionWriteThatFailsIsShownAndKeepsTheOldFile) {
  QTemporaryDir work, docs;
  tcApWidget window;
  ASSERT_EQ(window.init({{"qx770xpro"}, work.path(), docs.path()}), 0);
  QCoreApplication::processEvents();      // the start-up connect has run
  window.connection()->set_online(true);  // no device: only the option is stored
  const QString path = window.context()->options().store().path();
  const QByteArray before = file_bytes(path);
  ASSERT_TRUE(before.contains("ONLINE=\"1\""));

  QString title, text;
  answer_next_box(QMessageBox::Ok, &title, &text);
  {
    const tcFileSizeLimit disk_full(8);
    window.connection()->set_online(false);
  }
  EXPECT_EQ(title, "Error");
  EXPECT_TRUE(text.contains(QDir::toNativeSeparators(path))) << text.toStdString();
  EXPECT_EQ(file_bytes(path), before);
  window.close();
  EXPECT_TRUE(file_bytes(path).contains("ONLINE=\"0\""));  // written once the disk has room
}
