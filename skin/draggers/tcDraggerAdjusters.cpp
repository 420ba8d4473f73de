#include "skin/draggers/tcDraggerAdjusters.h"

#include <algorithm>

#include "skin/objects/tcGuiGraphDragger.h"

tcDraggerAdjusters::tcDraggerAdjusters(int count) : adj_(std::max(count, 1)) {}

bool tcDraggerAdjusters::select(int i) {
  if (i < 0 || i >= count() || i == selected_) return false;
  selected_ = i;
  return true;
}

float tcDraggerAdjusters::value_of(int height) const {
  return axis_ ? tcGuiGraph::to_value(*axis_, height) : 0.0f;
}

int tcDraggerAdjusters::height_of(float value) const {
  return axis_ ? tcGuiGraph::to_pixel(*axis_, value) : 0;
}

int tcDraggerAdjusters::clamp_height(int h) const {
  return std::clamp(h, 0, std::max(plot_h_, 0));
}

float tcDraggerAdjusters::snapped(int band, float value, uint32_t* raw) const {
  if (!ops_.to_raw || !ops_.to_value) {
    *raw = 0;
    return value;
  }
  *raw = ops_.to_raw(band, value);
  return ops_.to_value(band, *raw);
}

void tcDraggerAdjusters::set_value(int i, float value) {
  if (i < 0 || i >= count()) return;
  Adjuster& a = adj_[i];
  a.value = value;
  a.raw = ops_.to_raw ? ops_.to_raw(i, value) : 0;
  a.height = height_of(value);
}

void tcDraggerAdjusters::recompute_heights() {
  for (Adjuster& a : adj_) a.height = height_of(a.value);
}

void tcDraggerAdjusters::store_press() {
  for (Adjuster& a : adj_) {
    a.press_height = a.height;
    a.press_value = a.value;
  }
}

bool tcDraggerAdjusters::update(int i, float value) {
  uint32_t raw = 0;
  const float v = snapped(i, value, &raw);
  Adjuster& a = adj_[i];
  if (v == a.value) return false;
  a.value = v;
  a.raw = raw;
  if (!ops_.write) return false;
  ops_.write(i, raw);
  return true;
}

tcDraggerAdjusters::Run tcDraggerAdjusters::run(int i, int dir) const {
  Run r;
  int j = i + dir;
  while (j >= 0 && j < count() && !adj_[j].independent) {
    ++r.count;
    j += dir;
  }
  r.bounded = j >= 0 && j < count();
  return r;
}

int tcDraggerAdjusters::follower_change(int d, int k, int n, bool bounded, int mode) {
  if (mode == kFlat || !bounded) return d;
  // A half is added before truncation toward zero, so an upward drag tapers a
  // step less than a downward one, as on the processor.
  return static_cast<int>(k * (static_cast<double>(d) / (n + 1)) + 0.5);
}

int tcDraggerAdjusters::move_selected(int height) {
  Adjuster& sel = adj_[selected_];
  sel.height = clamp_height(height);
  bool wrote = update(selected_, value_of(sel.height));
  if (!sel.independent) {
    const int d = sel.height - sel.press_height;
    for (int dir = -1; dir <= 1; dir += 2) {
      const Run r = run(selected_, dir);
      for (int step = 1; step <= r.count; ++step) {
        const int i = selected_ + dir * step;
        const int k = r.count - step + 1;
        Adjuster& f = adj_[i];
        f.height = clamp_height(f.press_height + follower_change(d, k, r.count, r.bounded, mode_));
        wrote = update(i, value_of(f.height)) || wrote;
      }
    }
  }
  return tcGuiGraphDragger::kRepaint | (wrote ? tcGuiGraphDragger::kChanged : 0);
}

void tcDraggerAdjusters::toggle_independent(int i) {
  if (i >= 0 && i < count()) adj_[i].independent = !adj_[i].independent;
}

void tcDraggerAdjusters::group() {
  if (!adj_[selected_].independent) return;
  // Leftwards from the selected adjuster: each independent adjuster with an
  // independent left neighbour joins; the first one next to a linked adjuster
  // stays independent and anchors the run; the row's first one joins.
  for (int i = selected_;; --i) {
    if (i == 0) {
      adj_[0].independent = false;
      break;
    }
    if (!adj_[i].independent || !adj_[i - 1].independent) break;
    adj_[i].independent = false;
  }
  const int last = count() - 1;
  for (int i = selected_ + 1; i <= last; ++i) {
    if (i == last) {
      adj_[last].independent = false;
      break;
    }
    if (!adj_[i].independent || !adj_[i + 1].independent) break;
    adj_[i].independent = false;
  }
}

void tcDraggerAdjusters::ungroup() {
  if (adj_[selected_].independent) return;
  const Run left = run(selected_, -1);
  const Run right = run(selected_, 1);
  for (int i = selected_ - left.count; i <= selected_ + right.count; ++i)
    adj_[i].independent = true;
}

void tcDraggerAdjusters::group_all() {
  for (Adjuster& a : adj_) a.independent = false;
}

void tcDraggerAdjusters::ungroup_all() {
  for (Adjuster& a : adj_) a.independent = true;
}

bool tcDraggerAdjusters::flatten() {
  if (adj_[selected_].independent) return false;
  const Adjuster& sel = adj_[selected_];
  const Run left = run(selected_, -1);
  const Run right = run(selected_, 1);
  for (int i = selected_ - left.count; i <= selected_ + right.count; ++i) {
    if (i == selected_) continue;
    adj_[i].value = sel.value;
    adj_[i].raw = sel.raw;
    if (ops_.write) ops_.write(i, sel.raw);
  }
  recompute_heights();
  return true;
}
