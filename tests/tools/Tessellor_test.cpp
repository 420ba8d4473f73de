// Runs the built packer tool as a child process, the way the console does.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "skin/file/tcSkinFile.h"
#include "skin/file/tcSkinUnpacker.h"
#include "tests/support/tcTestPaths.h"

namespace {

const char kUsage[] =
    "\n"
    "Usage: Tessellor -p -d <skindir> -i <imagedir> -f <skinfile>\n"
    "  Will pack the folder \"skindir\" into the file \"skinfile\"\n"
    "  Where: \n"
    "     skindir  = The directory containing the XML file and images.\n"
    "                Multiple -d parameters can be defined to pack\n"
    "                XML and images from multiple directories.\n"
    "     skinfile = The output skinfile.\n"
    "     imagedir = The optional directory for images not found in skindir.\n"
    "\n"
    "Usage: Tessellor -u -d <skindir> -f <skinfile>\n"
    "  Will unpack the file \"skinfile\" into the folder \"skindir\"\n"
    "  Where: \n"
    "     skindir  = The output directory.\n"
    "     skinfile = The input skinfile.\n"
    "\n";
const char kWarning[] = "WARNING: Packing all images, not just those being used.\n";

QString tool_path() {
  return tcBuiltProgram("Tessellor");
}

class TessellorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(root_.isValid());
    ASSERT_TRUE(QFile::exists(tool_path())) << tool_path().toStdString();
  }

  // Runs the tool in the work folder; returns its exit code, output in out_.
  int run(const QStringList& args) {
    QProcess tool;
    tool.setWorkingDirectory(root_.path());
    tool.start(tool_path(), args);
    EXPECT_TRUE(tool.waitForFinished(10000));
    out_ = tool.readAllStandardOutput();
    return tool.exitCode();
  }

  QString path(const QString& rel) const { return root_.filePath(rel); }
  void write(const QString& rel, const QByteArray& bytes) {
    QDir(root_.path()).mkpath(QFileInfo(rel).path());
    QFile file(path(rel));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }
  QByteArray read(const QString& rel) const {
    QFile file(path(rel));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
  }
  QStringList files(const QString& rel) const {
    return QDir(path(rel)).entryList(QDir::Files, QDir::Name);
  }
  QByteArray error(const QString& text) const {
    return "ERROR: " + text.toUtf8() + "\n" + QByteArray(kUsage);
  }

  QTemporaryDir root_;
  QByteArray out_;
};

TEST_F(TessellorTest, ArgumentChecksInOrder) {
  EXPECT_EQ(run({}), 255);
  EXPECT_EQ(out_, error("Undefined operation"));
  EXPECT_EQ(run({"-p", "-u", "-d", "s", "-f", "x.skin"}), 255);
  EXPECT_EQ(out_, error("Undefined operation"));
  EXPECT_EQ(run({"-p", "-d", "s"}), 255);
  EXPECT_EQ(out_, error("Undefined skin file"));
  EXPECT_EQ(run({"-p", "-f", "", "-d", "s"}), 255);
  EXPECT_EQ(out_, error("Undefined skin file"));
  EXPECT_EQ(run({"-u", "-a", "-f", "x.skin", "junk"}), 255);
  EXPECT_EQ(out_, error("Undefined skin folder(s)"));

  write("x.skin", tcSkinFile::encode({{"skin.xml", "<x/>"}}));
  EXPECT_EQ(run({"-u", "-d", "one", "-d", "two", "-f", "x.skin"}), 255);
  EXPECT_EQ(out_, error("Sorry can't unpack into more than 1 directory"));
  EXPECT_FALSE(QFile::exists(path("one")));
  EXPECT_FALSE(QFile::exists(path("two")));

  // An option without its value: no message of its own, only the usage text.
  for (const char* last : {"-d", "-i", "-f"}) {
    EXPECT_EQ(run({"-p", "-d", "s", "-f", "x.skin", last}), 255) << last;
    EXPECT_EQ(out_, QByteArray(kUsage)) << last;
  }
}

