#pragma once
// The spectrum across the plot width: every column shows one of the 500 block
// bytes, with gradient fill lines and an optional outline.
#include <array>
#include <vector>

#include "metering/analysis/tcAnalysisView.h"
#include "metering/analysis/tcSpectrum.h"

class tcAnalysisFFT : public tcAnalysisView {
 public:
  static constexpr const char* kSection = "FFTPLOT";

  explicit tcAnalysisFFT(tcAnalysisConfig& config);

  QString dialog_title() const override { return QStringLiteral("FFT Settings"); }
  std::vector<Field> fields() const override;
  tcViewSettings defaults() const override;

  const std::array<uint8_t, tcSpectrum::kBlockSize>& data() const { return data_; }
  // The block byte that column i of a plot w columns wide shows.
  static int column_byte(int i, int w);

  // Draws a spectrum's columns into `plot`: fill lines every `space` columns
  // and, when asked, the outline. A-Clip draws its ghost with it too.
  static void draw_columns(QPainter& painter, const QRect& plot, const uint8_t* block,
                           const tcAnalysisView& scale, const QImage* strip, int space,
                           QRgb outline);

 protected:
  void take(const uint8_t* block) override;
  void clear() override;
  void paint_data(QPainter& painter, const QRect& plot) override;
  double band_x(int band, const QRect& plot) const override;

 private:
  std::array<uint8_t, tcSpectrum::kBlockSize> data_{};
};
