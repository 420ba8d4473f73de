#include "services/access/tcPswdEntryDlg.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest/QTest>

#include "app/core/tcOptions.h"

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
