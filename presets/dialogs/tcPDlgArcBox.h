#pragma once
// "Presets in the processor.": one row per slot of the processor's preset
// directory (number and name; an empty slot has no name), the live preset's
// slot marked "Current". Disabled while not on-line.
#include "presets/dialogs/tcPDlgListBox.h"

class tcPDlgArcBox : public tcPDlgListBox {
  Q_OBJECT

 public:
  static constexpr const char* kCurrentMark = "Current";

  explicit tcPDlgArcBox(CPresetsDlg* owner, QWidget* parent = nullptr);

  // Rebuilds the rows from the directory, keeping the selection.
  void populate();
  // The slot of a row's key.
  static int slot_of(const QString& key) { return key.isEmpty() ? -1 : key.toInt(); }
  static QString key_of(int slot) { return QString::number(slot); }
  // The slot holding the live preset (same name and check sum), -1 when none.
  int current_slot() const;
  // The selected slots that hold a preset.
  QVector<int> selected_present_slots() const;

  int read_presets(const QStringList& keys, tcPresetClips* out) override;
  void paste_clips(const tcPresetClips& clips, const QString& target) override;

 public slots:
  void slot_save();
  void slot_take();
  void slot_delete();
  void slot_rename();
  void slot_lock();
  void slot_unlock();
  void slot_factory_lock();
  void slot_sg_view();

 protected:
  // Only on-line.
  bool usable() const override;

 private:
  // Sends the lock state to each selected slot; refuses factory-locked slots
  // without technician mode.
  void set_lock(uint8_t state);
};
