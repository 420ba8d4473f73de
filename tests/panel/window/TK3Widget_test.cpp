#include "panel/window/TK3Widget.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QIcon>
#include <QTemporaryDir>

#include "app/core/tcLog.h"

namespace {

QByteArray read_all(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

TEST(TK3Widget, StartsTheProcessObjectsAndSavesOptionsOnClose) {
  QTemporaryDir work, docs;
  TK3Widget window;
  EXPECT_EQ(window.context(), nullptr);
  ASSERT_EQ(window.init({{"qx770xpro", "-data", "Studio2"}, work.path(), docs.path()}), 0);
  EXPECT_EQ(window.windowTitle(), "QX770HD Pro");
  EXPECT_FALSE(window.windowIcon().isNull());

  tcAppContext* context = window.context();
  ASSERT_NE(context, nullptr);
  EXPECT_EQ(tcAppContext::instance(), context);
  EXPECT_EQ(context->dirs().data_dir(), QDir(docs.path()).filePath("Morvallion/Studio2"));

  // The log hook writes to the skin log in the working directory.
  tcLog::message(0, tcLog::kError, "Failed to open file: %s\n", "skin.xml");
  EXPECT_EQ(read_all(QDir(work.path()).filePath("skin.log")),
            QByteArray("Failed to open file: skin.xml\n"));

  context->options().set_online(1);
  context->analysis_options().set_rls_rate("FFT", 20);
  context->analysis_config().set_legend("GRMETERS", false);
  const QString data = context->dirs().data_dir() + "/";

  window.show();
  EXPECT_TRUE(window.close());
  EXPECT_EQ(window.context(), nullptr);
  EXPECT_EQ(tcAppContext::instance(), nullptr);
  EXPECT_TRUE(read_all(data + "qx770xpro.ini").contains("ONLINE=\"1\""));
  EXPECT_TRUE(read_all(data + "qx770xpro_analysis.ini").contains("rls_rate=\"20\""));
  EXPECT_TRUE(read_all(data + "qx770xpro_analysis_cfg.ini").contains("legend=\"0\""));
}
