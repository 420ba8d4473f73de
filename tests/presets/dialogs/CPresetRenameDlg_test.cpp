#include "presets/dialogs/CPresetRenameDlg.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QMessageBox>

#include "presets/dialogs/PresetsNewFolderDlg.h"
#include "tests/support/tcModalDriver.h"

TEST(PresetsNewFolderDlg, FolderNamesTakeLettersDigitsBlanksHashAndUnderscore) {
  QString message;
  EXPECT_TRUE(PresetsNewFolderDlg::check_name("Rock #2_a", &message));
  EXPECT_FALSE(PresetsNewFolderDlg::check_name("", &message));
  EXPECT_TRUE(message.isEmpty());
  EXPECT_FALSE(PresetsNewFolderDlg::check_name(" Rock", &message));
  EXPECT_EQ(message, "A folder name cannot start or end with a space.");
  EXPECT_FALSE(PresetsNewFolderDlg::check_name("../up", &message));
  EXPECT_FALSE(PresetsNewFolderDlg::check_name("Drive-Time", &message));
  EXPECT_EQ(message, "There are invalid characters in the name.\nUse characters A-Z a-z _ # space");
}

TEST(PresetsNewFolderDlg, AHyphenKeepsTheDialogOpenWhileAPresetNameTakesIt) {
  PresetsNewFolderDlg folder;
  EXPECT_EQ(folder.windowTitle(), "New Folder");
  folder.show();
  folder.edit()->setText("Drive-Time");
  QString title;
  answer_next_box(QMessageBox::Ok, &title);
  folder.accept();
  EXPECT_EQ(title, "New Folder");
  EXPECT_TRUE(folder.isVisible());
  folder.edit()->clear();
  folder.accept();  // empty: only the focus goes back
  EXPECT_TRUE(folder.isVisible());

  CPresetRenameDlg preset(CPresetRenameDlg::kTitleFile, "Old", CPresetRenameDlg::kPresetName);
  preset.show();
  preset.edit()->setText("Drive-Time");
  preset.accept();
  EXPECT_EQ(preset.result(), QDialog::Accepted);
}

TEST(CPresetRenameDlg, ABadNameShowsTheRuleAndStays) {
  CPresetRenameDlg dlg(CPresetRenameDlg::kTitlePreset, "Old", CPresetRenameDlg::kPresetName);
  EXPECT_EQ(dlg.windowTitle(), "Rename Preset");
  EXPECT_EQ(dlg.name(), "Old");
  dlg.show();
  dlg.edit()->setText("a:b");
  QString title, text;
  answer_next_box(QMessageBox::Ok, &title, &text);
  dlg.accept();
  EXPECT_EQ(title, "Rename");
  EXPECT_TRUE(text.startsWith("Illegal name\nThere are invalid characters in the name\n"));
  EXPECT_TRUE(dlg.isVisible());
}
