#include "services/clock/tcDeviceVersionDlg.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <cstring>

#include "link/transport/tcDeviceInfo.h"
#include "services/tcSimConsole.h"
#include "support/tcModalDriver.h"

TEST(DeviceVersion, ShowsTheReplyAndBlanksWhenTheRecordIsCleared) {
  tcDeviceInfo info;
  tcDeviceVersionDlg dlg(info);
  EXPECT_EQ(dlg.windowTitle(), "Processor Version");
  EXPECT_EQ(dlg.line(tcDeviceVersionDlg::kVersion)->text(), "Querying version info...");
  EXPECT_TRUE(dlg.line(tcDeviceVersionDlg::kMac)->isHidden());

  tcVersionRecord v;
  v.major = 2;
  v.minor = 8;
  v.build = 11;
  std::strcpy(v.lines[0].data(), "QX770HD Processor");
  std::strcpy(v.lines[2].data(), "third");
  v.boot_id = 0x0770A1;
  v.boot_major = 1;
  v.boot_minor = 3;
  v.boot_check = 0x5A17;
  info.set_version(v);
  tcMacRecord mac;
  mac.bytes = {0x02, 0x51, 0x58, 0x37, 0x37, 0x30};
  info.set_mac(mac);
  dlg.slot_recv_version();
  EXPECT_EQ(dlg.line(tcDeviceVersionDlg::kVersion)->text(), "Version: 2.8.11");
  EXPECT_EQ(dlg.line(tcDeviceVersionDlg::kFirstText)->text(), "QX770HD Processor");
  EXPECT_EQ(dlg.line(tcDeviceVersionDlg::kBootloader)->text(), "Bootloader: 1.3 - 0770A1 - 5A17");
  EXPECT_EQ(dlg.line(tcDeviceVersionDlg::kThirdText)->text(), "third");
  EXPECT_TRUE(dlg.line(tcDeviceVersionDlg::kSecondText)->isHidden());  // empty
  EXPECT_EQ(dlg.line(tcDeviceVersionDlg::kMac)->text(), "MAC Address: 02:51:58:37:37:30");

  v.boot_major = v.boot_minor = 0;
  info.set_version(v);
  dlg.slot_recv_version();
  EXPECT_TRUE(dlg.line(tcDeviceVersionDlg::kBootloader)->isHidden());

  info.clear();
  dlg.slot_recv_version();
  EXPECT_EQ(dlg.line(tcDeviceVersionDlg::kVersion)->text(), "Querying version info...");
  EXPECT_TRUE(dlg.line(tcDeviceVersionDlg::kFirstText)->isHidden());
}

TEST(DeviceVersionOnline, AsksTheProcessorAndBlanksWhenTheLinkEnds) {
  tcSimConsole console;
  ASSERT_TRUE(console.start());
  QString shown, after;
  on_next_modal<tcDeviceVersionDlg>([&](tcDeviceVersionDlg* dlg) {
    QLabel* version = dlg->line(tcDeviceVersionDlg::kVersion);
    wait_until([&] { return version->text().startsWith("Version"); });
    shown = version->text() + "|" + dlg->line(tcDeviceVersionDlg::kMac)->text();
    console.connection->set_online(false);
    wait_until([&] { return version->text() == tcDeviceVersionDlg::kQuerying; });
    after = version->text();
    dlg->accept();
  });
  tcDeviceVersionDlg::run(nullptr, console.stores, console.link());
  EXPECT_EQ(shown, "Version: 2.8.0|MAC Address: 02:51:58:37:37:30");
  EXPECT_EQ(after, "Querying version info...");
}
