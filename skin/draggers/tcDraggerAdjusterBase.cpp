#include "skin/draggers/tcDraggerAdjusterBase.h"

#include <QActionGroup>
#include <QCursor>
#include <QMenu>
#include <QPainter>

#include "skin/draggers/tcDraggerColumns.h"
#include "skin/objects/tcGuiApGraph.h"
#include "skin/objects/tcGuiImage.h"

namespace {
constexpr QRgb kIndependentOutline = 0xFFFF0000u;
constexpr QRgb kSelectedFill = 0xFFFFFF00u;
constexpr QRgb kHandleFill = 0xFF0080FFu;
}  // namespace

tcDraggerAdjusterBase::tcDraggerAdjusterBase(tcGuiApGraph* graph, int count, int mode,
                                             QObject* parent)
    : tcGuiGraphDragger(graph, parent), xs_(std::max(count, 1), 0), adj_(count) {
  adj_.set_axis(graph ? &graph->y_axis() : nullptr);
  adj_.set_plot_height(plot_height());
  adj_.set_mode(mode);

  menu_ = std::make_unique<QMenu>();
  menu_->addAction("Flatten", this, &tcDraggerAdjusterBase::slot_flatten);
  menu_->addAction("Group Adjusters", this, &tcDraggerAdjusterBase::slot_group);
  menu_->addAction("UnGroup Adjusters", this, &tcDraggerAdjusterBase::slot_ungroup);
  menu_->addAction("Group All Adjusters", this, &tcDraggerAdjusterBase::slot_group_all);
  menu_->addAction("UnGroup All Adjusters", this, &tcDraggerAdjusterBase::slot_ungroup_all);
  menu_->addSeparator();
  prop_action_ =
      menu_->addAction("Proportional Drag", this, &tcDraggerAdjusterBase::slot_prop_drag);
  flat_action_ = menu_->addAction("Flat Drag", this, &tcDraggerAdjusterBase::slot_flat_drag);
  auto* modes = new QActionGroup(menu_.get());
  for (QAction* a : {prop_action_, flat_action_}) {
    a->setCheckable(true);
    modes->addAction(a);
  }
  show_mode();
}

tcDraggerAdjusterBase::~tcDraggerAdjusterBase() = default;

void tcDraggerAdjusterBase::set_values(const float* values, int count) {
  for (int i = 0; i < count && i < adj_.count(); ++i) adj_.set_value(i, values[i]);
}

void tcDraggerAdjusterBase::set_drag_mode(int mode) {
  adj_.set_mode(mode);
  show_mode();
}

void tcDraggerAdjusterBase::show_mode() {
  prop_action_->setChecked(adj_.mode() == tcDraggerAdjusters::kProportional);
  flat_action_->setChecked(adj_.mode() == tcDraggerAdjusters::kFlat);
}

void tcDraggerAdjusterBase::set_plot_size(int width, int height) {
  tcGuiGraphDragger::set_plot_size(width, height);
  adj_.set_plot_height(height);
  adj_.recompute_heights();
  place();
}

int tcDraggerAdjusterBase::zone_at(int x) const {
  return tcDraggerColumns::zone_of(x, xs_, plot_width());
}

bool tcDraggerAdjusterBase::begin_drag(int x) {
  dragging_ = false;
  const int i = zone_at(x);
  if (i < 0) return false;
  adj_.select(i);
  adj_.store_press();
  dragging_ = true;
  acc_dy_ = 0;
  return true;
}

void tcDraggerAdjusterBase::draw_handles(QPainter& p) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing, false);
  for (int i = 0; i < adj_.count(); ++i) {
    if (!shown(i)) continue;
    const tcDraggerAdjusters::Adjuster& a = adj_.at(i);
    const bool sel = i == adj_.selected();
    const int x = xs_[i];
    const int y = a.height;
    if (image_ && !image_->picture().isNull()) {
      const QRect src = image_->section_rect((a.independent ? 2 : 0) + (sel ? 1 : 0));
      p.drawImage(QPoint(x - src.width() / 2, y - src.height() / 2), image_->picture(), src);
      continue;
    }
    // 8 by 8 pixels from (x - 4, y - 4) to (x + 3, y + 3).
    p.setBrush(Qt::NoBrush);
    if (a.independent) {
      p.setPen(QColor::fromRgba(kIndependentOutline));
      p.drawRect(x - 4, y - 4, 7, 7);
    }
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor::fromRgba(sel ? kSelectedFill : kHandleFill));
    p.drawEllipse(QRectF(x - 3, y - 3, 6, 6));
    p.setRenderHint(QPainter::Antialiasing, false);
  }
  p.restore();
}

int tcDraggerAdjusterBase::double_click(int x, int) {
  const int i = zone_at(x);
  if (i < 0) return 0;
  adj_.toggle_independent(i);
  return kRepaint;
}

int tcDraggerAdjusterBase::right_press(int x, int y) {
  tcGuiGraphDragger::right_press(x, y);
  menu_->popup(QCursor::pos());
  return 0;
}

int tcDraggerAdjusterBase::release(int, int) {
  dragging_ = false;
  return 0;
}

int tcDraggerAdjusterBase::drag(int, int dy, int) {
  if (!dragging_) return 0;
  acc_dy_ += dy;
  return adj_.move_selected(adj_.at(adj_.selected()).press_height + acc_dy_);
}

int tcDraggerAdjusterBase::wheel(int step, int) {
  // The followers move from where they stand now, not from the last press.
  adj_.store_press();
  return adj_.move_selected(adj_.at(adj_.selected()).height - step);
}

void tcDraggerAdjusterBase::slot_flatten() {
  adj_.flatten();
  request_repaint();
}

void tcDraggerAdjusterBase::slot_group() {
  adj_.group();
  request_repaint();
}

void tcDraggerAdjusterBase::slot_ungroup() {
  adj_.ungroup();
  request_repaint();
}

void tcDraggerAdjusterBase::slot_group_all() {
  adj_.group_all();
  request_repaint();
}

void tcDraggerAdjusterBase::slot_ungroup_all() {
  adj_.ungroup_all();
  request_repaint();
}

void tcDraggerAdjusterBase::slot_prop_drag() {
  set_drag_mode(tcDraggerAdjusters::kProportional);
  request_repaint();
}

void tcDraggerAdjusterBase::slot_flat_drag() {
  set_drag_mode(tcDraggerAdjusters::kFlat);
  request_repaint();
}