TEST_F(TessellorTest, PacksKnownTypesOfEachFolderInNameOrder) {
  write("s/skin.xml", "<skin/>");
  write("s/b.png", "b");
  write("s/A.PNG", "A");
  write("s/Style.qss", "q");
  write("s/c.bmp", "c");
  write("s/photo.jpg", "no");
  write("s/readme.txt", "no");
  write("s/sub/d.png", "no");
  write("img/b.png", "B2");
  write("img/e.png", "e");
  ASSERT_EQ(run({"-a", "-p", "-d", "s", "-i", "img", "-f", "old.skin", "-f", "out.skin"}), 0);
  EXPECT_EQ(out_, kWarning);
  EXPECT_FALSE(QFile::exists(path("old.skin")));  // the later -f wins
  EXPECT_EQ(read("out.skin"), tcSkinFile::encode({{"A.PNG", "A"},
                                                  {"b.png", "b"},
                                                  {"c.bmp", "c"},
                                                  {"skin.xml", "<skin/>"},
                                                  {"Style.qss", "q"},
                                                  {"b.png", "B2"},
                                                  {"e.png", "e"}}));

  // Unpacking keeps the later of the two "b.png".
  ASSERT_EQ(run({"-u", "-d", "deep/er/out", "-f", "out.skin"}), 0);
  EXPECT_EQ(out_, kWarning);
  EXPECT_EQ(files("deep/er/out"),
            QStringList({"A.PNG", "Style.qss", "b.png", "c.bmp", "e.png", "skin.xml"}));
  EXPECT_EQ(read("deep/er/out/b.png"), "B2");
}

TEST_F(TessellorTest, PackFailures) {
  write("s/skin.xml", "<skin/>");
  EXPECT_EQ(run({"-p", "-d", "s", "-d", "gone", "-f", "out.skin"}), 255);
  EXPECT_EQ(
      out_,
      QByteArray(kWarning) +
          error(QString("Failed attempting to open skin directory \"%1\"").arg(path("gone"))));
  EXPECT_FALSE(QFile::exists(path("out.skin")));

  EXPECT_EQ(run({"-p", "-d", "s", "-f", "nodir/out.skin"}), 255);
  EXPECT_EQ(
      out_,
      QByteArray(kWarning) +
          error(QString("Failed attempting to pack skin \"%1\"").arg(path("nodir/out.skin"))));
}

TEST_F(TessellorTest, UnpackFailures) {
  write("bad.skin", QByteArray("SKIM") + QByteArray(12, '\0'));
  EXPECT_EQ(run({"-u", "-d", "out", "-f", "bad.skin"}), 255);
  EXPECT_EQ(out_, kWarning + error("Failed attempting to unpack skin \"bad.skin\""));
  EXPECT_EQ(run({"-u", "-d", "out", "-f", "sub/missing.skin"}), 255);
  EXPECT_EQ(out_, kWarning + error("Failed attempting to unpack skin \"missing.skin\""));

  write("file", "x");  // a file where the folder should be
  EXPECT_EQ(run({"-u", "-d", "file", "-f", "bad.skin"}), 255);
  EXPECT_EQ(out_, kWarning + error("Failed attempting to create skin directory"));

  // A hostile name: the entry before it stays, nothing lands outside.
  write("evil.skin", tcSkinFile::encode({{"skin.xml", "<x/>"}}) +
                         QByteArray("\x47\x4A\x05\x00\x01\x00\x00\x00../x\0Z", 14));
  EXPECT_EQ(run({"-u", "-d", "out", "-f", "evil.skin"}), 255);
  EXPECT_TRUE(out_.startsWith(QByteArray(kWarning) + "ERROR: Skin \"evil.skin\" is damaged"));
  EXPECT_EQ(files("out"), QStringList({"skin.xml"}));
  EXPECT_FALSE(QFile::exists(path("x")));
}

// What one program writes the other reads, file for file.
TEST_F(TessellorTest, AgreesWithTheConsoleUnpacker) {
  QByteArray image(5000, '\0');  // more than one copy block, with NULs
  for (int i = 0; i < image.size(); ++i) image[i] = char(i * 7);
  write("s/skin.xml", "<skin/>");
  write("s/knob.png", image);
  write("s/empty.qss", "");
  ASSERT_EQ(run({"-p", "-d", "s", "-f", "out.skin"}), 0);
  QDir(root_.path()).mkpath("console");
  tcSkinUnpacker unpacker;
  ASSERT_EQ(unpacker.unpack(path("out.skin"), path("console")), 0);
  EXPECT_EQ(files("console"), files("s"));
  for (const QString& name : files("s")) EXPECT_EQ(read("console/" + name), read("s/" + name));

  write("made.skin", tcSkinFile::encode({{"skin.xml", "<m/>"}, {"m.bmp", image}}));
  ASSERT_EQ(run({"-u", "-d", path("tool"), "-f", path("made.skin")}), 0);
  EXPECT_EQ(files("tool"), QStringList({"m.bmp", "skin.xml"}));
  EXPECT_EQ(read("tool/m.bmp"), image);
  EXPECT_EQ(read("tool/skin.xml"), "<m/>");
}

}  // namespace
