#pragma once
// The clip depth display: per band how far the level reaches into the window
// from db_top - db_range (depth 0) up to db_top (depth db_range), coloured by
// depth; optionally the spectrum as a ghost behind and a legend.
#include <array>
#include <vector>

#include "metering/analysis/tcAnalysisView.h"
#include "metering/analysis/tcColumnPlot.h"
#include "link/protocol/tcSpectrum.h"

class tcAnalysisAClip : public tcAnalysisView {
 public:
  static constexpr const char* kSection = "ACLIP";
  static constexpr const char* kGradient =
      "0.00,000000;0.10,000077;0.20,0033CC;0.30,009999;0.40,00CC00;0.50,99FF00;0.60,FFFF00;"
      "0.70,FFCC00;0.80,FF9900;0.90,FF6600;1.00,FF0000";

  explicit tcAnalysisAClip(tcAnalysisConfig& config);

  int default_top() const override { return -16; }
  int default_range() const override { return 12; }
  QString default_gradient() const override { return QString::fromLatin1(kGradient); }
  QString dialog_title() const override { return QStringLiteral("Ombrel Clip Settings"); }
  std::vector<Field> fields() const override;
  tcViewSettings defaults() const override;

  const std::array<uint8_t, tcSpectrum::kBlockSize>& data() const { return data_; }
  // Depth of a level in dB: 0 at the window's floor, db_range at its top.
  double depth(double db) const;

 protected:
  void take(const uint8_t* block) override;
  void clear() override;
  void paint_data(QPainter& painter, const QRect& plot) override;
  bool covers_plot() const override { return true; }
  void settings_changed() override { frame_.forget(); }
  void draw_backdrop(QPainter& painter, const QRect& area, const QRect& plot, int chain) override;

 private:
  std::array<uint8_t, tcSpectrum::kBlockSize> data_{};
  tcSpectrum::Levels levels_{};
  QImage legend() const;
  // The bars and the ghost, rendered once per frame, then blitted.
  void draw_frame_image(QPainter& painter, const QRect& plot);

  QImage legend_;
  tcColumnPlot::Frame frame_;
  std::vector<int> ghost_tops_;
};
