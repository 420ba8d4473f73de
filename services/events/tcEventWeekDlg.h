#pragma once
// "Weekly Rotation": the days, the time of day and the preset of one weekly
// event. Opened empty to add an event, or filled from the selected one to edit it.
#include <QDialog>

#include "link/protocol/tsAPEvent.h"

class QCheckBox;
class QTimeEdit;
class tcPresetChooser;
class tcPresetDirectory;

class tcEventWeekDlg : public QDialog {
  Q_OBJECT

 public:
  static constexpr const char* kNoDays = "Select at least one day.";

  // `initial` fills the fields when editing; none for a new event.
  tcEventWeekDlg(bool hour24, const tcPresetDirectory& directory,
                 const tcIddApGui::tsAPEvent* initial, QWidget* parent = nullptr);

  // Word 0 with the fields and the weekly kind, word 1 the chosen slot.
  tcIddApGui::tsAPEvent entered_event() const;

  QCheckBox* day_box(int day) const { return days_[day]; }  // 0 Sunday .. 6 Saturday
  QTimeEdit* time_field() const { return time_; }
  tcPresetChooser* preset_list() const { return preset_; }

 public slots:
  void accept() override;

 private:
  QCheckBox* days_[7];
  QTimeEdit* time_;
  tcPresetChooser* preset_;
};
