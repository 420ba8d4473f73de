#include "metering/meters/tcMetersDlg.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QVBoxLayout>

#include "metering/meters/tcDefaultsButtons.h"
#include "metering/meters/tcMeters.h"

int tcMetersDlg::parse_leds(const QString& text) {
  bool ok = false;
  const int n = text.trimmed().toInt(&ok);
  return ok && n >= 0 && n <= kMaxLeds ? n : -1;
}

tcMetersDlg::tcMetersDlg(tcMeters& panel, const QString& title, const QString& leds_label,
                         QWidget* parent)
    : QDialog(parent),
      panel_(panel),
      fg_(new QLineEdit(panel.fg_gradient(), this)),
      bg_(new QLineEdit(panel.bg_gradient(), this)),
      leds_(new QLineEdit(QString::number(panel.numleds()), this)) {
  setWindowTitle(title);
  fg_->setMinimumWidth(520);
  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("Foreground Gradient Stops:"), fg_);
  form->addRow(QStringLiteral("Background Gradient Stops:"), bg_);
  form->addRow(leds_label, leds_);
  QDialogButtonBox* buttons = tcDefaultsButtons::create(this, &tcMetersDlg::slot_defaults);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons);
}

void tcMetersDlg::slot_defaults() {
  leds_->setText(QString::number(tcMeters::kDefaultLeds));
  fg_->setText(QString::fromLatin1(tcMeters::kDefaultFgGradient));
  bg_->setText(QString::fromLatin1(tcMeters::kDefaultBgGradient));
}

void tcMetersDlg::accept() {
  const int leds = parse_leds(leds_->text());
  if (leds < 0) {
    QMessageBox::warning(this, QStringLiteral("Error"), QString::fromLatin1(kLedsError));
    return;
  }
  panel_.apply_settings(leds, fg_->text().trimmed(), bg_->text().trimmed());
  QDialog::accept();
}
