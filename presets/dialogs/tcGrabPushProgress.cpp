#include "presets/dialogs/tcGrabPushProgress.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

tcGrabPushProgress::tcGrabPushProgress(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Preset Transfer"));
  setWindowModality(Qt::ApplicationModal);
  bar_ = new QProgressBar(this);
  bar_->setRange(0, 100);
  bar_->setValue(0);
  label_ = new QLabel(this);
  label_->setMinimumWidth(320);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label_);
  layout->addWidget(bar_);
}

int tcGrabPushProgress::percent(int done, int total) {
  return total > 0 ? 100 * done / total : 0;
}

void tcGrabPushProgress::set_progress(int done, int total, const QString& text) {
  bar_->setValue(percent(done, total));
  label_->setText(text);
  if (!isVisible()) show();
  // Shown now, before the transfer blocks on the processor.
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

int tcGrabPushProgress::value() const {
  return bar_->value();
}

QString tcGrabPushProgress::text() const {
  return label_->text();
}
