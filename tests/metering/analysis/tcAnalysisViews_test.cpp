// The six views: which blocks each takes, what resets, their dialogs.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QTemporaryDir>
#include <array>

#include "app/core/tcAnalysisConfig.h"
#include "app/core/tcAnalysisOptions.h"
#include "metering/analysis/tcAnalysis.h"
#include "metering/analysis/tcAnalysisAClip.h"
#include "metering/analysis/tcAnalysisEField.h"
#include "metering/analysis/tcAnalysisFFT.h"
#include "metering/analysis/tcAnalysisOScope.h"
#include "metering/analysis/tcAnalysisSpecDyn.h"
#include "metering/analysis/tcAnalysisSurfPlot.h"
#include "metering/analysis/tcAnalysisViewDlg.h"
#include "tests/support/tcModalDriver.h"

namespace {

using Block = std::array<uint8_t, tcSpectrum::kBlockSize>;

Block block(uint8_t first, uint8_t fill) {
  Block b;
  b.fill(fill);
  b[0] = first;
  return b;
}

class Views : public ::testing::Test {
 protected:
  QTemporaryDir dir_;
  tcAnalysisOptions options_{dir_.filePath(QString::fromLatin1(tcAnalysisOptions::kFileName))};
  tcAnalysisConfig config_{dir_.filePath(QString::fromLatin1(tcAnalysisConfig::kFileName))};
  tcAnalysis display_{options_, config_};
};

}  // namespace

TEST_F(Views, ScopeBlocksFeedOnlyTheOscilloscopeAndSpectraTheOthers) {
  const Block scope = block(1, 200);
  const Block spectrum = block(0, 180);
  for (int t = 0; t < tcAnalysisView::kTypes; ++t) {
    tcAnalysisView& v = display_.view(t);
    v.feed(scope.data());
    EXPECT_EQ(v.frames(), t == tcAnalysisView::kOScope ? 1 : 0) << v.type_name(t);
    v.feed(spectrum.data());
    EXPECT_EQ(v.frames(), 1) << v.type_name(t);
  }
  auto& fft = static_cast<tcAnalysisFFT&>(display_.view(tcAnalysisView::kFft));
  EXPECT_EQ(fft.data()[5], 180);  // the scope block left no trace
  auto& scope_view = static_cast<tcAnalysisOScope&>(display_.view(tcAnalysisView::kOScope));
  EXPECT_EQ(scope_view.data()[5], 200);
  EXPECT_DOUBLE_EQ(display_.efield().dynamics().average(3), tcSpectrum::bin_db(180));
  EXPECT_EQ(static_cast<tcAnalysisSurfPlot&>(display_.view(tcAnalysisView::kSurfPlot)).history(),
            1u);
}

TEST_F(Views, TheDisplayFeedsOnlyItsCurrentViewAndResetsOnANewTypeOrChain) {
  const Block spectrum = block(0, 100);
  display_.set_type(tcAnalysisView::kEField);
  display_.feed(spectrum.data());
  display_.feed(spectrum.data());
  EXPECT_EQ(display_.view(tcAnalysisView::kFft).frames(), 0);
  EXPECT_EQ(display_.efield().dynamics().count(), 2);
  display_.set_type(tcAnalysisView::kEField);  // same type: nothing restarts
  EXPECT_EQ(display_.efield().dynamics().count(), 2);
  display_.set_chain(1);
  EXPECT_TRUE(display_.efield().dynamics().empty());
  display_.feed(spectrum.data());
  display_.set_type(tcAnalysisView::kSpecDyn);
  display_.set_type(tcAnalysisView::kEField);
  EXPECT_TRUE(display_.efield().dynamics().empty());
  display_.set_type(9);
  EXPECT_EQ(display_.type(), tcAnalysisView::kFft);
  EXPECT_STREQ(tcAnalysisView::type_name(9), "FFT");
}

TEST_F(Views, FftColumnsSpreadTheBlockAcrossThePlot) {
  EXPECT_EQ(tcAnalysisFFT::column_byte(0, 700), 0);
  EXPECT_EQ(tcAnalysisFFT::column_byte(7, 700), 5);
  EXPECT_EQ(tcAnalysisFFT::column_byte(700, 700), 499);  // limited to the block
  EXPECT_EQ(tcAnalysisFFT::column_byte(100, 1000), 50);
}

