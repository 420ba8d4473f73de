#pragma once
// Per-band on/off marks of the multiband limiters: rows of 31 switch cells
// under the third-octave columns, written into the current live set.
#include <functional>
#include <memory>
#include <vector>

#include "skin/draggers/tcDraggerToggleRows.h"
#include "skin/objects/tcGuiGraphDragger.h"

class QMenu;
class tcLiveSettings;

class tcMBCheckDragger : public tcGuiGraphDragger {
  Q_OBJECT

 public:
  // Row r occupies the pointer heights 20 + 30r to 30 + 30r inclusive.
  static constexpr int kFirstRowTop = 20;
  static constexpr int kRowPitch = 30;
  static constexpr int kRowHeight = 11;

  tcMBCheckDragger(tcGuiApGraph* graph, tcLiveSettings* live, int rows, QObject* parent = nullptr);
  ~tcMBCheckDragger() override;

  void set_row_base(int row, uint16_t base_id) { rows_.set_base(row, base_id); }
  // Told the column of a pressed or hovered cell.
  void set_column_callback(std::function<void(int column)> callback) {
    column_callback_ = std::move(callback);
  }
  tcDraggerToggleRows& rows() { return rows_; }
  const tcDraggerToggleRows& rows() const { return rows_; }
  int column_x(int c) const;
  // The pressed cell (-1 when none), whether it shows armed, the hovered cell.
  int pressed_row() const { return pressed_row_; }
  int pressed_column() const { return pressed_col_; }
  bool armed() const { return armed_; }
  int current_row() const { return current_row_; }
  int current_column() const { return current_col_; }
  QMenu* menu() const { return menu_.get(); }

  void set_plot_size(int width, int height) override;
  void draw_handles(QPainter& p) override;
  int left_press(int x, int y) override;
  int right_press(int x, int y) override;
  int release(int x, int y) override;
  int drag(int dx, int dy, int modifiers) override;
  int hover(int x, int y) override;
  int leave() override;

 public slots:
  void slot_checkall();
  void slot_uncheckall();

 private:
  void place();
  bool cell_at(int x, int y, int* row, int* column) const;
  void tell_column(int column) const;

  tcDraggerToggleRows rows_;
  std::vector<int> xs_;
  std::unique_ptr<QMenu> menu_;
  std::function<void(int)> column_callback_;
  int pressed_row_ = -1;
  int pressed_col_ = -1;
  bool armed_ = false;
  int acc_x_ = 0;
  int acc_y_ = 0;
  int current_row_ = -1;
  int current_col_ = -1;
};
