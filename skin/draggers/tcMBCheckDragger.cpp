#include "skin/draggers/tcMBCheckDragger.h"

#include <QCursor>
#include <QMenu>
#include <QPainter>
#include <algorithm>

#include "skin/draggers/tcDraggerColumns.h"
#include "skin/objects/tcGuiApGraph.h"

namespace {
constexpr QRgb kCellOn = 0xFF20C040u;
constexpr QRgb kCellOff = 0xFF303030u;
constexpr QRgb kCellOutline = 0xFF909090u;
constexpr QRgb kCellArmed = 0xFFFFFFFFu;
constexpr QRgb kCellCurrent = 0xFFFFFF00u;
constexpr int kCellHalfWidth = 4;
}  // namespace

tcMBCheckDragger::tcMBCheckDragger(tcGuiApGraph* graph, tcLiveSettings* live, int rows,
                                   QObject* parent)
    : tcGuiGraphDragger(graph, parent), rows_(live, rows, tcDraggerColumns::kThirdOctaves) {
  place();
  menu_ = std::make_unique<QMenu>();
  menu_->addAction("Check All", this, &tcMBCheckDragger::slot_checkall);
  menu_->addAction("UN-Check All", this, &tcMBCheckDragger::slot_uncheckall);
}

tcMBCheckDragger::~tcMBCheckDragger() = default;

void tcMBCheckDragger::place() {
  if (graph()) {
    xs_ = tcDraggerColumns::third_octave_positions(graph()->x_axis());
  } else {
    xs_.assign(tcDraggerColumns::kThirdOctaves, 0);
  }
}

int tcMBCheckDragger::column_x(int c) const {
  return c >= 0 && c < static_cast<int>(xs_.size()) ? xs_[c] : 0;
}

void tcMBCheckDragger::set_plot_size(int width, int height) {
  tcGuiGraphDragger::set_plot_size(width, height);
  place();
}

bool tcMBCheckDragger::cell_at(int x, int y, int* row, int* column) const {
  *row = rows_.row_at(y, kFirstRowTop, kRowPitch, kRowHeight);
  *column = tcDraggerColumns::zone_of(x, xs_, plot_width());
  return *row >= 0 && *column >= 0;
}

void tcMBCheckDragger::tell_column(int column) const {
  if (column_callback_) column_callback_(column);
}

void tcMBCheckDragger::draw_handles(QPainter& p) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing, false);
  for (int r = 0; r < rows_.rows(); ++r) {
    const int top = kFirstRowTop + kRowPitch * r;
    for (int c = 0; c < rows_.columns(); ++c) {
      const bool pressed = armed_ && r == pressed_row_ && c == pressed_col_;
      const bool current = r == current_row_ && c == current_col_;
      p.setPen(QColor::fromRgba(pressed ? kCellArmed : current ? kCellCurrent : kCellOutline));
      p.setBrush(QColor::fromRgba(rows_.flag(r, c) ? kCellOn : kCellOff));
      // The end columns sit on the plot's edges; their cells stay inside it.
      const int left = std::clamp(xs_[c] - kCellHalfWidth, 0,
                                  std::max(plot_width() - 2 * kCellHalfWidth - 1, 0));
      p.drawRect(left, top, 2 * kCellHalfWidth, kRowHeight - 1);
    }
  }
  p.restore();
}

int tcMBCheckDragger::left_press(int x, int y) {
  tcGuiGraphDragger::left_press(x, y);
  pressed_row_ = pressed_col_ = -1;
  armed_ = false;
  if (graph() && graph()->disabled()) return 0;
  int row = -1;
  int col = -1;
  if (!cell_at(x, y, &row, &col)) return 0;
  pressed_row_ = row;
  pressed_col_ = col;
  armed_ = true;
  acc_x_ = x;
  acc_y_ = y;
  tell_column(col);
  return kRepaint;
}

int tcMBCheckDragger::right_press(int x, int y) {
  tcGuiGraphDragger::right_press(x, y);
  menu_->popup(QCursor::pos());
  return 0;
}

int tcMBCheckDragger::drag(int dx, int dy, int) {
  if (pressed_row_ < 0) return 0;
  acc_x_ += dx;
  acc_y_ += dy;
  int row = -1;
  int col = -1;
  const bool over =
      cell_at(acc_x_, acc_y_, &row, &col) && row == pressed_row_ && col == pressed_col_;
  if (over == armed_) return 0;
  armed_ = over;
  return kRepaint;
}

int tcMBCheckDragger::release(int x, int y) {
  if (pressed_row_ < 0) return 0;
  int row = -1;
  int col = -1;
  int answer = kRepaint;
  if (cell_at(x, y, &row, &col) && row == pressed_row_ && col == pressed_col_) {
    rows_.toggle(row, col);
    answer |= kChanged;
  }
  pressed_row_ = pressed_col_ = -1;
  armed_ = false;
  return answer;
}

int tcMBCheckDragger::hover(int x, int y) {
  int row = -1;
  int col = -1;
  if (!cell_at(x, y, &row, &col)) row = col = -1;
  if (row == current_row_ && col == current_col_) return 0;
  current_row_ = row;
  current_col_ = col;
  if (col >= 0) tell_column(col);
  return kRepaint;
}

int tcMBCheckDragger::leave() {
  if (current_row_ < 0 && current_col_ < 0) return 0;
  current_row_ = current_col_ = -1;
  return kRepaint;
}

void tcMBCheckDragger::slot_checkall() {
  rows_.set_all(true);
  request_repaint();
}

void tcMBCheckDragger::slot_uncheckall() {
  rows_.set_all(false);
  request_repaint();
}
