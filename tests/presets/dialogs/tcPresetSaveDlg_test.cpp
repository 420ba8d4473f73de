#include "presets/dialogs/tcPresetSaveDlg.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QSpinBox>

#include "params/tcPresetFile.h"
#include "presets/dialogs/tcPresetSave.h"
#include "presets/storage/tcPresetIndex.h"
#include "tests/presets/dialogs/tcPresetDialogWorld.h"
#include "tests/support/tcModalDriver.h"

namespace {

tcPresetHeader present(const char* name, uint8_t status) {
  tcPresetHeader header;
  header.set_name(name);
  header.status = status;
  return header;
}

class SaveOffline : public tcPresetDialogWorld {};

}  // namespace

TEST(tcPresetSave, ProposesTheFirstEmptyThenTheFirstUnlockedSlot) {
  tcPresetDirectory directory;
  for (int slot = 0; slot < tcPresetDirectory::kSlots; ++slot)
    directory.set(slot, present("P", slot == 41 ? 0 : 1));
  EXPECT_EQ(tcPresetSave::proposed_slot(directory), 41);
  directory.clear(60, 1);
  EXPECT_EQ(tcPresetSave::proposed_slot(directory), 60);
  directory.set(41, present("P", 2));
  directory.set(60, present("P", 1));
  EXPECT_EQ(tcPresetSave::proposed_slot(directory), -1);
}

TEST_F(SaveOffline, NumberFillsTheSlotsNameOrAPsetName) {
  stores_->directory().set(2, present("Morning Show", 0));
  tcPresetSaveDlg dlg(context_, 2);
  EXPECT_EQ(dlg.windowTitle(), "Save Preset");
  EXPECT_EQ(dlg.caption(), "Save as Preset in QX770HD");
  EXPECT_EQ(dlg.number(), 3);
  EXPECT_EQ(dlg.name(), "Morning Show");
  dlg.number_box()->setValue(5);
  EXPECT_EQ(dlg.name(), "PSET 005");
  EXPECT_EQ(dlg.number_box()->minimum(), 1);
  EXPECT_EQ(dlg.number_box()->maximum(), 80);
  EXPECT_EQ(dlg.name_edit()->maxLength(), 40);
}

TEST_F(SaveOffline, BadNamesAndLockedSlotsKeepTheDialogOpen) {
  stores_->directory().set(4, present("Locked", 1));
  tcPresetSaveDlg dlg(context_, 0);
  dlg.show();
  dlg.name_edit()->setText(" Leading");
  QString title, text;
  answer_next_box(QMessageBox::Ok, &title, &text);
  dlg.accept();
  EXPECT_EQ(title, "Save preset");
  EXPECT_EQ(text, "Illegal preset name\nCan not start or end with a space");
  EXPECT_TRUE(dlg.isVisible());

  dlg.number_box()->setValue(5);
  answer_next_box(QMessageBox::Ok, &title, &text);
  dlg.accept();
  EXPECT_EQ(text, "The destination preset is locked.");
  EXPECT_TRUE(dlg.isVisible());
}

TEST_F(SaveOffline, FavouritesModeWritesTheLivePresetAndIndexesIt) {
  stores_->banks().set(0)->set_float(0x1407, 2.0f, kSourceSilent);
  tcPresetSaveDlg dlg(context_, favorites());
  EXPECT_EQ(dlg.caption(), "Save as Preset in Favorites");
  EXPECT_FALSE(dlg.number_box()->isEnabled());
  EXPECT_EQ(dlg.name(), "Unknown");        // the live bank's name
  dlg.name_edit()->setText("Drive-Time");  // the preset rule allows "-"
  dlg.accept();
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
  SETTINGS loaded;
  tcPresetHeader header;
  ASSERT_EQ(tcPresetFile::load_checked(favorites("Drive-Time.qx770x"), &header, &loaded), 0);
  EXPECT_EQ(header.name_text(), "Drive-Time");
  EXPECT_FLOAT_EQ(loaded.eng(0x1407), 2.0f);
  EXPECT_EQ(tcPresetIndex(favorites()).read(), QStringList({"Drive-Time.qx770x"}));

  // The same name again is refused, the file stays.
  tcPresetSaveDlg again(context_, favorites());
  again.name_edit()->setText("Drive-Time");
  QString text;
  answer_next_box(QMessageBox::Ok, nullptr, &text);
  again.accept();
  EXPECT_EQ(text, "A file with that name already exists.");
  EXPECT_NE(again.result(), QDialog::Accepted);
}

TEST_F(SaveOffline, WindowSaveTellsWhenNoSlotIsFree) {
  for (int slot = 0; slot < tcPresetDirectory::kSlots; ++slot)
    stores_->directory().set(slot, present("Full", 1));
  QString title, text;
  answer_next_box(QMessageBox::Ok, &title, &text);
  tcPresetSave::from_window(nullptr, context_);
  EXPECT_EQ(title, "Save preset");
  EXPECT_EQ(text, "Unable to save preset. There are no empty unlocked preset entries available.");
}
