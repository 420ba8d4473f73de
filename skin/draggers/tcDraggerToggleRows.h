#pragma once
// Rows of on/off cells under the band columns of a dragger. The cell of row r
// and column c is the switch parameter (base id of row r) + c of the current
// live parameter set; the console's changes are written with source 2.
#include <cstdint>
#include <vector>

class tcLiveSettings;

class tcDraggerToggleRows {
 public:
  tcDraggerToggleRows(tcLiveSettings* live, int rows, int columns);

  int rows() const { return rows_; }
  int columns() const { return columns_; }
  void set_base(int row, uint16_t base_id);
  uint16_t base(int row) const;
  // 0xFFFF for a cell outside the rows or a row without a base id.
  uint16_t id(int row, int column) const;
  bool flag(int row, int column) const;
  // From the group; no write.
  void set_flag(int row, int column, bool on);
  // Every flag from the current live set.
  void refresh();

  // Inverts a cell and writes it; false for a cell outside the rows.
  bool toggle(int row, int column);
  // Every cell to the same state, each one written.
  void set_all(bool on);

  // The row whose band [first_top + r * step, + height) holds y; -1 for none.
  int row_at(int y, int first_top, int step, int height) const;

 private:
  bool valid(int row, int column) const;
  void write(int row, int column);

  tcLiveSettings* const live_;
  const int rows_;
  const int columns_;
  std::vector<uint16_t> bases_;
  std::vector<char> flags_;  // row-major
};
