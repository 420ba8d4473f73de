#include "services/access/tcPswdEntryDlg.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest/QTest>

#include "app/core/tcCrc32.h"
#include "app/core/tcOptions.h"
#include "services/access/tcKeyboardExtension.h"
#include "support/tcModalDriver.h"

namespace {

class PasswordEntry : public ::testing::Test {
 protected:
  QTemporaryDir dir;
  QString path = dir.filePath("qx770xpro.ini");
  tcOptions options{path};
};

}  // namespace

TEST_F(PasswordEntry, LoginModeGivesTheCodeOfTheTypedTextAndTheRememberState) {
  tcPswdEntryDlg dlg(tcPswdEntryDlg::kLogin, options);
  EXPECT_EQ(dlg.windowTitle(), "Login Password");
  EXPECT_EQ(dlg.code(), 0u);  // no password
  QTest::keyClicks(dlg.password_field(), "123456789");
  EXPECT_EQ(dlg.code(), 0xCBF43926u);
  EXPECT_FALSE(dlg.remember());
  dlg.remember_box()->click();
  EXPECT_TRUE(dlg.remember());
}

TEST_F(PasswordEntry, HidePasswordIsStoredAtOnceAndRestored) {
  {
    tcPswdEntryDlg dlg(tcPswdEntryDlg::kLogin, options);
    EXPECT_TRUE(dlg.hide_box()->isChecked());  // masked by default
    EXPECT_EQ(dlg.password_field()->echoMode(), QLineEdit::Password);
    dlg.hide_box()->click();
    EXPECT_EQ(dlg.password_field()->echoMode(), QLineEdit::Normal);
    // Written to the file before the dialog closes.
    EXPECT_FALSE(tcOptions(path).hide_password());
  }
  tcPswdEntryDlg again(tcPswdEntryDlg::kLogin, options);
  EXPECT_FALSE(again.hide_box()->isChecked());
  EXPECT_EQ(again.password_field()->echoMode(), QLineEdit::Normal);
  again.hide_box()->click();
  EXPECT_TRUE(tcOptions(path).hide_password());
}

TEST_F(PasswordEntry, ChangeModeChecksTheCurrentPasswordAndTheVerification) {
  tcPswdEntryDlg dlg(tcPswdEntryDlg::kChange, options, nullptr, tcCrc32::of_text("old"));
  EXPECT_EQ(dlg.windowTitle(), "Password Update");
  dlg.hide_box()->click();  // all three fields follow "Hide Password"
  EXPECT_EQ(dlg.verify_field()->echoMode(), QLineEdit::Normal);

  dlg.password_field()->setText("wrong");
  dlg.new_field()->setText("new");
  dlg.verify_field()->setText("new");
  QString title, text;
  answer_next_box(QMessageBox::Ok, &title, &text);
  dlg.accept();
  EXPECT_EQ(title, "Incorrect Password");
  EXPECT_EQ(text, "Incorrect current password.\n");
  EXPECT_EQ(dlg.result(), QDialog::Rejected);  // still open
  EXPECT_TRUE(dlg.password_field()->text().isEmpty());
  EXPECT_EQ(dlg.new_field()->text(), "new");

  dlg.password_field()->setText("old");
  dlg.verify_field()->setText("nwe");
  answer_next_box(QMessageBox::Ok, &title, &text);
  dlg.accept();
  EXPECT_EQ(text,
            "The new password did not match the verify password.\n"
            "Please re-enter the new password.\n");
  EXPECT_TRUE(dlg.new_field()->text().isEmpty());
  EXPECT_TRUE(dlg.verify_field()->text().isEmpty());

  dlg.new_field()->setText("new");
  dlg.verify_field()->setText("new");
  dlg.accept();
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
  EXPECT_EQ(dlg.code(), tcCrc32::of_text("new"));
}

TEST_F(PasswordEntry, TheKeypadTypesIntoTheFieldItWasOpenedFor) {
  tcPswdEntryDlg dlg(tcPswdEntryDlg::kChange, options);
  dlg.show();
  EXPECT_TRUE(dlg.keypad()->isHidden());
  dlg.keypad_button(dlg.verify_field())->click();
  EXPECT_FALSE(dlg.keypad()->isHidden());
  for (int key : {Qt::Key_1, Qt::Key_Period, Qt::Key_2, Qt::Key_Backspace, Qt::Key_7})
    emit dlg.keypad()->sig_keypress(key);
  QCoreApplication::processEvents();
  EXPECT_EQ(dlg.verify_field()->text(), "1.7");
  EXPECT_TRUE(dlg.password_field()->text().isEmpty());
}
