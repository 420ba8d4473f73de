#include "presets/dialogs/tcPDlgFavFilesBox.h"

#include <QAction>
#include <QFile>

#include "params/tcPresetFile.h"
#include "presets/dialogs/CPresetsDlg.h"
#include "presets/dialogs/tcPDlgFavFoldersBox.h"
#include "presets/storage/tcPresetIndex.h"
#include "tests/presets/dialogs/tcPresetDialogWorld.h"
#include "tests/support/tcFileSizeLimit.h"

namespace {

class FilesBox : public tcPresetDialogWorld {
 protected:
  void SetUp() override {
    for (const char* name : {"One", "Two", "Three"}) write_preset(name);
    ASSERT_EQ(tcPresetIndex(favorites()).write({"One.qx770x", "Two.qx770x", "Three.qx770x"}), 0);
    dlg_ = std::make_unique<CPresetsDlg>(context_);
    dlg_->show();
  }
  void write_preset(const char* name, float drive = 0.0f) {
    SETTINGS values;
    values.set_float(0x1407, drive, kSourceSilent);
    tcPresetHeader header;
    header.set_name(name);
    ASSERT_EQ(tcPresetFile::write(header, values, favorites(QString(name) + ".qx770x")), 0);
  }
  tcPDlgFavFilesBox* box() { return dlg_->files_box(); }
  QStringList shown() {
    QStringList names;
    for (int i = 0; i < box()->topLevelItemCount(); ++i) names << box()->topLevelItem(i)->text(0);
    return names;
  }
  void select(const QString& name) {
    box()->clearSelection();
    for (int i = 0; i < box()->topLevelItemCount(); ++i) {
      if (box()->topLevelItem(i)->text(0) == name) {
        box()->setCurrentItem(box()->topLevelItem(i), 0, QItemSelectionModel::ClearAndSelect);
        return;
      }
    }
    FAIL() << name.toStdString();
  }

  std::unique_ptr<CPresetsDlg> dlg_;
};

}  // namespace

TEST_F(FilesBox, SortMovesTheSelectedFileInTheIndex) {
  ASSERT_EQ(shown(), QStringList({"One", "Two", "Three"}));
  select("One");
  box()->slot_sort_up();  // the first goes no higher
  select("Three");
  box()->slot_sort_dn();  // the last no lower
  EXPECT_EQ(shown(), QStringList({"One", "Two", "Three"}));
  select("One");
  box()->action("Sort Down\tCtrl+D")->trigger();
  EXPECT_EQ(shown(), QStringList({"Two", "One", "Three"}));
  EXPECT_EQ(box()->current_key(), favorites("One.qx770x"));  // stays selected
  box()->slot_sort_dn();
  EXPECT_EQ(tcPresetIndex(favorites()).read(),
            QStringList({"Two.qx770x", "Three.qx770x", "One.qx770x"}));
}

TEST_F(FilesBox, RenameRewritesTheHeaderAndMovesTheFile) {
  ASSERT_EQ(box()->rename_file(favorites("Two.qx770x"), "Second-Take"), 0);
  EXPECT_FALSE(QFile::exists(favorites("Two.qx770x")));
  tcPresetHeader header;
  ASSERT_EQ(tcPresetFile::read_header(favorites("Second-Take.qx770x"), &header), 0);
  EXPECT_EQ(header.name_text(), "Second-Take");
  EXPECT_EQ(tcPresetIndex(favorites()).read(),
            QStringList({"One.qx770x", "Second-Take.qx770x", "Three.qx770x"}));

  QStringList boxes;
  answer_boxes(1, &boxes);
  EXPECT_EQ(box()->rename_file(favorites("One.qx770x"), "Three"), -1);
  EXPECT_EQ(boxes, QStringList({"Error|A file with that name already exists."}));
  ASSERT_EQ(tcPresetFile::read_header(favorites("Three.qx770x"), &header), 0);
  EXPECT_EQ(header.name_text(), "Three");
}

