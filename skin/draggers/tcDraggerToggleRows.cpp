#include "skin/draggers/tcDraggerToggleRows.h"

#include <algorithm>

#include "params/tcLiveSettings.h"
#include "params/tcParamTable.h"

tcDraggerToggleRows::tcDraggerToggleRows(tcLiveSettings* live, int rows, int columns)
    : live_(live),
      rows_(std::max(rows, 0)),
      columns_(std::max(columns, 0)),
      bases_(rows_, tcParamTable::kEndId),
      flags_(static_cast<size_t>(rows_) * columns_, 0) {}

bool tcDraggerToggleRows::valid(int row, int column) const {
  return row >= 0 && row < rows_ && column >= 0 && column < columns_;
}

void tcDraggerToggleRows::set_base(int row, uint16_t base_id) {
  if (row >= 0 && row < rows_) bases_[row] = base_id;
}

uint16_t tcDraggerToggleRows::base(int row) const {
  return row >= 0 && row < rows_ ? bases_[row] : tcParamTable::kEndId;
}

uint16_t tcDraggerToggleRows::id(int row, int column) const {
  if (!valid(row, column) || bases_[row] == tcParamTable::kEndId) return tcParamTable::kEndId;
  const uint32_t id = static_cast<uint32_t>(bases_[row]) + column;
  return id < tcParamTable::kEndId ? static_cast<uint16_t>(id) : tcParamTable::kEndId;
}

bool tcDraggerToggleRows::flag(int row, int column) const {
  return valid(row, column) && flags_[row * columns_ + column];
}

void tcDraggerToggleRows::set_flag(int row, int column, bool on) {
  if (valid(row, column)) flags_[row * columns_ + column] = on;
}

void tcDraggerToggleRows::refresh() {
  SETTINGS* set = live_ ? live_->current() : nullptr;
  if (!set) return;
  for (int r = 0; r < rows_; ++r) {
    for (int c = 0; c < columns_; ++c) {
      const uint16_t pid = id(r, c);
      if (pid != tcParamTable::kEndId) flags_[r * columns_ + c] = set->bool_value(pid) != 0;
    }
  }
}

void tcDraggerToggleRows::write(int row, int column) {
  SETTINGS* set = live_ ? live_->current() : nullptr;
  const uint16_t pid = id(row, column);
  if (set && pid != tcParamTable::kEndId) {
    set->set_bool(pid, flags_[row * columns_ + column] ? 1 : 0, kSourceConsole);
  }
}

bool tcDraggerToggleRows::toggle(int row, int column) {
  if (!valid(row, column)) return false;
  char& f = flags_[row * columns_ + column];
  f = !f;
  write(row, column);
  return true;
}

void tcDraggerToggleRows::set_all(bool on) {
  for (int r = 0; r < rows_; ++r) {
    for (int c = 0; c < columns_; ++c) {
      flags_[r * columns_ + c] = on;
      write(r, c);
    }
  }
}

int tcDraggerToggleRows::row_at(int y, int first_top, int step, int height) const {
  for (int r = 0; r < rows_; ++r) {
    const long long top = first_top + static_cast<long long>(step) * r;
    if (y >= top && y < top + height) return r;
  }
  return -1;
}
