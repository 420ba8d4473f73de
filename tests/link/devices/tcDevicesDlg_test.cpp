#include "link/devices/tcDevicesDlg.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest/QTest>
#include <string>

#include "link/devices/tcDeviceEditDlg.h"
#include "link/devices/tcDeviceList.h"
#include "tests/support/tcFileSizeLimit.h"
#include "tests/support/tcModalDriver.h"

namespace {

class DevicesDialog : public ::testing::Test {
 protected:
  QTemporaryDir dir;
  tcDeviceList list{dir.path()};

  void SetUp() override {
    for (const char* name : {"Alpha", "Bravo", "Charlie"}) list.add(name, "10.0.0.1");
    list.find("Bravo");
  }
  void select_row(tcDevicesDlg& dlg, int row) { dlg.list()->setCurrentRow(row); }
};

class DeviceEdit : public ::testing::Test {};

}  // namespace

TEST_F(DevicesDialog, OpensOnTheCurrentDeviceWithDeleteAndSelectDisabled) {
  tcDevicesDlg dlg(list);
  EXPECT_EQ(dlg.windowTitle(), "Devices");
  ASSERT_EQ(dlg.list()->count(), 3);
  EXPECT_EQ(dlg.list()->item(2)->text(), "Charlie");
  EXPECT_EQ(dlg.selected(), 1);
  EXPECT_FALSE(dlg.delete_button()->isEnabled());
  EXPECT_FALSE(dlg.select_button()->isEnabled());
  EXPECT_TRUE(dlg.edit_button()->isEnabled());

  dlg.accept();  // Select on the current device does not close
  EXPECT_EQ(dlg.result(), QDialog::Rejected);

  select_row(dlg, 2);
  EXPECT_TRUE(dlg.delete_button()->isEnabled());
  EXPECT_TRUE(dlg.select_button()->isEnabled());
}

TEST_F(DevicesDialog, DoubleClickSelectsAnotherDevice) {
  tcDevicesDlg dlg(list);
  dlg.show();
  select_row(dlg, 0);
  QListWidgetItem* item = dlg.list()->item(0);
  const QPoint at = dlg.list()->visualItemRect(item).center();
  QTest::mouseClick(dlg.list()->viewport(), Qt::LeftButton, Qt::NoModifier, at);
  QTest::mouseDClick(dlg.list()->viewport(), Qt::LeftButton, Qt::NoModifier, at);
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
  EXPECT_EQ(dlg.selected(), 0);
  EXPECT_EQ(list.current_index(), 1);  // the caller makes it current
}

TEST_F(DevicesDialog, AddStartsFromTheLocalNetworkAndAppends) {
  tcDevicesDlg dlg(list);
  QString offered;
  on_next_modal<tcDeviceEditDlg>([&](tcDeviceEditDlg* edit) {
    offered = edit->address_field()->text();
    EXPECT_TRUE(edit->name_field()->text().isEmpty());
    QTest::keyClicks(edit->name_field(), "New One");
    edit->address_field()->setText("192.168.1.77");
    edit->ok_button()->click();
  });
  dlg.add_button()->click();
  EXPECT_EQ(offered.remove(' '), "192.168.1.");
  ASSERT_EQ(list.count(), 4);
  EXPECT_STREQ(list.at(3)->address().c_str(), "192.168.1.77");
  EXPECT_EQ(dlg.list()->item(3)->text(), "New One");
  EXPECT_EQ(dlg.selected(), 3);
  EXPECT_FALSE(dlg.address_changed());
}

TEST_F(DevicesDialog, EditChangesOnlyTheAddressAndFlagsTheCurrentDevice) {
  tcDevicesDlg dlg(list);
  select_row(dlg, 0);
  on_next_modal<tcDeviceEditDlg>([](tcDeviceEditDlg* edit) {
    EXPECT_FALSE(edit->name_field()->isEnabled());
    EXPECT_EQ(edit->name_field()->text(), "Alpha");
    edit->address_field()->setText("10.9.9.9");
    edit->ok_button()->click();
  });
  dlg.edit_button()->click();
  EXPECT_STREQ(list.at(0)->address().c_str(), "10.9.9.9");
  EXPECT_FALSE(dlg.address_changed());

  select_row(dlg, 1);
  on_next_modal<tcDeviceEditDlg>([](tcDeviceEditDlg* edit) {
    edit->address_field()->setText("10.1.2.3");
    edit->ok_button()->click();
  });
  dlg.edit_button()->click();
  EXPECT_TRUE(dlg.address_changed());
}

