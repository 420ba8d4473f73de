#include "presets/dialogs/tcPDlgFavFoldersBox.h"

#include <QFile>
#include <QMessageBox>

#include "presets/dialogs/CPresetsDlg.h"
#include "presets/dialogs/tcPDlgFavFilesBox.h"
#include "presets/dialogs/tcPresetPackageUi.h"
#include "presets/storage/tcPackageRegistry.h"
#include "presets/storage/tcPresetPackage.h"
#include "tests/presets/dialogs/tcPresetDialogWorld.h"
#include "tests/support/tcModalDriver.h"

namespace {

class FoldersBox : public tcPresetDialogWorld {
 protected:
  void SetUp() override {
    put(favorites("Mine/a.qx770x"), "QUESSA TK9000 SG PRESET:a: \n");
    QVector<tcPresetPackage::Entry> entries = {{"r.qx770x", "QUESSA TK9000 SG PRESET:r: \n"},
                                               {"Deep/d.qx770x", "QUESSA TK9000 SG PRESET:d: \n"}};
    QByteArray bytes;
    ASSERT_EQ(tcPresetPackageCodec::encode(entries, &bytes), 0);
    put(path("Rock.pkg"), bytes);
    bytes[0] = static_cast<char>(bytes[0] ^ 0x01);
    put(path("Flipped.pkg"), bytes);
    dlg_ = std::make_unique<CPresetsDlg>(context_);
  }
  static void put(const QString& file, const QByteArray& data) {
    QDir().mkpath(QFileInfo(file).path());
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(data);
  }
  tcPDlgFavFoldersBox* box() { return dlg_->folders_box(); }
  QStringList registered() { return tcPackageRegistry(*options_).names(); }

  std::unique_ptr<CPresetsDlg> dlg_;
};

}  // namespace

TEST_F(FoldersBox, ShowsTheTreeUnderFavorites) {
  QTreeWidgetItem* root = box()->topLevelItem(0);
  ASSERT_NE(root, nullptr);
  EXPECT_EQ(root->text(0), "favorites");
  ASSERT_EQ(root->childCount(), 1);
  EXPECT_EQ(root->child(0)->text(0), "Mine");
  EXPECT_EQ(box()->current_folder(), QDir(favorites()).absolutePath());
  box()->setCurrentItem(root->child(0));
  EXPECT_EQ(dlg_->files_box()->folder(), favorites("Mine"));
  EXPECT_EQ(dlg_->files_box()->topLevelItem(0)->text(0), "a");
}

TEST_F(FoldersBox, InstallsPackagesTwiceAndRefusesOneThatIsNot) {
  ASSERT_EQ(box()->install_package(path("Rock.pkg")), 0);
  ASSERT_EQ(box()->install_package(path("Rock.pkg")), 0);
  EXPECT_NE(box()->item_of(favorites("Rock")), nullptr);
  EXPECT_NE(box()->item_of(favorites("Rock (2)/Deep")), nullptr);
  EXPECT_EQ(registered(), QStringList({"Rock", "Rock (2)"}));

  QStringList boxes;
  answer_boxes(2, &boxes);
  EXPECT_EQ(box()->install_package(path("Flipped.pkg")), -1);
  ASSERT_EQ(boxes.size(), 2);
  EXPECT_EQ(boxes[0], "Install Preset|This is not an QX770HD preset package.");
  EXPECT_TRUE(boxes[1].startsWith("Error|Unable to install preset package\n"))
      << boxes[1].toStdString();
  EXPECT_FALSE(QFileInfo::exists(favorites("Flipped")));
}

TEST_F(FoldersBox, DeleteRules) {
  ASSERT_EQ(box()->install_package(path("Rock.pkg")), 0);
  QString title, text;
  const auto refused = [&](const QString& folder) {
    answer_next_box(QMessageBox::Ok, &title, &text);
    EXPECT_EQ(box()->delete_folder(folder), -1);
    return text;
  };
  EXPECT_EQ(refused(QString()), "Please select a folder to delete.");
  EXPECT_EQ(refused(favorites()), "Cannot delete the root folder.");
  EXPECT_EQ(refused(favorites("Rock/Deep")), "You must delete the entire package at once.");
  EXPECT_EQ(refused(favorites("Mine")), "Cannot delete the folder, it is not empty.");
  EXPECT_EQ(title, "Delete Folder");
  EXPECT_TRUE(QFileInfo::exists(favorites("Rock/Deep/d.qx770x")));

  // The package's own folder goes whole, after the package warning.
  answer_next_box(QMessageBox::No, &title, &text);
  EXPECT_EQ(box()->delete_folder(favorites("Rock")), -1);
  EXPECT_EQ(text,
            "Are you sure you want to delete the selected folder?\n\nThis is a preset package "
            "folder!!!");
  answer_next_box(QMessageBox::Yes);
  EXPECT_EQ(box()->delete_folder(favorites("Rock")), 0);
  EXPECT_FALSE(QFileInfo::exists(favorites("Rock")));
  EXPECT_TRUE(registered().isEmpty());

  // An empty folder (an index file alone counts as empty) asks without the warning.
  QDir().mkpath(favorites("Empty"));
  put(favorites("Empty/qx770x_pset_idx.txt"), "");
  answer_next_box(QMessageBox::Yes, &title, &text);
  EXPECT_EQ(box()->delete_folder(favorites("Empty")), 0);
  EXPECT_EQ(text, "Are you sure you want to delete the selected folder?");
  EXPECT_FALSE(QFileInfo::exists(favorites("Empty")));
}

