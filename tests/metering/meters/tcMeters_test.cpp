// The two meter panels: layout, feeding from records, chains and settings.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <vector>

#include "app/core/tcAnalysisConfig.h"
#include "link/protocol/tcMeterRecord.h"
#include "metering/meters/tcMetersGR.h"
#include "metering/meters/tcMetersGRDlg.h"
#include "metering/meters/tcMetersVU.h"
#include "metering/meters/tcMetersVUDlg.h"
#include "tests/support/tcModalDriver.h"

namespace {

tcMeterRecord record_with(std::initializer_list<std::pair<int, uint8_t>> bytes) {
  std::vector<uint8_t> b(tcMeterRecord::kSize, 0);
  std::copy(tcMeterRecord::kMagic, tcMeterRecord::kMagic + tcMeterRecord::kMagicSize, b.begin());
  b[tcMeterRecord::kFormatOffset] = tcMeterRecord::kFormat;
  for (auto [at, v] : bytes) b[static_cast<size_t>(at)] = v;
  tcMeterRecord r;
  r.decode(b.data(), b.size());
  return r;
}

class Meters : public ::testing::Test {
 protected:
  QString cfg_path() const {
    return dir_.filePath(QString::fromLatin1(tcAnalysisConfig::kFileName));
  }
  QTemporaryDir dir_;
  tcAnalysisConfig config_{cfg_path()};
};

}  // namespace

TEST_F(Meters, GrLayoutFollowsTheUnitGrid) {
  tcMetersGR gr(config_);
  gr.resize(765, 300);  // u = 5
  gr.show();
  QApplication::processEvents();
  ASSERT_EQ(gr.bar_count(), tcMetersGR::kBars);
  EXPECT_EQ(gr.bar(tcMetersGR::kSst)->geometry(), QRect(50, 60, 10, 230));
  EXPECT_EQ(gr.bar(tcMetersGR::kBand + 1)->x(), 50 + 40);    // 5u + 3u
  EXPECT_EQ(gr.bar(tcMetersGR::kMultiband)->x(), 50 + 135);  // 27u
  EXPECT_EQ(gr.bar(tcMetersGR::kBs412)->x(), 50 + 655);      // 131u
  EXPECT_EQ(gr.bar(tcMetersGR::kSst)->scale().range_db(), 30);
  EXPECT_EQ(gr.bar(tcMetersGR::kFinal)->scale().range_db(), 15);
  // Below the minimum the layout keeps the minimum's geometry.
  EXPECT_EQ(tcMetersGR::bar_left(tcMetersGR::kBs412, 300),
            tcMetersGR::bar_left(tcMetersGR::kBs412, 499));
}

TEST_F(Meters, GrShowsTheChainAndKeepsValuesOverAResize) {
  tcMetersGR gr(config_);
  const tcMeterRecord r = record_with({{80, 12}, {81, 16}, {183, 20}, {59, 40}, {64, 8}});
  gr.feed(r);
  EXPECT_EQ(gr.bar(tcMetersGR::kMpx)->value(), 12);
  EXPECT_EQ(gr.bar(tcMetersGR::kBs412)->value(), 20);
  EXPECT_EQ(gr.bar(tcMetersGR::kBand)->value(), 40);
  EXPECT_EQ(gr.bar(tcMetersGR::kBand)->marker(), 8);
  gr.set_chain(1);
  gr.feed(r);
  EXPECT_EQ(gr.bar(tcMetersGR::kMpx)->value(), 255);
  EXPECT_EQ(gr.bar(tcMetersGR::kBs412)->value(), 255);
  EXPECT_TRUE(gr.bar(tcMetersGR::kMpx)->scale().lit_rect(255).isEmpty());
  gr.resize(900, 400);
  gr.show();
  QApplication::processEvents();
  EXPECT_EQ(gr.bar(tcMetersGR::kBand)->value(), 40);
  EXPECT_EQ(gr.bar(tcMetersGR::kBand)->height(), 330);
}

