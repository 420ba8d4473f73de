#include "services/events/tcEventLongDlg.h"

#include <QDateEdit>
#include <QFormLayout>
#include <QTimeEdit>
#include <QVBoxLayout>

#include "services/common/tcDialogButtons.h"
#include "services/events/tcEventText.h"
#include "services/events/tcPresetChooser.h"
#include "services/events/tsAPLongEvent.h"

using tcIddApGui::tsAPLongEvent;

namespace {
// The date field runs in a leap year, so that 29 February can be chosen; the
// year itself is not shown and not sent.
constexpr int kLeapYear = 2000;
}  // namespace

tcEventLongDlg::tcEventLongDlg(bool hour24, const tcPresetDirectory& directory,
                               const tcIddApGui::tsAPEvent* initial, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(QStringLiteral("Long Term Rotation"));
  const tsAPLongEvent start = initial ? tsAPLongEvent::decode(*initial) : tsAPLongEvent();
  QDate date(kLeapYear, start.month, start.day);
  if (!date.isValid()) date = QDate(kLeapYear, 1, 1);

  date_ = new QDateEdit(date, this);
  date_->setDateRange(QDate(kLeapYear, 1, 1), QDate(kLeapYear, 12, 31));
  date_->setDisplayFormat(QString::fromLatin1(kDateFormat));
  time_ = new QTimeEdit(QTime(start.hour, start.minute, start.second), this);
  time_->setDisplayFormat(
      QString::fromLatin1(hour24 ? tcEventText::kTime24 : tcEventText::kTime12));
  preset_ = new tcPresetChooser(directory, start.slot, this);

  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("Date:"), date_);
  form->addRow(QStringLiteral("Time:"), time_);
  form->addRow(QStringLiteral("Preset:"), preset_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addLayout(tcDialogButtons::make(this));
}

tcIddApGui::tsAPEvent tcEventLongDlg::entered_event() const {
  tsAPLongEvent l;
  const QDate d = date_->date();
  const QTime t = time_->time();
  l.month = static_cast<uint8_t>(d.month());
  l.day = static_cast<uint8_t>(d.day());
  l.hour = static_cast<uint8_t>(t.hour());
  l.minute = static_cast<uint8_t>(t.minute());
  l.second = static_cast<uint8_t>(t.second());
  l.slot = preset_->slot();
  return l.encode();
}