TEST_F(FoldersBox, NewFoldersAndRenames) {
  ASSERT_EQ(box()->create_folder(favorites(), "Night Shift"), 0);
  EXPECT_EQ(box()->current_folder(), favorites("Night Shift"));
  EXPECT_EQ(dlg_->files_box()->folder(), favorites("Night Shift"));  // the files follow
  QString text;
  answer_next_box(QMessageBox::Ok, nullptr, &text);
  EXPECT_EQ(box()->create_folder(favorites(), "Night Shift"), -1);
  EXPECT_EQ(text, "Unable to create new folder");

  ASSERT_EQ(box()->rename_folder(favorites("Night Shift"), "Late"), 0);
  EXPECT_TRUE(QFileInfo(favorites("Late")).isDir());
  answer_next_box(QMessageBox::Ok, nullptr, &text);
  EXPECT_EQ(box()->rename_folder(favorites("Late"), "Mine"), -1);
  EXPECT_EQ(text, "Access error renaming the folder.");

  // A renamed package stays registered under its new name.
  ASSERT_EQ(box()->install_package(path("Rock.pkg")), 0);
  ASSERT_EQ(box()->rename_folder(favorites("Rock"), "Hard Rock"), 0);
  EXPECT_EQ(registered(), QStringList({"Hard Rock"}));
  answer_next_box(QMessageBox::Ok, nullptr, &text);
  EXPECT_EQ(box()->create_folder(favorites("Hard Rock"), "More"), -1);
}

TEST_F(FoldersBox, BuildsAPackageOfAFolder) {
  ASSERT_EQ(box()->build_package(favorites("Mine"), path("Mine.pkg")), 0);
  QVector<tcPresetPackage::Entry> entries;
  ASSERT_EQ(tcPresetPackage::read(path("Mine.pkg"), &entries), 0);
  ASSERT_EQ(entries.size(), 2);  // the preset and the index the tree wrote
  EXPECT_EQ(entries[0].name, QByteArray("a.qx770x"));
  QString text;
  answer_next_box(QMessageBox::Ok, nullptr, &text);
  EXPECT_EQ(box()->build_package(favorites("None"), path("None.pkg")), -1);
  EXPECT_TRUE(text.startsWith("Unable to build preset package")) << text.toStdString();
}

TEST_F(FoldersBox, PackagesAreProtectedFromCopies) {
  ASSERT_EQ(box()->install_package(path("Rock.pkg")), 0);
  tcPresetClips clips(1);
  clips[0].header.set_name("Intruder");
  QStringList boxes;
  answer_boxes(1, &boxes);
  box()->paste_clips(clips, favorites("Rock/Deep"));
  EXPECT_EQ(boxes, QStringList({"Copy Files|You can not copy presets to a protected folder."}));
  EXPECT_FALSE(QFileInfo::exists(favorites("Rock/Deep/Intruder.qx770x")));
  box()->paste_clips(clips, favorites("Mine"));
  EXPECT_TRUE(QFileInfo::exists(favorites("Mine/Intruder.qx770x")));
}

TEST_F(FoldersBox, AutoloadTellsOfEachFailureAndKeepsThatFile) {
  QDir().mkpath(path("presets/autoload"));
  ASSERT_TRUE(QFile::copy(path("Rock.pkg"), path("presets/autoload/Rock.pkg")));
  ASSERT_TRUE(QFile::copy(path("Flipped.pkg"), path("presets/autoload/Flipped.pkg")));
  QStringList boxes;
  answer_boxes(2, &boxes);
  EXPECT_EQ(tcPresetPackageUi::autoload(nullptr, path("presets"), favorites(), *options_), 1);
  ASSERT_EQ(boxes.size(), 2);
  EXPECT_EQ(boxes[0], "Install Preset|This is not an QX770HD preset package.");
  EXPECT_TRUE(boxes[1].startsWith("Error|Unable to install preset package\n"));
  EXPECT_TRUE(boxes[1].endsWith("The package file was kept."));
  EXPECT_TRUE(QFile::exists(path("presets/autoload/Flipped.pkg")));
  EXPECT_FALSE(QFile::exists(path("presets/autoload/Rock.pkg")));
  EXPECT_EQ(registered(), QStringList({"Rock"}));
}
