#include "app/startup/tcAppContext.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "app/core/tcLog.h"

namespace {

QByteArray read_all(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

TEST(tcAppContext, StartsFromAFreshDataDirectoryWithDefaults) {
  QTemporaryDir work, docs;
  QFile old_log(QDir(work.path()).filePath("skin.log"));
  ASSERT_TRUE(old_log.open(QIODevice::WriteOnly));
  old_log.write("stale lines\n");
  old_log.close();
  {
    tcAppContext context({{"qx770xpro", "-data", "Studio2"}, work.path(), docs.path()});
    EXPECT_EQ(tcAppContext::instance(), &context);
    context.start();
    EXPECT_EQ(context.data_folder(), "Studio2");
    EXPECT_EQ(context.options().online(), 0);
    EXPECT_EQ(context.options().skin_name(), "default");
    EXPECT_EQ(context.options().store().path(), context.dirs().data_file("qx770xpro.ini"));
    EXPECT_EQ(context.analysis_options().store().path(),
              context.dirs().data_file("qx770xpro_analysis.ini"));
    EXPECT_EQ(context.analysis_config().store().path(),
              context.dirs().data_file("qx770xpro_analysis_cfg.ini"));
    EXPECT_TRUE(read_all(context.skin_log_path()).isEmpty());

    context.install_log_hook();
    tcLog::message(0, tcLog::kProgress, "Reading file: %s\n", "skin.xml");
    tcLog::plain("Error %s reading: %s", "x", "y");
    EXPECT_EQ(read_all(context.skin_log_path()),
              QByteArray("Reading file: skin.xml\nError x reading: y\n"));

    context.options().set_online(1);
    context.analysis_config().set_db_top("FFT", -10);
  }
  // Destroyed: hook gone, options written.
  EXPECT_EQ(tcAppContext::instance(), nullptr);
  EXPECT_EQ(tcLog::hook(), nullptr);
  const QString data = QDir(docs.path()).filePath("Morvallion/Studio2/");
  EXPECT_TRUE(read_all(data + "qx770xpro.ini").contains("ONLINE=\"1\""));
  EXPECT_TRUE(read_all(data + "qx770xpro_analysis_cfg.ini").contains("<FFT\n    db_top=\"-10\""));
  EXPECT_FALSE(QFile::exists(data + "qx770xpro_analysis.ini"));  // nothing to write
}

TEST(tcAppContext, LegacyFileIsMovedButTheDataDirectoryFileIsRead) {
  QTemporaryDir work, docs;
  const QString data = QDir(docs.path()).filePath("Morvallion/QX770HD");
  ASSERT_TRUE(QDir().mkpath(data));
  QFile legacy(QDir(work.path()).filePath("TK3QT.ini"));
  ASSERT_TRUE(legacy.open(QIODevice::WriteOnly));
  legacy.write("<INI><SKIN name=\"legacy\"/></INI>");
  legacy.close();
  QFile current(QDir(data).filePath("qx770xpro.ini"));
  ASSERT_TRUE(current.open(QIODevice::WriteOnly));
  current.write("<INI><SKIN name=\"current\"/></INI>");
  current.close();

  tcAppContext context({{"qx770xpro"}, work.path(), docs.path()});
  context.start();
  EXPECT_EQ(context.options().skin_name(), "current");
  EXPECT_TRUE(QFile::exists(QDir(work.path()).filePath("qx770xpro.ini")));
  EXPECT_FALSE(QFile::exists(QDir(work.path()).filePath("TK3QT.ini")));
}
