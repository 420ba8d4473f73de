#include "skin/file/tcSkinUnpacker.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "skin/file/tcSkinFile.h"

namespace {

// A work folder holding "skins/" (skin files) and "out/" (the unpack target).
class tcSkinUnpackerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(root_.isValid());
    QDir(root_.path()).mkpath("skins");
    QDir(root_.path()).mkpath("out");
  }

  QString skin(const QString& name, const QByteArray& bytes) {
    const QString path = root_.filePath("skins/" + name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path;
  }

  QString out() const { return root_.filePath("out"); }
  QByteArray read(const QString& name) const {
    QFile file(QDir(out()).filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
  }
  QStringList out_files() const {
    return QDir(out()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
  }

  // An entry as a hostile writer would make it: the codec refuses to encode these names.
  static QByteArray entry(const QByteArray& name, const QByteArray& data) {
    QByteArray e("\x47\x4A", 2);
    e += char(name.size() + 1);
    e += '\0';
    e += char(data.size());
    e += QByteArray(3, '\0');
    return e + name + '\0' + data;
  }

  QTemporaryDir root_;
  tcSkinUnpacker unpacker_;
};

TEST_F(tcSkinUnpackerTest, HeaderOnlyUnpacksToNothing) {
  const QString file = skin("empty.skin", tcSkinFile::encode_header());
  EXPECT_EQ(unpacker_.unpack(file, out()), 0);
  EXPECT_TRUE(unpacker_.error_text().isEmpty());
  EXPECT_EQ(unpacker_.target_path(), QDir(out()).absolutePath());
  EXPECT_TRUE(out_files().isEmpty());
}

TEST_F(tcSkinUnpackerTest, WritesEntriesInOrderLaterNameWins) {
  const QString file = skin(
      "a.skin",
      tcSkinFile::encode({{"skin.xml", "<skin/>"}, {"knob.png", "first"}, {"knob.png", "second"}}));
  QFile old(QDir(out()).filePath("skin.xml"));
  ASSERT_TRUE(old.open(QIODevice::WriteOnly));
  old.write("a much longer old content");
  old.close();

  ASSERT_EQ(unpacker_.unpack(file, out()), 0) << unpacker_.error_text().toStdString();
  EXPECT_EQ(out_files(), QStringList({"knob.png", "skin.xml"}));
  EXPECT_EQ(read("skin.xml"), "<skin/>");
  EXPECT_EQ(read("knob.png"), "second");
}

TEST_F(tcSkinUnpackerTest, ErrorTexts) {
  EXPECT_EQ(
      unpacker_.unpack(skin("a.skin", tcSkinFile::encode_header()), root_.filePath("nowhere")), -1);
  EXPECT_EQ(unpacker_.error_text(), "Failed attempting to create temporary skin directory");
  EXPECT_TRUE(unpacker_.target_path().isEmpty());

  EXPECT_EQ(unpacker_.unpack(root_.filePath("skins/gone.skin"), out()), -1);
  EXPECT_EQ(unpacker_.error_text(), QString("Failed attempting to open skin \"%1\":\"gone.skin\"")
                                        .arg(QDir(root_.filePath("skins")).absolutePath()));
  // The target is recorded before the skin file is opened, so clean-up still runs.
  EXPECT_EQ(unpacker_.target_path(), QDir(out()).absolutePath());

  EXPECT_EQ(unpacker_.unpack(skin("short.skin", "SKIN\0\0\0"), out()), -1);
  EXPECT_EQ(unpacker_.error_text(), "Failed attempting to read header of skin \"short.skin\"");

  EXPECT_EQ(unpacker_.unpack(skin("magic.skin", QByteArray("SKIM") + QByteArray(12, '\0')), out()),
            -1);
  EXPECT_EQ(unpacker_.error_text(), "Failed attempting to parse header of skin \"magic.skin\"");

  // Success clears the text of the last failure.
  EXPECT_EQ(unpacker_.unpack(skin("ok.skin", QByteArray("SKIN") + QByteArray(12, 'r')), out()), 0);
  EXPECT_TRUE(unpacker_.error_text().isEmpty());
}

TEST_F(tcSkinUnpackerTest, HostileNamesNeverLeaveTheTarget) {
  QDir(out()).mkpath("a");  // a name "a/b" must not land in here either
  const QList<QByteArray> names = {"../x", "a/b", "a\\b", "", ".."};
  for (const QByteArray& name : names) {
    const QByteArray bytes =
        tcSkinFile::encode({{"skin.xml", "<skin/>"}}) + entry(name, "evil") + entry("z.png", "z");
    EXPECT_EQ(unpacker_.unpack(skin("bad.skin", bytes), out()), -1) << name.constData();
    EXPECT_TRUE(unpacker_.error_text().startsWith("Skin \"bad.skin\" is damaged"))
        << unpacker_.error_text().toStdString();
    EXPECT_EQ(out_files(), QStringList({"skin.xml"})) << name.constData();
    EXPECT_TRUE(QDir(out() + "/a").isEmpty());
    EXPECT_FALSE(QFile::exists(root_.filePath("x")));
    QFile::remove(QDir(out()).filePath("skin.xml"));
  }
  // A name not terminated within its N bytes.
  QByteArray unterminated = tcSkinFile::encode({{"skin.xml", "<skin/>"}});
  unterminated += QByteArray("\x47\x4A\x04\x00\x01\x00\x00\x00", 8) + "../xZ";
  EXPECT_EQ(unpacker_.unpack(skin("bad.skin", unterminated), out()), -1);
  EXPECT_EQ(out_files(), QStringList({"skin.xml"}));
  EXPECT_FALSE(QFile::exists(root_.filePath("x")));
}

TEST_F(tcSkinUnpackerTest, OversizeContentWritesWhatIsThere) {
  const QByteArray whole = tcSkinFile::encode({{"skin.xml", "<skin/>"}, {"big.png", "0123456789"}});
  EXPECT_EQ(unpacker_.unpack(skin("cut.skin", whole.left(whole.size() - 4)), out()), -1);
  EXPECT_EQ(unpacker_.error_text(), "Skin \"cut.skin\" is damaged: file \"big.png\" is cut short");
  EXPECT_EQ(read("skin.xml"), "<skin/>");
  EXPECT_EQ(read("big.png"), "012345");
}

TEST_F(tcSkinUnpackerTest, UnwritableEntryIsAFailure) {
  QDir(out()).mkpath("skin.xml");  // a folder in the way of the file
  EXPECT_EQ(unpacker_.unpack(
                skin("a.skin",
                     tcSkinFile::encode({{"a.png", "a"}, {"skin.xml", "<skin/>"}, {"z.png", "z"}})),
                out()),
            -1);
  EXPECT_EQ(unpacker_.error_text(),
            "Failed attempting to write file \"skin.xml\" of skin \"a.skin\"");
  EXPECT_EQ(out_files(), QStringList({"a.png"}));
}

TEST_F(tcSkinUnpackerTest, TempFolderAndCleanUp) {
  const QString temp = tcSkinUnpacker::make_temp_dir(root_.path());
  EXPECT_EQ(temp, QDir(root_.path()).absoluteFilePath("SkinTemp"));
  EXPECT_TRUE(QDir(temp).exists());
  EXPECT_EQ(tcSkinUnpacker::make_temp_dir(root_.path()), temp);  // already there

  unpacker_.clean_up();  // nothing recorded yet: nothing happens
  EXPECT_TRUE(QDir(temp).exists());

  const QString file =
      skin("a.skin", tcSkinFile::encode({{"skin.xml", "x"}, {".hidden.png", "y"}}));
  ASSERT_EQ(unpacker_.unpack(file, temp), 0);
  unpacker_.clean_up();
  EXPECT_FALSE(QDir(temp).exists());
  EXPECT_TRUE(unpacker_.target_path().isEmpty());
  EXPECT_TRUE(QFile::exists(file));
}

}  // namespace
