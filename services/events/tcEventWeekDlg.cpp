#include "services/events/tcEventWeekDlg.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QTimeEdit>
#include <QVBoxLayout>

#include "services/common/tcDialogButtons.h"
#include "services/events/tcEventText.h"
#include "services/events/tcPresetChooser.h"
#include "services/events/tsAPWeekEvent.h"

using tcIddApGui::tsAPWeekEvent;

namespace {
const char* const kDayNames[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
}  // namespace

tcEventWeekDlg::tcEventWeekDlg(bool hour24, const tcPresetDirectory& directory,
                               const tcIddApGui::tsAPEvent* initial, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(QStringLiteral("Weekly Rotation"));
  const tsAPWeekEvent start = initial ? tsAPWeekEvent::decode(*initial) : tsAPWeekEvent();

  auto* day_row = new QHBoxLayout;
  for (int d = 0; d < 7; ++d) {
    days_[d] = new QCheckBox(QString::fromLatin1(kDayNames[d]), this);
    days_[d]->setChecked(start.days & (1u << d));
    day_row->addWidget(days_[d]);
  }
  time_ = new QTimeEdit(QTime(start.hour, start.minute, start.second), this);
  time_->setDisplayFormat(
      QString::fromLatin1(hour24 ? tcEventText::kTime24 : tcEventText::kTime12));
  preset_ = new tcPresetChooser(directory, start.slot, this);

  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("Time:"), time_);
  form->addRow(QStringLiteral("Preset:"), preset_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(day_row);
  layout->addLayout(form);
  layout->addLayout(tcDialogButtons::make(this));
}

tcIddApGui::tsAPEvent tcEventWeekDlg::entered_event() const {
  tsAPWeekEvent w;
  for (int d = 0; d < 7; ++d)
    if (days_[d]->isChecked()) w.days |= static_cast<uint8_t>(1u << d);
  const QTime t = time_->time();
  w.hour = static_cast<uint8_t>(t.hour());
  w.minute = static_cast<uint8_t>(t.minute());
  w.second = static_cast<uint8_t>(t.second());
  w.slot = preset_->slot();
  return w.encode();
}

void tcEventWeekDlg::accept() {
  // An event on no day would never be taken.
  if (tsAPWeekEvent::decode(entered_event()).days == 0) {
    QMessageBox::information(this, windowTitle(), QString::fromLatin1(kNoDays));
    return;
  }
  QDialog::accept();
}
