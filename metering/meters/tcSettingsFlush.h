#pragma once
// Writes a changed option file at once and tells the user when it could not be
// written (the old file stays; the values stay in memory for the next try).
class QWidget;
class tcOptionStore;

class tcSettingsFlush {
 public:
  // 0 when written or nothing was due; -1 after the "Error" box.
  static int flush(tcOptionStore& store, QWidget* parent);
};