TEST_F(DevicesDialog, DeviceFilesThatCannotBeWrittenAreReportedAndNothingIsLost) {
  tcDevicesDlg dlg(list);
  const QString alpha = list.at(0)->path();
  const QByteArray before = [&] {
    QFile f(alpha);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }();
  const tcFileSizeLimit disk_full(8);

  select_row(dlg, 0);
  on_next_modal<tcDeviceEditDlg>([](tcDeviceEditDlg* edit) {
    edit->address_field()->setText("10.9.9.9");
    edit->ok_button()->click();
  });
  QString title, text;
  answer_next_box(QMessageBox::Ok, &title, &text);
  dlg.edit_button()->click();
  EXPECT_EQ(title, "Error");
  EXPECT_TRUE(text.contains("Alpha.cfg")) << text.toStdString();
  QFile f(alpha);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll(), before);

  // A device whose file cannot be made would be gone at the next start: it is
  // not added.
  on_next_modal<tcDeviceEditDlg>([](tcDeviceEditDlg* edit) {
    QTest::keyClicks(edit->name_field(), "Delta");
    edit->address_field()->setText("10.0.0.4");
    edit->ok_button()->click();
  });
  title.clear();
  answer_next_box(QMessageBox::Ok, &title, &text);
  dlg.add_button()->click();
  EXPECT_EQ(title, "Error");
  EXPECT_TRUE(text.contains("Delta.cfg")) << text.toStdString();
  EXPECT_EQ(list.count(), 3);
  EXPECT_FALSE(QFile::exists(QDir(dir.path()).filePath("Delta.cfg")));
}

TEST_F(DevicesDialog, DeleteAsksAndKeepsTheSelectedRow) {
  tcDevicesDlg dlg(list);
  select_row(dlg, 0);
  QString title, text;
  answer_next_box(QMessageBox::No, &title, &text);
  dlg.delete_button()->click();
  EXPECT_EQ(title, "Delete Device");
  EXPECT_EQ(text, "Are you sure you want to delete the \"Alpha\" ?");
  EXPECT_EQ(list.count(), 3);

  answer_next_box(QMessageBox::Yes);
  dlg.delete_button()->click();
  ASSERT_EQ(list.count(), 2);
  EXPECT_STREQ(list.current()->name().c_str(), "Bravo");  // listed before it: still current
  EXPECT_EQ(dlg.selected(), 0);  // the row number stays: now the current device
  EXPECT_FALSE(dlg.delete_button()->isEnabled());

  select_row(dlg, 1);
  answer_next_box(QMessageBox::Yes);
  dlg.delete_button()->click();
  EXPECT_EQ(list.count(), 1);
  EXPECT_EQ(dlg.selected(), -1);  // beyond the end
}

TEST_F(DeviceEdit, NameTakesFortyLettersDigitsSpacesAndUnderscores) {
  tcDeviceEditDlg dlg(false, QString(), "192.168.1.");
  QTest::keyClicks(dlg.name_field(), QString::fromStdString(std::string(41, 'a')));
  EXPECT_EQ(dlg.name_field()->text().size(), 40);

  dlg.name_field()->clear();
  QTest::keyClicks(dlg.name_field(), "Tx-1 / main_2.");
  EXPECT_EQ(dlg.name_field()->text(), "Tx1  main_2");
}

TEST_F(DeviceEdit, EmptyNameCannotBeConfirmed) {
  tcDeviceEditDlg dlg(false, QString(), "10.0.0.1");
  dlg.ok_button()->click();
  EXPECT_EQ(dlg.result(), QDialog::Rejected);
  QTest::keyClicks(dlg.name_field(), "X");
  dlg.ok_button()->click();
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
}

TEST_F(DeviceEdit, BlanksInsideAddressGroupsAreRemoved) {
  tcDeviceEditDlg dlg(false, "Dev", QString());
  EXPECT_EQ(dlg.address_field()->inputMask(), "009.009.009.009");  // blank: space
  dlg.address_field()->setText("10. 0.  0.5");
  dlg.ok_button()->click();
  EXPECT_EQ(dlg.address(), "10.0.0.5");

  tcDeviceEditDlg typed(false, "Dev", QString());
  typed.address_field()->setFocus();
  typed.address_field()->home(false);
  QTest::keyClicks(typed.address_field(), "1 2.3");
  typed.ok_button()->click();
  EXPECT_EQ(typed.address(), "12.3..");
}