TEST_F(Views, ViewsDrawTheirDataInsideThePlot) {
  QImage image(700, 360, QImage::Format_RGB32);
  const QRect area = image.rect();
  const Block spectrum = block(0, 160);  // -18.6 dB: inside every view's window
  for (int t : {tcAnalysisView::kFft, tcAnalysisView::kEField, tcAnalysisView::kSurfPlot,
                tcAnalysisView::kSpecDyn, tcAnalysisView::kAClip}) {
    tcAnalysisView& v = display_.view(t);
    v.reset();
    {
      QPainter p(&image);
      v.paint(p, area, 0);
    }
    const QRect plot = v.plot_rect(area);
    const QImage empty = image.copy(plot);
    v.feed(spectrum.data());
    {
      QPainter p(&image);
      v.paint(p, area, 0);
    }
    EXPECT_NE(image.copy(plot), empty) << tcAnalysisView::type_name(t);
  }
}

TEST_F(Views, ViewDialogChecksInOrderAndStoresAcceptedValues) {
  tcAnalysisView& fft = display_.view(tcAnalysisView::kFft);
  tcAnalysisViewDlg dlg(fft);
  EXPECT_EQ(dlg.windowTitle(), QStringLiteral("FFT Settings"));
  auto* space = qobject_cast<QLineEdit*>(dlg.editor(QStringLiteral("Fill Spacing (0=no fill):")));
  auto* top = qobject_cast<QLineEdit*>(dlg.editor(QStringLiteral("dBFS Top:")));
  auto* outline = qobject_cast<QCheckBox*>(dlg.editor(QStringLiteral("Outline")));
  ASSERT_TRUE(space && top && outline);
  EXPECT_EQ(top->text(), QStringLiteral("-12"));
  space->setText(QStringLiteral("11"));
  top->setText(QStringLiteral("-31"));
  QString text;
  answer_next_box(QMessageBox::Ok, nullptr, &text);
  dlg.open();
  dlg.accept();
  EXPECT_EQ(text, QStringLiteral("Invalid Spacing (0 to 10)"));
  space->setText(QStringLiteral("3"));
  answer_next_box(QMessageBox::Ok, nullptr, &text);
  dlg.accept();
  EXPECT_EQ(text, QStringLiteral("Invalid dbFS Top (0 to -30)"));
  EXPECT_TRUE(dlg.isVisible());
  EXPECT_EQ(config_.db_top(tcAnalysisFFT::kSection, 99), 99);  // nothing stored yet
  top->setText(QStringLiteral("-10"));
  outline->setChecked(true);
  dlg.accept();
  EXPECT_FALSE(dlg.isVisible());
  EXPECT_EQ(fft.settings().space, 3);
  EXPECT_TRUE(fft.settings().oline);
  tcAnalysisConfig reread(config_.store().path());
  EXPECT_EQ(reread.db_top(tcAnalysisFFT::kSection, 0), -10);
  EXPECT_EQ(reread.oline(tcAnalysisFFT::kSection), 1);
}

TEST_F(Views, DefaultsAndDialogFieldsPerView) {
  auto& aclip = display_.view(tcAnalysisView::kAClip);
  EXPECT_EQ(aclip.settings().db_top, -16);
  EXPECT_EQ(aclip.settings().db_range, 12);
  EXPECT_TRUE(aclip.settings().gradient.startsWith(QStringLiteral("0.00,000000")));
  EXPECT_EQ(display_.view(tcAnalysisView::kOScope).settings().db_top, -6);
  EXPECT_EQ(display_.specdyn().settings().bar_color, QStringLiteral("00AAFF"));
  EXPECT_EQ(display_.efield().settings().bar_color, QStringLiteral("0000FF"));
  // A changed E vs F colour goes back to its default with "Defaults".
  tcAnalysisViewDlg dlg(display_.efield());
  auto* bar = qobject_cast<QLineEdit*>(dlg.editor(QStringLiteral("Bar Color:")));
  ASSERT_TRUE(bar);
  EXPECT_EQ(bar->inputMask(), QStringLiteral("HHHHHH"));  // Qt keeps the blank apart
  bar->setText(QStringLiteral("123456"));
  dlg.slot_defaults();
  EXPECT_EQ(bar->text(), QStringLiteral("0000FF"));
  EXPECT_EQ(tcAnalysisViewDlg(display_.view(tcAnalysisView::kSurfPlot)).windowTitle(),
            QStringLiteral("3D Surface Plot Settings"));
  EXPECT_EQ(tcAnalysisViewDlg(aclip).windowTitle(), QStringLiteral("Ombrel Clip Settings"));
}

TEST_F(Views, OscilloscopeHasNothingToAdjust) {
  QString title, text;
  answer_next_box(QMessageBox::Ok, &title, &text);
  EXPECT_FALSE(display_.view(tcAnalysisView::kOScope).settings_dialog(nullptr));
  EXPECT_EQ(title, QStringLiteral("Setup"));
  EXPECT_EQ(text, QStringLiteral("No adjustable settings"));
}
