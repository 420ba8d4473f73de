#pragma once
// The gain-reduction panel: SST, the five compressor bands (with markers),
// VBMS, the 31 multiband bands, FINAL, MPX and BS412 of the chain shown.
#include "metering/meters/tcMeterInputs.h"
#include "metering/meters/tcMeters.h"

class tcMetersGR : public tcMeters {
  Q_OBJECT
 public:
  static constexpr const char* kSection = "GRMETERS";
  static constexpr int kBars = 41;
  // Bar indices.
  static constexpr int kSst = 0;
  static constexpr int kBand = 1;  // five
  static constexpr int kVbms = 6;
  static constexpr int kMultiband = 7;  // 31
  static constexpr int kFinal = 38;
  static constexpr int kMpx = 39;
  static constexpr int kBs412 = 40;
  static constexpr int kMinWidth = 499;
  static constexpr int kMinHeight = 150;
  static constexpr int kTop = 60;

  tcMetersGR(tcAnalysisConfig& config, QWidget* parent = nullptr);

  // The 46 GR input bytes in their order.
  void set_inputs(const tcMeterInputs::Gr& in);
  void feed(const tcMeterRecord& record) override;
  void settings_dialog() override;

  // Left edge of bar `i` for a panel `w` pixels wide.
  static int bar_left(int i, int w);
  static int bar_width(int w);
  static const char* label(int i);

 protected:
  void layout(int w, int h) override;
  void paint(QPainter& painter, const QRect& rect) override;
};
