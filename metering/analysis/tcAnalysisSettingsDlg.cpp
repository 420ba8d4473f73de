#include "metering/analysis/tcAnalysisSettingsDlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSlider>
#include <QVBoxLayout>

#include "metering/analysis/tcAnalysisEField.h"
#include "metering/analysis/tcAnalysisSpecDyn.h"

namespace {

// A slider with its value shown beside it; `unit` follows the number.
QSlider* add_slider(QFormLayout* form, const QString& label, int lo, int hi, int value,
                    const QString& unit) {
  auto* slider = new QSlider(Qt::Horizontal);
  slider->setRange(lo, hi);
  slider->setValue(value);
  slider->setMinimumWidth(220);
  auto* shown = new QLabel(QString::number(value) + unit);
  shown->setMinimumWidth(70);
  QObject::connect(slider, &QSlider::valueChanged, shown,
                   [shown, unit](int v) { shown->setText(QString::number(v) + unit); });
  auto* row = new QHBoxLayout;
  row->addWidget(slider);
  row->addWidget(shown);
  form->addRow(label, row);
  return slider;
}

}  // namespace

tcAnalysisSettingsDlg::tcAnalysisSettingsDlg(tcAnalysisEField& efield, tcAnalysisSpecDyn& specdyn,
                                             QWidget* parent)
    : QDialog(parent), efield_(efield), specdyn_(specdyn) {
  setWindowTitle(QStringLiteral("Analysis Settings"));
  const QString frames = QStringLiteral(" frames");
  auto* evf = new QGroupBox(QStringLiteral("E vs F Display"), this);
  auto* evf_form = new QFormLayout(evf);
  evf_intg_ = add_slider(evf_form, QStringLiteral("Integration Time:"), 1, tcBandDynamics::kRing,
                         efield.intg_time(), frames);
  evf_release_ = add_slider(evf_form, QStringLiteral("Release Rate:"), tcBandDynamics::kMinRelease,
                            tcBandDynamics::kMaxRelease, efield.rls_rate(), QString());
  evf_peak_ = new QCheckBox(QStringLiteral("Peak View"), evf);
  evf_peak_->setChecked(efield.peak_hold());
  evf_form->addRow(evf_peak_);

  auto* sdr = new QGroupBox(QStringLiteral("Spectral Dynamic Range Display"), this);
  auto* sdr_form = new QFormLayout(sdr);
  sdr_intg_ = add_slider(sdr_form, QStringLiteral("Integration Time:"), 1, tcBandDynamics::kRing,
                         specdyn.intg_time(), frames);
  sdr_release_ = add_slider(sdr_form, QStringLiteral("Release Rate:"), tcBandDynamics::kMinRelease,
                            tcBandDynamics::kMaxRelease, specdyn.rls_rate(), QString());

  connect(evf_intg_, &QSlider::valueChanged, this, &tcAnalysisSettingsDlg::slot_EVFIntgTime);
  connect(evf_release_, &QSlider::valueChanged, this,
          qOverload<int>(&tcAnalysisSettingsDlg::slot_EVFPeakHold));
  connect(evf_peak_, &QCheckBox::toggled, this,
          qOverload<bool>(&tcAnalysisSettingsDlg::slot_EVFPeakHold));
  connect(sdr_intg_, &QSlider::valueChanged, this, &tcAnalysisSettingsDlg::slot_SDRIntgTime);
  connect(sdr_release_, &QSlider::valueChanged, this, &tcAnalysisSettingsDlg::slot_SDRPeakHold);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  connect(buttons, &QDialogButtonBox::rejected, this, &tcAnalysisSettingsDlg::accept);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(evf);
  layout->addWidget(sdr);
  layout->addWidget(buttons);
}

void tcAnalysisSettingsDlg::slot_EVFIntgTime(int frames) {
  efield_.set_intg_time(frames);
  emit sig_changed();
}

void tcAnalysisSettingsDlg::slot_EVFPeakHold(int rate) {
  efield_.set_rls_rate(rate);
  emit sig_changed();
}

void tcAnalysisSettingsDlg::slot_EVFPeakHold(bool on) {
  efield_.set_peak_hold(on);
  emit sig_changed();
}

void tcAnalysisSettingsDlg::slot_SDRIntgTime(int frames) {
  specdyn_.set_intg_time(frames);
  emit sig_changed();
}

void tcAnalysisSettingsDlg::slot_SDRPeakHold(int rate) {
  specdyn_.set_rls_rate(rate);
  emit sig_changed();
}