TEST_F(Meters, VuMetersTakeMainsAndMarkers) {
  tcMetersVU vu(config_);
  ASSERT_EQ(vu.bar_count(), tcMetersVU::kBars);
  vu.feed(record_with({{74, 8}, {75, 9}, {76, 4}, {77, 5}, {145, 30}}));
  EXPECT_EQ(vu.bar(2)->value(), 8);
  EXPECT_EQ(vu.bar(3)->marker(), 5);
  EXPECT_EQ(vu.bar(6)->value(), 30);
  EXPECT_EQ(vu.bar(0)->scale().range_db(), 40);
  EXPECT_EQ(vu.bar(0)->scale().orientation(), tcBarScale::kHorizontal);
  EXPECT_STREQ(tcMetersVU::channel_name(2, 1), "TX2");
}

TEST(tcMetersDlg, LedCountMustBeAnIntegerUpTo200) {
  EXPECT_EQ(tcMetersDlg::parse_leds(QStringLiteral("0")), 0);
  EXPECT_EQ(tcMetersDlg::parse_leds(QStringLiteral(" 200 ")), 200);
  EXPECT_EQ(tcMetersDlg::parse_leds(QStringLiteral("201")), -1);
  EXPECT_EQ(tcMetersDlg::parse_leds(QStringLiteral("-1")), -1);
  EXPECT_EQ(tcMetersDlg::parse_leds(QStringLiteral("12a")), -1);
  EXPECT_EQ(tcMetersDlg::parse_leds(QString()), -1);
}

TEST_F(Meters, BadLedCountKeepsTheDialogOpenAndStoresNothing) {
  tcMetersVU vu(config_);
  tcMetersVUDlg dlg(vu);
  EXPECT_EQ(dlg.windowTitle(), QStringLiteral("VU Meter Settings"));
  dlg.leds_edit()->setText(QStringLiteral("250"));
  QString title, text;
  answer_next_box(QMessageBox::Ok, &title, &text);
  dlg.open();
  dlg.accept();
  EXPECT_EQ(title, QStringLiteral("Error"));
  EXPECT_EQ(text, QStringLiteral("Invalid Number of LEDs (0 to 200)"));
  EXPECT_TRUE(dlg.isVisible());
  EXPECT_EQ(config_.numleds(tcMetersVU::kSection, -1), -1);
}

TEST_F(Meters, AcceptedSettingsAreStoredWrittenAndRebuildEveryBar) {
  tcMetersGR gr(config_);
  tcMetersGRDlg dlg(gr);
  dlg.leds_edit()->setText(QStringLiteral("20"));
  dlg.fg_edit()->setText(QStringLiteral("0.0,FFFFFF"));
  dlg.accept();
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
  EXPECT_EQ(gr.numleds(), 20);
  for (int i = 0; i < gr.bar_count(); ++i) EXPECT_EQ(gr.bar(i)->leds(), 20);
  tcAnalysisConfig reread(cfg_path());  // written at once
  EXPECT_EQ(reread.numleds(tcMetersGR::kSection, 0), 20);
  EXPECT_EQ(reread.fg_gradient(tcMetersGR::kSection, ""), "0.0,FFFFFF");
  tcMetersGR again(reread);
  EXPECT_EQ(again.numleds(), 20);
  // Defaults brings back the continuous bar and the standard gradients.
  dlg.slot_defaults();
  EXPECT_EQ(dlg.leds_edit()->text(), QStringLiteral("0"));
  EXPECT_EQ(dlg.bg_edit()->text(), QString::fromLatin1(tcMeters::kDefaultBgGradient));
}

TEST(tcMetersSettings, AFileThatCannotBeWrittenIsReportedAndTheSettingsStayInUse) {
  QTemporaryDir dir;
  tcAnalysisConfig config(dir.filePath(QStringLiteral("missing/folder/cfg.ini")));
  tcMetersVU vu(config);
  QString title, text;
  answer_next_box(QMessageBox::Ok, &title, &text);
  EXPECT_EQ(vu.apply_settings(8, QStringLiteral("0.0,FFFFFF"), QString()), -1);
  EXPECT_EQ(title, QStringLiteral("Error"));
  EXPECT_TRUE(text.contains(QStringLiteral("cfg.ini"))) << text.toStdString();
  EXPECT_EQ(vu.bar(0)->leds(), 8);
}
