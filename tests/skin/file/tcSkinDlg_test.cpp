#include "skin/file/tcSkinDlg.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include "skin/file/tcSkinFile.h"
#include "skin/file/tcSkinPacker.h"

namespace {

// Answers every message box that comes up while it lives: questions with the
// given answer, notices with Ok; it keeps each box's title and text.
class BoxAnswerer {
 public:
  explicit BoxAnswerer(QMessageBox::StandardButton answer) : answer_(answer) {
    QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
    timer_.start(5);
  }
  QStringList seen;  // "title|text"

 private:
  void poll() {
    QPointer<QMessageBox> box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible()) return;
    seen << box->windowTitle() + "|" + box->text();
    QAbstractButton* button = box->button(answer_);
    (button ? button : box->button(QMessageBox::Ok))->click();
  }

  QMessageBox::StandardButton answer_;
  QTimer timer_;
};

// <root>/fp_skins holds the skins; <root> is also the working directory, where
// the packer tool is looked for.
class tcSkinDlgTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(root_.isValid());
    old_cwd_ = QDir::currentPath();
    QDir::setCurrent(root_.path());
    QDir root(root_.path());
    root.mkpath("fp_skins/beta");
    root.mkpath("fp_skins/Alpha");
    write("fp_skins/beta/skin.xml", "<beta/>");
    write("fp_skins/gamma.skin", tcSkinFile::encode({{"skin.xml", "<gamma/>"}}));
    write("fp_skins/delta.skin", "this is not a skin file");
    write("fp_skins/Omega.SKIN", tcSkinFile::encode({}));
    write("fp_skins/notes.txt", "x");
  }
  void TearDown() override { QDir::setCurrent(old_cwd_); }

  void write(const QString& path, const QByteArray& bytes) {
    QFile file(root_.filePath(path));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }
  QByteArray read(const QString& path) const {
    QFile file(root_.filePath(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
  }
  // A stand-in for the packer tool: records its arguments, exits with rc.
  void stub_tool(int rc) {
    const QString path = root_.filePath(tcSkinPacker::program_name());
    write(
        tcSkinPacker::program_name(),
        QString("#!/bin/sh\necho \"$@\" > args.txt\necho tool output\nexit %1\n").arg(rc).toUtf8());
    QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::ExeOwner);
  }

  static QStringList items(tcSkinDlg& dlg) {
    QStringList names;
    auto* list = dlg.findChild<QListWidget*>();
    for (int i = 0; i < list->count(); ++i) names << list->item(i)->text();
    return names;
  }
  static QPushButton* button(tcSkinDlg& dlg, const QString& text) {
    for (QPushButton* b : dlg.findChildren<QPushButton*>())
      if (b->text() == text) return b;
    return nullptr;
  }

  QString skins() const { return root_.filePath("fp_skins"); }

  QTemporaryDir root_;
  QString old_cwd_;
};

TEST_F(tcSkinDlgTest, ListsFoldersOrFilesAndReturnsTheChoice) {
  tcSkinDlg dlg(skins(), false);
  EXPECT_EQ(dlg.windowTitle(), "Choose Skin");
  for (const char* text : {"Ok", "Cancel", "Show Folders", "Show Files", "Un-Pack", "Pack"})
    EXPECT_NE(button(dlg, text), nullptr) << text;
  EXPECT_TRUE(button(dlg, "Pack")->isHidden());  // packing not offered
  EXPECT_TRUE(button(dlg, "Un-Pack")->isHidden());

  EXPECT_EQ(items(dlg), QStringList({"Alpha", "beta"}));
  EXPECT_EQ(dlg.chosen_name(), "Alpha");
  EXPECT_FALSE(dlg.chosen_packed());

  button(dlg, "Show Files")->click();
  EXPECT_EQ(items(dlg), QStringList({"delta", "gamma", "Omega"}));
  dlg.select("gamma.skin", true);
  EXPECT_EQ(dlg.chosen_name(), "gamma.skin");
  EXPECT_TRUE(dlg.chosen_packed());
  dlg.select("Omega.skin", true);
  EXPECT_EQ(dlg.chosen_name(), "Omega.SKIN");  // the name on disk

  dlg.select("beta", false);
  EXPECT_EQ(dlg.chosen_name(), "beta");
  EXPECT_FALSE(dlg.chosen_packed());
}

TEST_F(tcSkinDlgTest, UnPackAsksThenFillsTheFolder) {
  tcSkinDlg dlg(skins(), true);
  dlg.select("gamma", true);
  {
    BoxAnswerer no(QMessageBox::No);
    button(dlg, "Un-Pack")->click();
    ASSERT_EQ(no.seen.size(), 1);
    EXPECT_EQ(no.seen[0],
              "UnPack Skin|Are you sure\nYou will overwrite your existing \"gamma\" folder.");
  }
  EXPECT_FALSE(QDir(skins() + "/gamma").exists());
  {
    BoxAnswerer yes(QMessageBox::Yes);
    button(dlg, "Un-Pack")->click();
    ASSERT_EQ(yes.seen.size(), 2);
    EXPECT_TRUE(yes.seen[1].startsWith("Okay|"));
  }
  EXPECT_EQ(read("fp_skins/gamma/skin.xml"), "<gamma/>");

  dlg.select("delta", true);
  BoxAnswerer yes(QMessageBox::Yes);
  button(dlg, "Un-Pack")->click();
  ASSERT_EQ(yes.seen.size(), 2);
  EXPECT_EQ(yes.seen[1], "ERROR|Failed attempting to parse header of skin \"delta.skin\"");
}

TEST_F(tcSkinDlgTest, PackStartsTheToolWithTheImagesFolder) {
  QDir(root_.path()).mkpath("skin_images");  // two levels above fp_skins/beta
  stub_tool(0);
  tcSkinDlg dlg(skins(), true);
  dlg.select("beta", false);
  BoxAnswerer yes(QMessageBox::Yes);
  button(dlg, "Pack")->click();
  ASSERT_EQ(yes.seen.size(), 2);
  EXPECT_EQ(yes.seen[0],
            "Pack Skin|Are you sure\nYou will overwrite your existing \"beta.skin\" file.");
  EXPECT_TRUE(yes.seen[1].startsWith("Okay|"));
  const QDir root(root_.path());
  EXPECT_EQ(read("args.txt"),
            QString("-p -d %1 -i %2 -f %3\n")
                .arg(root.absoluteFilePath("fp_skins/beta"), root.absoluteFilePath("skin_images"),
                     root.absoluteFilePath("fp_skins/beta.skin"))
                .toUtf8());
  EXPECT_EQ(read("tessellor_results.txt"), "tool output\n");
}

TEST_F(tcSkinDlgTest, PackFailsWithoutOrWithAFailingTool) {
  const QString folder = skins() + "/beta", file = skins() + "/beta.skin";
  EXPECT_EQ(tcSkinPacker::pack(folder, file), -1);  // no tool in the working directory
  EXPECT_FALSE(QFile::exists(root_.filePath("tessellor_results.txt")));

  stub_tool(255);
  EXPECT_EQ(tcSkinPacker::pack(folder, file), -1);
  EXPECT_EQ(read("args.txt"), QString("-p -d %1 -f %2\n").arg(folder, file).toUtf8());

  tcSkinDlg dlg(skins(), true);
  dlg.select("beta", false);
  BoxAnswerer yes(QMessageBox::Yes);
  button(dlg, "Pack")->click();
  ASSERT_EQ(yes.seen.size(), 2);
  EXPECT_TRUE(yes.seen[1].startsWith("Error|"));
}

}  // namespace
