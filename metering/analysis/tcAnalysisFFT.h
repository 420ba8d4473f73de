#pragma once
// The spectrum across the plot width: every column shows one of the 500 block
// bytes, with gradient fill lines and an optional outline.
#include <array>
#include <vector>

#include "metering/analysis/tcAnalysisView.h"
#include "metering/analysis/tcColumnPlot.h"
#include "link/protocol/tcSpectrum.h"

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

  // The top row of every column of a plot w by h pixels on `scale`'s dB
  // scale; only every `space`-th column is lit (0: none). A-Clip draws its
  // ghost spectrum from them too.
  static void column_tops(const uint8_t* block, int w, int h, const tcAnalysisView& scale,
                          int space, std::vector<int>* tops);

 protected:
  void take(const uint8_t* block) override;
  void clear() override;
  void paint_data(QPainter& painter, const QRect& plot) override;
  bool covers_plot() const override { return true; }
  void settings_changed() override { frame_.forget(); }
  double band_x(int band, const QRect& plot) const override;

 private:
  std::array<uint8_t, tcSpectrum::kBlockSize> data_{};
  tcColumnPlot::Frame frame_;
};
