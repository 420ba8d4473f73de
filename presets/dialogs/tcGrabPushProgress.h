#pragma once
// "Preset Transfer": the share of a multi-preset copy done and the preset on
// its way. Shown application-modal while the transfer waits for the processor,
// so nothing else is clicked meanwhile.
#include <QDialog>

class QLabel;
class QProgressBar;

class tcGrabPushProgress : public QDialog {
  Q_OBJECT

 public:
  explicit tcGrabPushProgress(QWidget* parent = nullptr);

  // 100 x done / total percent (0 for a total of 0) and the line of text.
  void set_progress(int done, int total, const QString& text);
  static int percent(int done, int total);

  int value() const;
  QString text() const;

 private:
  QProgressBar* bar_;
  QLabel* label_;
};
