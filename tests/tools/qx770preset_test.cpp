// Runs the built qx770preset the way scripts do and checks its output and exit status.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include "params/tcParamTable.h"
#include "tests/support/tcTestPaths.h"

namespace {

struct Outcome {
  int exit = -1;
  QByteArray out;
  QByteArray err;
};

class qx770preset : public ::testing::Test {
 protected:
  void SetUp() override {
    program_ = tcBuiltProgram("qx770preset");
    ASSERT_TRUE(QFile::exists(program_))
        << "build the qx770preset target first: " << qPrintable(program_);
  }

  Outcome run(const QStringList& args) const {
    QProcess process;
    process.setWorkingDirectory(dir_.path());
    process.start(program_, args);
    Outcome result;
    if (!process.waitForFinished(30000)) return result;
    result.exit = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
  }

  QString path(const QString& name) const { return QDir(dir_.path()).filePath(name); }

  void put(const QString& name, const QByteArray& bytes) const {
    QDir().mkpath(QFileInfo(path(name)).path());
    QFile file(path(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }

  QByteArray get(const QString& name) const {
    QFile file(path(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

  // A one-line reason on standard error, nothing on standard output.
  static void expect_failure(const Outcome& outcome) {
    EXPECT_EQ(outcome.exit, 2);
    EXPECT_TRUE(outcome.out.isEmpty());
    EXPECT_EQ(outcome.err.count('\n'), 1) << outcome.err.constData();
  }

  QString program_;
  QTemporaryDir dir_;
};

}  // namespace

TEST_F(qx770preset, NewThenDumpAsJsonInTableOrder) {
  const Outcome made = run({"new", "--name", "Test 1", "--set", "0x1001=-6.5", "--set", "0x1440=2",
                            "--set", "0x1005=1", "--set", "0x1910=0.7", "a.qx770x"});
  ASSERT_EQ(made.exit, 0) << made.err.constData();

  const Outcome dumped = run({"dump", "--json", "a.qx770x"});
  ASSERT_EQ(dumped.exit, 0) << dumped.err.constData();
  QJsonParseError error{};
  const QJsonObject root = QJsonDocument::fromJson(dumped.out, &error).object();
  ASSERT_EQ(error.error, QJsonParseError::NoError) << qPrintable(error.errorString());
  EXPECT_EQ(root["result"].toInt(), 0);
  EXPECT_EQ(root["name"].toString(), "Test 1");
  EXPECT_EQ(root["map_version"].toInt(), 0xFFFF);
  EXPECT_EQ(root["map_version_text"].toString(), "Factory Preset");
  const QJsonObject groups = root["groups"].toObject();
  EXPECT_EQ(groups["normal"].toObject()["count"].toInt(), 406);
  EXPECT_EQ(groups["io"].toObject()["count"].toInt(), 23);
  EXPECT_EQ(groups["secret"].toObject()["count"].toInt(), 28);

  const QJsonArray params = root["params"].toArray();
  const tcParamTable& table = tcParamTable::presets();
  ASSERT_EQ(params.size(), table.count());
  for (int n = 0; n < table.count(); ++n) {
    EXPECT_EQ(params[n].toObject()["id"].toInt(), table.rows()[n].id) << n;
  }
  const QJsonObject gain = params[0].toObject();
  EXPECT_EQ(gain["name"].toString(), "Inp Analog Gain");
  EXPECT_EQ(gain["type"].toString(), "float");
  EXPECT_EQ(gain["value"].toDouble(), -6.5);
  EXPECT_EQ(params[table.index_of(0x1910)].toObject()["value"].toDouble(), 0.7);  // secret
  EXPECT_EQ(params[table.index_of(0x1440)].toObject()["raw"].toInt(), 2);
  EXPECT_EQ(params[table.index_of(0x1005)].toObject()["type"].toString(), "bool");
}

TEST_F(qx770preset, ReadableDumpListsEveryParameter) {
  ASSERT_EQ(run({"new", "Rock.qx770x"}).exit, 0);
  const Outcome dumped = run({"dump", "Rock.qx770x"});
  ASSERT_EQ(dumped.exit, 0);
  const QList<QByteArray> lines = dumped.out.trimmed().split('\n');
  ASSERT_EQ(lines.size(), 5 + 457);
  EXPECT_EQ(lines[0], QByteArray("Name: Rock"));  // named after the file by default
  EXPECT_EQ(lines[1], QByteArray("Map version: 65535 (Factory Preset)"));
  EXPECT_TRUE(lines[4].startsWith("Secret: crc 0x") && lines[4].endsWith(" count 28"));
  EXPECT_TRUE(lines[5].startsWith("  1 0x1001 Inp Analog Gain")) << lines[5].constData();
}

TEST_F(qx770preset, DiffExitsOnlyOneWhenParametersDiffer) {
  ASSERT_EQ(run({"new", "--name", "A", "a.qx770x"}).exit, 0);
  ASSERT_EQ(run({"new", "--name", "B", "b.qx770x"}).exit, 0);
  ASSERT_EQ(run({"new", "--set", "0x1001=3", "--set", "0x1940=1", "c.qx770x"}).exit, 0);

  const Outcome same = run({"diff", "a.qx770x", "b.qx770x"});
  EXPECT_EQ(same.exit, 0);
  EXPECT_TRUE(same.out.isEmpty());

  const Outcome different = run({"diff", "a.qx770x", "c.qx770x"});
  EXPECT_EQ(different.exit, 1);
  const QList<QByteArray> lines = different.out.trimmed().split('\n');
  ASSERT_EQ(lines.size(), 2) << different.out.constData();
  EXPECT_TRUE(lines[0].startsWith("0x1001 ")) << lines[0].constData();
  EXPECT_TRUE(lines[1].startsWith("0x1940 ")) << lines[1].constData();
}

TEST_F(qx770preset, NonPresetIsInvalidFileTypeAndOtherFailuresExitTwo) {
  put("notes.txt", "just some text\n");
  ASSERT_EQ(run({"new", "a.qx770x"}).exit, 0);
  for (const QStringList& args :
       {QStringList{"dump", "notes.txt"}, QStringList{"dump", "--json", "notes.txt"},
        QStringList{"diff", "a.qx770x", "notes.txt"}}) {
    const Outcome result = run(args);
    EXPECT_EQ(result.exit, 1) << qPrintable(args.join(' '));
    EXPECT_EQ(result.err, QByteArray("Invalid File Type\n"));
  }
  expect_failure(run({"dump", "missing.qx770x"}));
  expect_failure(run({"new", "--set", "0x1001=99", "x.qx770x"}));  // beyond +12 dB
  expect_failure(run({"new", "--set", "0x2000=1", "x.qx770x"}));   // a global, not a preset id
  expect_failure(run({"new", "--set", "0x1005=2", "x.qx770x"}));
  expect_failure(run({"new", "--name", "Rock:Pop", "x.qx770x"}));
  expect_failure(run({"new", "no/such/folder/x.qx770x"}));
  EXPECT_FALSE(QFile::exists(path("x.qx770x")));
  expect_failure(run({"frobnicate"}));
  expect_failure(run({}));
  EXPECT_EQ(run({"--help"}).exit, 0);
}

TEST_F(qx770preset, PackagesRoundTripAndRefuseHostileNames) {
  ASSERT_TRUE(QDir().mkpath(path("root/Live")));
  ASSERT_EQ(run({"new", "root/One.qx770x"}).exit, 0);
  ASSERT_EQ(run({"new", "root/Live/Two.qx770x"}).exit, 0);
  put("root/qx770x_pset_idx.txt", "One.qx770x\n");
  ASSERT_EQ(run({"pkg-build", "root", "p.pkg"}).exit, 0);

  const Outcome listed = run({"pkg-list", "p.pkg"});
  ASSERT_EQ(listed.exit, 0);
  EXPECT_EQ(listed.out.simplified(),
            QByteArray("2866 One.qx770x 11 qx770x_pset_idx.txt 2866 Live/Two.qx770x"));
  ASSERT_EQ(run({"pkg-extract", "p.pkg", "copy"}).exit, 0);
  EXPECT_EQ(get("copy/Live/Two.qx770x"), get("root/Live/Two.qx770x"));

  const Outcome not_package = run({"pkg-list", "root/One.qx770x"});
  EXPECT_EQ(not_package.exit, 1);
  EXPECT_EQ(not_package.err, QByteArray("This is not an QX770HD preset package.\n"));

  // One entry "../evil.qx770x" holding "x".
  put("evil.pkg", QByteArray::fromHex("BBBBAAAA000000000000000000000000CDAB0E0001000000") +
                      "../evil.qx770x" + QByteArray(1, static_cast<char>(~'x')));
  expect_failure(run({"pkg-extract", "evil.pkg", "out"}));
  EXPECT_FALSE(QFile::exists(path("evil.qx770x")));
}
