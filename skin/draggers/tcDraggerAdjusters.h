#pragma once
// A row of vertical level adjusters with their links, as the compressor and
// multiband draggers edit them. An adjuster whose independent flag is clear is
// linked: dragging a linked adjuster moves the linked adjusters contiguous with
// it, flat or tapering towards the independent adjuster that anchors the run.
// Heights are plot y positions of the values on the graph's y axis.
#include <cstdint>
#include <functional>
#include <vector>

#include "skin/objects/tcGuiGraph.h"

// The owning group's band operations, used for every conversion and write.
struct tcDraggerBandOps {
  std::function<uint32_t(int band, float value)> to_raw;
  std::function<float(int band, uint32_t raw)> to_value;
  std::function<void(int band, uint32_t raw)> write;
};

class tcDraggerAdjusters {
 public:
  enum DragMode { kProportional = 0, kFlat = 1 };

  struct Adjuster {
    float value = 0.0f;
    int height = 0;
    uint32_t raw = 0;
    int press_height = 0;
    float press_value = 0.0f;
    bool independent = true;
  };

  // The linked adjusters next to one on one side.
  struct Run {
    int count = 0;         // linked adjusters contiguous on that side
    bool bounded = false;  // an independent adjuster lies beyond them
  };

  explicit tcDraggerAdjusters(int count);

  // The y axis lives with the graph; none maps every height to 0.
  void set_axis(const tcGuiGraph::Axis* y_axis) { axis_ = y_axis; }
  void set_ops(tcDraggerBandOps ops) { ops_ = std::move(ops); }
  void set_plot_height(int h) { plot_h_ = h; }

  int count() const { return static_cast<int>(adj_.size()); }
  const Adjuster& at(int i) const { return adj_[i]; }
  int selected() const { return selected_; }
  // Out-of-range indices leave the selection alone; true when it changed.
  bool select(int i);
  int mode() const { return mode_; }
  void set_mode(int mode) { mode_ = mode == kFlat ? kFlat : kProportional; }

  // A value from the group: value, raw value and height; no write.
  void set_value(int i, float value);
  // Heights again from the values (after an axis change).
  void recompute_heights();
  // Every adjuster's height and value as the state at the press.
  void store_press();

  // Moves the selected adjuster to a height (clamped to the plot) and its
  // followers with it; writes every value that changed. kRepaint always,
  // kChanged as well when a value was written (tcGuiGraphDragger answers).
  int move_selected(int height);

  // Links.
  void toggle_independent(int i);
  void group();
  void ungroup();
  void group_all();
  void ungroup_all();
  // The linked adjusters contiguous with the selected one take its value and
  // are written; false when the selected adjuster is independent.
  bool flatten();

  // dir -1 left, +1 right.
  Run run(int i, int dir) const;
  // Height change of the follower k (n nearest, 1 farthest) of a run of n.
  static int follower_change(int d, int k, int n, bool bounded, int mode);

 private:
  float value_of(int height) const;
  int height_of(float value) const;
  float snapped(int band, float value, uint32_t* raw) const;
  // Stores and writes a value when its snapped form differs; true on a write.
  bool update(int i, float value);
  int clamp_height(int h) const;

  std::vector<Adjuster> adj_;
  const tcGuiGraph::Axis* axis_ = nullptr;
  tcDraggerBandOps ops_;
  int plot_h_ = 0;
  int selected_ = 0;
  int mode_ = kProportional;
};