TEST_F(FilesBox, AFailedRewriteKeepsTheOldFileAndSaysWhich) {
  QFile original(favorites("One.qx770x"));
  ASSERT_TRUE(original.open(QIODevice::ReadOnly));
  const QByteArray before = original.readAll();
  original.close();
  QStringList boxes;
  answer_boxes(1, &boxes);
  {
    tcFileSizeLimit full(100);
    EXPECT_EQ(box()->rename_file(favorites("One.qx770x"), "Uno"), -1);
  }
  ASSERT_EQ(boxes.size(), 1);
  EXPECT_TRUE(boxes[0].startsWith("Error|Unable to write the file")) << boxes[0].toStdString();
  EXPECT_TRUE(boxes[0].contains("Uno.qx770x"));
  ASSERT_TRUE(original.open(QIODevice::ReadOnly));
  EXPECT_EQ(original.readAll(), before);
  EXPECT_FALSE(QFile::exists(favorites("Uno.qx770x")));
  EXPECT_EQ(tcPresetIndex(favorites()).read().first(), "One.qx770x");
}

TEST_F(FilesBox, DeleteAsksWithTheNamesThenRemovesFilesAndLines) {
  box()->setCurrentItem(box()->topLevelItem(0), 0, QItemSelectionModel::ClearAndSelect);
  box()->topLevelItem(2)->setSelected(true);
  QStringList boxes;
  answer_boxes(1, &boxes, QMessageBox::No);
  box()->slot_delete();
  EXPECT_EQ(boxes, QStringList({"Delete presets|Are you sure you wish to delete the presets?\n"
                                "    One\n    Three\n"}));
  EXPECT_EQ(shown().size(), 3);
  box()->setCurrentItem(box()->topLevelItem(0), 0, QItemSelectionModel::ClearAndSelect);
  box()->topLevelItem(2)->setSelected(true);
  answer_boxes(1, &boxes, QMessageBox::Yes);
  box()->slot_delete();
  EXPECT_EQ(shown(), QStringList({"Two"}));
  EXPECT_EQ(tcPresetIndex(favorites()).read(), QStringList({"Two.qx770x"}));
  EXPECT_FALSE(QFile::exists(favorites("One.qx770x")));
}

TEST_F(FilesBox, PastedFilesNeverReplaceOnesThere) {
  box()->setCurrentItem(box()->topLevelItem(0), 0, QItemSelectionModel::ClearAndSelect);
  box()->slot_copy();
  ASSERT_EQ(dlg_->clipboard().size(), 1u);
  box()->slot_paste();  // into the same folder: a second file
  EXPECT_TRUE(QFile::exists(favorites("One (2).qx770x")));
  EXPECT_EQ(tcPresetIndex(favorites()).read().last(), "One (2).qx770x");
  QFile a(favorites("One.qx770x")), b(favorites("One (2).qx770x"));
  ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
  EXPECT_EQ(a.readAll(), b.readAll());  // the file as it was

  // A file that is not a preset stops the copy with the reason.
  QFile junk(favorites("Junk.qx770x"));
  ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
  junk.write("not a preset\n");
  junk.close();
  dlg_->slot_ptree_change();
  QStringList boxes;
  answer_boxes(1, &boxes);
  tcPresetClips clips;
  EXPECT_EQ(box()->read_presets({favorites("Junk.qx770x")}, &clips), -1);
  EXPECT_EQ(boxes, QStringList({"Error|Error copying preset:\nInvalid File Type"}));
}

TEST_F(FilesBox, FlagClearMakesFilesFactoryPresetsInEngineeringMode) {
  EXPECT_EQ(box()->action("Clear..."), nullptr);  // not without GURU
  options_->set_guru(true);
  dlg_ = std::make_unique<CPresetsDlg>(context_);
  SETTINGS tweaked;
  tweaked.set_int(0x1200, 9, kSourceSilent);
  tcPresetHeader header;
  header.set_name("One");
  header.map_version = tcPresetHeader::kVersionTweaked;
  ASSERT_EQ(tcPresetFile::write(header, tweaked, favorites("One.qx770x")), 0);
  select("One");
  answer_boxes(1, nullptr, QMessageBox::Yes);
  box()->action("Clear...")->trigger();
  SETTINGS loaded;
  ASSERT_EQ(tcPresetFile::load_checked(favorites("One.qx770x"), &header, &loaded), 0);
  EXPECT_EQ(header.map_version, tcPresetHeader::kVersionFactory);
  EXPECT_EQ(loaded.int_value(0x1200), 5u);
}
