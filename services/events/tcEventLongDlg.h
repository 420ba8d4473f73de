#pragma once
// "Long Term Rotation": the month and day, the time of day and the preset of
// one long-term event, which recurs every year on that date.
#include <QDialog>

#include "link/protocol/tsAPEvent.h"

class QDateEdit;
class QTimeEdit;
class tcPresetChooser;
class tcPresetDirectory;

class tcEventLongDlg : public QDialog {
  Q_OBJECT

 public:
  static constexpr const char* kDateFormat = "MMM d";

  tcEventLongDlg(bool hour24, const tcPresetDirectory& directory,
                 const tcIddApGui::tsAPEvent* initial, QWidget* parent = nullptr);

  // Word 0 with the fields and the long-term kind, word 1 the chosen slot.
  tcIddApGui::tsAPEvent entered_event() const;

  QDateEdit* date_field() const { return date_; }
  QTimeEdit* time_field() const { return time_; }
  tcPresetChooser* preset_list() const { return preset_; }

 private:
  QDateEdit* date_;
  QTimeEdit* time_;
  tcPresetChooser* preset_;
};
