#pragma once
// The settings dialog shared by both meter panels: LED count and the two
// gradients. The panels' own dialogs only name themselves.
#include <QDialog>

class QLineEdit;
class tcMeters;

class tcMetersDlg : public QDialog {
  Q_OBJECT
 public:
  static constexpr const char* kLedsError = "Invalid Number of LEDs (0 to 200)";
  static constexpr int kMaxLeds = 200;

  // The LED count of `text`, or -1 when it is not an integer from 0 to 200.
  static int parse_leds(const QString& text);

  QLineEdit* fg_edit() const { return fg_; }
  QLineEdit* bg_edit() const { return bg_; }
  QLineEdit* leds_edit() const { return leds_; }

 public slots:
  void slot_defaults();
  void accept() override;

 protected:
  tcMetersDlg(tcMeters& panel, const QString& title, const QString& leds_label, QWidget* parent);

 private:
  tcMeters& panel_;
  QLineEdit* fg_;
  QLineEdit* bg_;
  QLineEdit* leds_;
};
