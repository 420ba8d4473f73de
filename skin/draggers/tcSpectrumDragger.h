#pragma once
// The spectrum view's dragger: drags and wheel steps over the plot shift the
// view, which connects to sig_shift. The view draws itself through the
// dragger's curve layer, since the plot draws only its active dragger.
#include <functional>

#include "skin/objects/tcGuiGraphDragger.h"

class tcSpectrumDragger : public tcGuiGraphDragger {
  Q_OBJECT

 public:
  // Pixels of shift per wheel step; five times that with Shift held. A step
  // up moves the view up, as a drag upwards does.
  static constexpr int kWheelShift = 8;

  using Layer = std::function<void(QPainter&)>;

  explicit tcSpectrumDragger(tcGuiApGraph* graph, QObject* parent = nullptr);
  ~tcSpectrumDragger() override;

  // What the view draws over the grid, with the painter at the plot origin.
  void set_layer(Layer layer) { layer_ = std::move(layer); }
  void draw_curves(QPainter& p) override;

  int left_press(int x, int y) override;
  int release(int x, int y) override;
  int drag(int dx, int dy, int modifiers) override;
  int wheel(int step, int modifiers) override;

 signals:
  void sig_shift(int dx, int dy);

 private:
  Layer layer_;
  bool held_ = false;
};
