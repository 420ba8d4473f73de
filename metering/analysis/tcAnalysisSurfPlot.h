#pragma once
// The 3-D plot: each new spectrum is drawn at the front and the older ones
// recede diagonally (right by xshift, up by yshift per frame). Two images
// alternate: the previous one is copied shifted into the other, then the new
// spectrum goes on top. The frames are kept so a resize draws them again.
#include <QImage>
#include <array>
#include <deque>

#include "metering/analysis/tcAnalysisView.h"
#include "link/protocol/tcSpectrum.h"

class tcAnalysisSurfPlot : public tcAnalysisView {
 public:
  static constexpr const char* kSection = "SURFPLOT";
  static constexpr size_t kHistory = 120;

  explicit tcAnalysisSurfPlot(tcAnalysisConfig& config);

  QString dialog_title() const override { return QStringLiteral("3D Surface Plot Settings"); }
  std::vector<Field> fields() const override;
  tcViewSettings defaults() const override;

  size_t history() const { return history_.size(); }
  // The front plane inside `plot`: where the newest spectrum and the scales are.
  static QRect front_rect(const QRect& plot);

 protected:
  void take(const uint8_t* block) override;
  void clear() override;
  void paint_data(QPainter& painter, const QRect& plot) override;
  void draw_backdrop(QPainter& painter, const QRect& area, const QRect& plot, int chain) override;
  double band_x(int band, const QRect& plot) const override;
  void settings_changed() override {
    stale_ = true;
    surface_ = QImage();
  }

 private:
  using Block = std::array<uint8_t, tcSpectrum::kBlockSize>;
  // Shifts the current image into the other one and draws `block` at the front.
  void add_frame(const Block& block, const QRect& front);
  // One spectrum as a ridge over a dimmed surface, hiding what lies behind it.
  void draw_ridge(QPainter& painter, const Block& block, const QRect& front);

  std::deque<Block> history_;
  size_t pending_ = 0;  // frames not yet drawn into the images
  bool stale_ = true;   // images must be drawn again from the history
  std::array<QImage, 2> images_;
  QImage surface_;  // the gradient dimmed, one pixel wide, as high as the front
  int current_ = 0;
};
