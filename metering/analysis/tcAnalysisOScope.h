#pragma once
// The oscilloscope: the 499 samples of an oscilloscope frame (unsigned, 128 is
// zero) as one trace across the plot.
#include <array>

#include "metering/analysis/tcAnalysisView.h"
#include "link/protocol/tcSpectrum.h"

class tcAnalysisOScope : public tcAnalysisView {
 public:
  static constexpr const char* kSection = "OSCOPE";
  static constexpr int kSamples = tcSpectrum::kBlockSize - 1;
  static constexpr int kZero = 128;

  explicit tcAnalysisOScope(tcAnalysisConfig& config);

  int default_top() const override { return -6; }
  int default_range() const override { return 40; }
  // Nothing to adjust: says so.
  bool settings_dialog(QWidget* parent) override;

  const std::array<uint8_t, tcSpectrum::kBlockSize>& data() const { return data_; }
  // Vertical pixel of a sample in `plot`.
  static int y_of_sample(uint8_t sample, const QRect& plot);

 protected:
  bool wants_scope() const override { return true; }
  void take(const uint8_t* block) override;
  void clear() override;
  void paint_data(QPainter& painter, const QRect& plot) override;
  void draw_backdrop(QPainter& painter, const QRect& area, const QRect& plot, int chain) override;

 private:
  std::array<uint8_t, tcSpectrum::kBlockSize> data_{};
};
