#include "skin/builtin/tcBuiltinSkin.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "skin/file/tcSkinFile.h"
#include "skin/file/tcSkinUnpacker.h"
#include "skin/loader/tcBenchMaster.h"
#include "skin/objects/tcGuiImage.h"
#include "tests/support/tcLogCapture.h"
#include "tests/support/tcTestPaths.h"

namespace {

TEST(BuiltinSkin, IsTheSkinFileOfThisBuild) {
  const QByteArray bytes = tcBuiltinSkin::bytes();
  QFile built(tcBuiltProgram("fp_skins/default.skin"));
  ASSERT_TRUE(built.open(QIODevice::ReadOnly));
  EXPECT_EQ(bytes, built.readAll());

  const tcSkinFile::Decoded decoded = tcSkinFile::decode(bytes);
  ASSERT_EQ(decoded.verdict, tcSkinFile::kOk);
  QStringList names;
  for (const tcSkinEntry& e : decoded.entries) names << QString::fromLatin1(e.name);
  EXPECT_TRUE(names.contains("skin.xml"));
  EXPECT_TRUE(names.contains("bkgrnd.png"));
}

TEST(BuiltinSkin, UnpacksAndLoadsWithItsBackground) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  QString error;
  ASSERT_EQ(tcSkinUnpacker::extract(tcBuiltinSkin::bytes(), QDir(dir.path()), "built-in", &error),
            tcSkinUnpacker::kDone)
      << error.toStdString();

  tcLogCapture log;
  tcBenchMaster bench(tcString(QFile::encodeName(dir.path()).constData()));
  ASSERT_EQ(bench.load(), 0);
  EXPECT_EQ(tcLogCapture::errors(), 0);
  const auto* background = dynamic_cast<const tcGuiImage*>(bench.find_object("BKGRND"));
  ASSERT_NE(background, nullptr);
  EXPECT_EQ(background->width(), 1024);
  EXPECT_EQ(background->height(), 768);
}

}  // namespace
