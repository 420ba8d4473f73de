#pragma once
// The processing-curve plot: the graph draggers of the control groups draw on
// it and take its pointer input.
#include <QPointer>

#include "skin/objects/tcGuiGraph.h"

class tcGuiGraphDragger;

class tcGuiApGraph : public tcGuiGraph {
 public:
  enum { kAudio = kBaseColours };

  tcGuiApGraph(tcBench* bench, int id, const tcString& name);
  ~tcGuiApGraph() override;

  bool left_press(int x, int y) override;
  void release(int x, int y) override;
  bool right_press(int x, int y) override;
  void drag(int x, int y, int modifiers) override;
  void hover(int x, int y) override;
  void wheel(int step, int modifiers) override;
  void double_click(int x, int y) override;
  bool accepts_right() const override { return true; }
  bool accepts_wheel() const override { return true; }
  bool accepts_double_click() const override { return true; }
  bool accepts_hover() const override { return true; }
  void draw_background(QPainter& painter) override;
  void draw_curves(QPainter& painter) override;
  void draw_handles(QPainter& painter) override;

  uint32_t audio_colour() const { return audio_; }
  // Draggers belong to their control groups; slot 0 is the first, slot 1 the
  // one used while mode bit 0 is set.
  void set_dragger(int slot, tcGuiGraphDragger* dragger);
  tcGuiGraphDragger* dragger(int slot) const;
  void set_mode(int mode);
  int mode() const { return mode_; }
  tcGuiGraphDragger* active_dragger() const;
  // Raised by a dragger's answer bit 1; the owner reads and clears it.
  bool changed() const { return changed_; }
  void clear_changed() { changed_ = false; }

  static const tcXmlData::AttrRow kColourAttrs[];

 protected:
  void set_colour(int arg, uint32_t colour) override;
  // The draggers learn the plot's new size.
  void plot_resized() override;

 private:
  void answer(int bits);
  QPoint to_plot(int x, int y) const;

  uint32_t audio_ = 0xFF00FF00u;
  QPointer<tcGuiGraphDragger> draggers_[2];
  QPointer<tcGuiGraphDragger> captured_;  // the dragger that took the press
  int mode_ = 0;
  bool changed_ = false;
};
