#include "services/clock/tcTimeDateSetDlg.h"

#include <QCheckBox>
#include <QDateTimeEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include "link/protocol/tcMeterRecord.h"
#include "link/transport/tcApIface.h"
#include "services/clock/tcClockFields.h"
#include "services/common/tcDialogButtons.h"

tcTimeDateSetDlg::tcTimeDateSetDlg(bool hour24, const QDate& date, const QTime& time, int mode,
                                   uint32_t server, int32_t offset_seconds, QWidget* parent)
    : QDialog(parent),
      hour24_(hour24),
      date_(date),
      time_(time),
      mode_(mode),
      server_(server),
      offset_(offset_seconds) {
  setWindowTitle(QStringLiteral("Time Date Set"));

  manual_ = new QRadioButton(QStringLiteral("Manual"), this);
  sntp_ = new QRadioButton(QStringLiteral("SNTP"), this);
  auto* adjustment = new QHBoxLayout;
  adjustment->addWidget(new QLabel(QStringLiteral("Adjustment:"), this));
  adjustment->addWidget(manual_);
  adjustment->addWidget(sntp_);
  adjustment->addStretch();

  date_time_ = new QDateTimeEdit(QDateTime(date, time), this);
  date_time_->setDateRange(QDate(tcClockFields::kFirstYear, 1, 1),
                           QDate(tcClockFields::kLastYear, 12, 31));
  date_time_->setDisplayFormat(QString::fromLatin1(hour24 ? kFormat24 : kFormat12));
  hour24_box_ = new QCheckBox(QStringLiteral("24 Hour"), this);
  hour24_box_->setChecked(hour24);
  pc_time_ = new QCheckBox(QStringLiteral("Use this PC's time."), this);

  offset_label_ = new QLabel(QStringLiteral("Time Zone Offset:"), this);
  offset_field_ = new QLineEdit(tcClockFields::offset_text(offset_seconds), this);
  server_label_ = new QLabel(QStringLiteral("SNTP Server IP Address:"), this);
  server_field_ = new QLineEdit(this);
  server_field_->setInputMask(QString::fromLatin1(tcClockFields::kAddressMask));
  server_field_->setText(tcClockFields::server_text(server));

  auto* fields = new QGridLayout;
  fields->addWidget(date_time_, 0, 0, 1, 2);
  fields->addWidget(hour24_box_, 1, 0);
  fields->addWidget(pc_time_, 1, 1);
  fields->addWidget(offset_label_, 2, 0);
  fields->addWidget(offset_field_, 2, 1);
  fields->addWidget(server_label_, 3, 0);
  fields->addWidget(server_field_, 3, 1);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(adjustment);
  layout->addLayout(fields);
  layout->addStretch();
  layout->addLayout(tcDialogButtons::make(this));

  timer_ = new QTimer(this);
  connect(timer_, &QTimer::timeout, this, &tcTimeDateSetDlg::slot_pc_time_tick);
  connect(manual_, &QRadioButton::toggled, this, &tcTimeDateSetDlg::slot_mode_changed);
  connect(hour24_box_, &QCheckBox::stateChanged, this, &tcTimeDateSetDlg::slot_hour24_changed);
  connect(pc_time_, &QCheckBox::stateChanged, this, &tcTimeDateSetDlg::slot_pc_time_changed);
  (mode == tcClockFields::kSntp ? sntp_ : manual_)->setChecked(true);
  slot_mode_changed();
  timer_->start(kPcTimeMs);
}

void tcTimeDateSetDlg::slot_mode_changed() {
  const bool manual = manual_->isChecked();
  date_time_->setVisible(manual);
  hour24_box_->setVisible(manual);
  pc_time_->setVisible(manual);
  for (QWidget* w : {static_cast<QWidget*>(offset_label_), static_cast<QWidget*>(offset_field_),
                     static_cast<QWidget*>(server_label_), static_cast<QWidget*>(server_field_)})
    w->setVisible(!manual);
}

void tcTimeDateSetDlg::slot_hour24_changed() {
  // Only the display inside the dialog; the option stays as it is.
  hour24_ = hour24_box_->isChecked();
  date_time_->setDisplayFormat(QString::fromLatin1(hour24_ ? kFormat24 : kFormat12));
}

void tcTimeDateSetDlg::slot_pc_time_changed() {
  pc_time_on_ = pc_time_->isChecked();
  date_time_->setEnabled(!pc_time_on_);
  slot_pc_time_tick();
}

void tcTimeDateSetDlg::slot_pc_time_tick() {
  if (pc_time_on_ && manual_->isChecked()) date_time_->setDateTime(QDateTime::currentDateTime());
}

void tcTimeDateSetDlg::accept() {
  int32_t offset = 0;
  if (tcClockFields::offset_seconds(offset_field_->text(), offset) != 0) {
    QMessageBox::warning(this, windowTitle(),
                         QStringLiteral("The time zone offset must lie between -%1 and %1 hours.")
                             .arg(tcClockFields::kMaxOffsetHours));
    offset_field_->setFocus();
    return;
  }
  const QDateTime when = date_time_->dateTime();
  date_ = when.date();
  time_ = when.time();
  mode_ = sntp_->isChecked() ? tcClockFields::kSntp : tcClockFields::kManual;
  server_ = tcClockFields::server_address(server_field_->text());
  offset_ = offset;
  QDialog::accept();
}

tcApCodec::ClockSet tcTimeDateSetDlg::clock_set() const {
  return tcClockFields::clock_set(date_, time_, mode_, server_, offset_);
}

int tcTimeDateSetDlg::run(QWidget* parent, const tcMeterRecord& clock, bool hour24,
                          tcApIface* link) {
  QDate date(clock.year(), clock.month(), clock.day());
  QTime time(clock.hour(), clock.minute(), clock.second());
  // Before the first meter record the clock reads all zero.
  if (!date.isValid() || !time.isValid()) {
    const QDateTime now = QDateTime::currentDateTime();
    date = now.date();
    time = now.time();
  }
  tcTimeDateSetDlg dlg(hour24, date, time,
                       clock.sntp_mode() ? tcClockFields::kSntp : tcClockFields::kManual,
                       tcClockFields::server_of(clock), clock.time_zone_offset(), parent);
  if (dlg.exec() != QDialog::Accepted) return 1;
  if (!link) return -1;
  tcFrame frame = tcApCodec::clock_set(dlg.clock_set());
  return link->send_frame(frame) < 0 ? -1 : 0;
}
