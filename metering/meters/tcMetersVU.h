#pragma once
// The level panel: four stereo meters of horizontal 40 dB bars.
#include "metering/meters/tcMeterInputs.h"
#include "metering/meters/tcMeters.h"

class tcMetersVU : public tcMeters {
  Q_OBJECT
 public:
  static constexpr const char* kSection = "VUMETERS";
  static constexpr int kMeters = 4;
  static constexpr int kBars = 8;  // A L, A R, B L, ... D R
  static constexpr int kKind = 1;
  static constexpr int kMinWidth = 520;
  static constexpr int kMinHeight = 164;
  static constexpr int kBarLeft = 100;
  static constexpr int kTop = 40;

  tcMetersVU(tcAnalysisConfig& config, QWidget* parent = nullptr);

  void set_inputs(const tcMeterInputs::Vu& in);
  void feed(const tcMeterRecord& record) override;
  void settings_dialog() override;

  static const char* meter_name(int m);
  static const char* channel_name(int m, int ch);

 protected:
  void layout(int w, int h) override;
  void paint(QPainter& painter, const QRect& rect) override;

 private:
  // Top of channel `ch` of meter `m`, and the bar height, for a panel `h` high.
  static int bar_top(int m, int ch, int h);
  static int bar_height(int h);
};
