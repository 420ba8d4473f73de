#pragma once
// Integration time, release rate and peak view of the E vs F and SDR views.
// Every change takes effect at once.
#include <QDialog>

class QCheckBox;
class QLabel;
class QSlider;
class tcAnalysisEField;
class tcAnalysisSpecDyn;

class tcAnalysisSettingsDlg : public QDialog {
  Q_OBJECT
 public:
  tcAnalysisSettingsDlg(tcAnalysisEField& efield, tcAnalysisSpecDyn& specdyn,
                        QWidget* parent = nullptr);

  QSlider* evf_intg() const { return evf_intg_; }
  QSlider* evf_release() const { return evf_release_; }
  QCheckBox* evf_peak() const { return evf_peak_; }
  QSlider* sdr_intg() const { return sdr_intg_; }
  QSlider* sdr_release() const { return sdr_release_; }

 public slots:
  void slot_EVFIntgTime(int frames);
  // The E vs F release rate.
  void slot_EVFPeakHold(int rate);
  // The E vs F peak view.
  void slot_EVFPeakHold(bool on);
  void slot_SDRIntgTime(int frames);
  // The SDR release rate.
  void slot_SDRPeakHold(int rate);

 signals:
  // A setting changed: the display should be drawn again.
  void sig_changed();

 private:
  tcAnalysisEField& efield_;
  tcAnalysisSpecDyn& specdyn_;
  QSlider* evf_intg_;
  QSlider* evf_release_;
  QCheckBox* evf_peak_;
  QSlider* sdr_intg_;
  QSlider* sdr_release_;
};
