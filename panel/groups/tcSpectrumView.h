#pragma once
// The live spectrum on the panel's shared graph, shown while no page borrows
// the graph: the 31 band levels of the newest meter record as bars over the
// frequency axis, on a dB scale as tall as the panel's spectrum range. Drags
// and wheel steps on the plot move the scale up and down; its span stays.
//
// The bars are drawn into a picture when a record arrives while the view is
// shown, or when the scale moves; a paint only copies the picture.
#include <QImage>
#include <QObject>
#include <memory>

#include "link/protocol/tcSpectrum.h"

class QPainter;
class tcGuiApGraph;
class tcMeterRecord;
class tcSpectrumDragger;

class tcSpectrumView : public QObject {
  Q_OBJECT

 public:
  // The level at the top of the scale at start, which is also the highest it
  // goes (the bins reach 0 dBFS), and the lowest a shift takes it to.
  static constexpr float kTopDb = 0.0f;
  static constexpr float kLowestTopDb = -40.0f;

  // Puts its dragger into `slot` of the graph and its axes on the graph: the
  // bands' edges across, and the graph's current span below kTopDb.
  tcSpectrumView(tcGuiApGraph* graph, int slot);
  ~tcSpectrumView() override;

  // True while the graph shows and its active dragger is the view's.
  bool shown() const;
  // While shown, takes the band levels of a record's spectrum; false (nothing
  // changed) for an oscilloscope frame or while hidden.
  bool take(const tcMeterRecord& record);
  // An empty plot until the next spectrum.
  void clear();

  bool has_levels() const { return has_levels_; }
  const tcSpectrum::Levels& levels() const { return levels_; }
  float top_db() const;
  tcSpectrumDragger* dragger() const { return dragger_.get(); }
  // The bars as last drawn, plot-sized; null without levels.
  const QImage& picture() const { return picture_; }

 private slots:
  // A vertical movement in plot pixels moves the scale by as many pixels.
  void slot_shift(int dx, int dy);

 private:
  void rebuild();
  void draw(QPainter& p) const;

  tcGuiApGraph* const graph_;
  std::unique_ptr<tcSpectrumDragger> dragger_;
  tcSpectrum::Levels levels_{};
  bool has_levels_ = false;
  QImage picture_;
};
