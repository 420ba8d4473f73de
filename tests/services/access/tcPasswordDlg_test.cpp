#include "services/access/tcPasswordDlg.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QtTest/QTest>

#include "services/access/tcKeyboardExtension.h"

TEST(AccessCodeDialog, TheCodeTakesAtMostTenDigits) {
  tcPasswordDlg dlg(tcPasswordDlg::kAccess, "12", 0);
  dlg.show();
  QCoreApplication::processEvents();
  EXPECT_TRUE(dlg.code_field()->selectedText().startsWith("12"));  // typing replaces it
  QTest::keyClicks(dlg.code_field(), "98765432109");
  EXPECT_EQ(dlg.text(), "9876543210");

  // The keypad types too; its "." is refused by the field.
  dlg.code_field()->clear();
  for (int key : {Qt::Key_4, Qt::Key_Period, Qt::Key_2, Qt::Key_Backspace, Qt::Key_0})
    emit dlg.keypad()->sig_keypress(key);
  QCoreApplication::processEvents();
  EXPECT_EQ(dlg.text(), "40");
}

TEST(AccessCodeDialog, RestrictionBoxesFollowTheBitsAndMeterViewsStaysHidden) {
  tcPasswordDlg dlg(tcPasswordDlg::kAccess, "", 0x80000000u | 32 | 16 | 2);
  EXPECT_EQ(dlg.windowTitle(), "GUI Access Code & Permissions");
  EXPECT_FALSE(dlg.restriction_box(0)->isChecked());
  EXPECT_TRUE(dlg.restriction_box(1)->isChecked());
  EXPECT_TRUE(dlg.restriction_box(3)->isChecked());
  EXPECT_TRUE(dlg.restriction_box(4)->isHidden());
  EXPECT_EQ(dlg.bits(), 18u);
  dlg.restriction_box(2)->click();
  EXPECT_EQ(dlg.bits(), 22u);

  tcPasswordDlg device(tcPasswordDlg::kDevice, "", 0);
  EXPECT_EQ(device.windowTitle(), "Device Password");
  EXPECT_TRUE(device.restriction_group()->isHidden());
}
