#pragma once
// The spectrum view's dragger: drags and wheel steps over the plot shift the
// view; the view (which draws itself) connects to sig_shift.
#include "skin/objects/tcGuiGraphDragger.h"

class tcSpectrumDragger : public tcGuiGraphDragger {
  Q_OBJECT

 public:
  // Pixels of shift per wheel step; five times that with Shift held.
  static constexpr int kWheelShift = 8;

  explicit tcSpectrumDragger(tcGuiApGraph* graph, QObject* parent = nullptr);
  ~tcSpectrumDragger() override;

  int left_press(int x, int y) override;
  int release(int x, int y) override;
  int drag(int dx, int dy, int modifiers) override;
  int wheel(int step, int modifiers) override;

 signals:
  void sig_shift(int dx, int dy);

 private:
  bool held_ = false;
};
