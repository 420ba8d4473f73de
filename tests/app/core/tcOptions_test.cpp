#include "app/core/tcOptions.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>

#include "app/core/tcAnalysisConfig.h"
#include "app/core/tcPanelScale.h"

namespace {

void write_all(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

}  // namespace

TEST(tcOptions, FreshFileGivesTheDocumentedDefaults) {
  QTemporaryDir dir;
  const tcOptions options(dir.filePath("qx770xpro.ini"));
  EXPECT_EQ(options.online(), 0);
  EXPECT_EQ(options.skin_file(), 1);
  EXPECT_EQ(options.skin_name(), "default");
  EXPECT_EQ(options.device_name(), "????????");
  EXPECT_TRUE(options.hide_password());
  EXPECT_EQ(options.show_cgc(), 1);
  EXPECT_EQ(options.show_cmp(), 0);
  EXPECT_EQ(options.analysis_vwnd(), 1);
  EXPECT_EQ(options.spectra_range(42), 42);
  EXPECT_FALSE(options.guru());
  EXPECT_FALSE(options.tech_mode());
}

TEST(tcOptions, TechnicianModeAndLengthLimits) {
  QTemporaryDir dir;
  write_all(dir.filePath("o.ini"), "<INI><FACTORY TECH=\"2\"/><DEVICE name=\"" +
                                       QByteArray(60, 'D') + "\"/><SKIN name=\"" +
                                       QByteArray(60, 'S') + "\"/></INI>");
  tcOptions options(dir.filePath("o.ini"));
  EXPECT_TRUE(options.tech_mode());
  EXPECT_EQ(options.device_name().length(), tcOptions::kDeviceNameMax);
  EXPECT_EQ(options.skin_name().length(), tcOptions::kSkinNameMax);
  options.set_tech(0);
  EXPECT_FALSE(options.tech_mode());
  options.set_tech(-3);
  EXPECT_FALSE(options.tech_mode());
  options.store().discard();
}

TEST(tcOptions, AnalysisSectionsAreTheViewNames) {
  QTemporaryDir dir;
  tcAnalysisConfig config(dir.filePath("c.ini"));
  config.set_bar_color("FFT", "112233");
  EXPECT_EQ(config.bar_color("FFT", "0000FF"), "112233");
  EXPECT_EQ(config.bar_color("OSCOPE", "00AAFF"), "00AAFF");
  EXPECT_EQ(config.hpk_color("FFT"), "FF3333");
  EXPECT_TRUE(config.legend("GRMETERS"));
  EXPECT_EQ(config.yshift("VUMETERS"), 2);
  config.store().discard();
}

TEST(tcPanelScale, ReadsTheProfileFileOrScalesByOne) {
  QTemporaryDir dir;
  EXPECT_DOUBLE_EQ(tcPanelScale(dir.path()).x(), 1.0);
  EXPECT_DOUBLE_EQ(tcPanelScale(dir.path()).y(), 1.0);
  write_all(dir.filePath("ap_scale.ini"), "[scale]\r\nX=1.5\r\nY=0\r\n");
  const tcPanelScale scale(dir.path());
  EXPECT_DOUBLE_EQ(scale.x(), 1.5);
  EXPECT_DOUBLE_EQ(scale.y(), 1.0);  // a zero factor would collapse the panel
}
