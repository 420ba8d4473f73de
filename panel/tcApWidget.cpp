#include "panel/tcApWidget.h"

#include <QCloseEvent>
#include <QIcon>

tcApWidget::tcApWidget(QWidget* parent) : QWidget(parent) {
  tcAppContext::load_resources();
}

tcApWidget::~tcApWidget() {
  release_shared_stores();
}

int tcApWidget::init(const tcAppSetup& setup) {
  // Command line, directories, option stores, skin log, CRC-32 table.
  context_ = std::make_unique<tcAppContext>(setup);
  context_->start();
  context_->install_log_hook();

  setWindowTitle(QString::fromLatin1(kTitle));
  setWindowIcon(QIcon(QString::fromLatin1(kIconPath)));

  create_shared_stores();
  return 0;
}

void tcApWidget::create_shared_stores() {
  // In this order: preset grabber and pusher, change records and global change
  // flags, the global store, the 8 live banks, the quick-save store, the meter
  // listener, the device list (current device from the options).
}

void tcApWidget::release_shared_stores() {
  if (!context_) return;
  context_->flush_options();
  context_.reset();
}

void tcApWidget::closeEvent(QCloseEvent* event) {
  release_shared_stores();
  event->accept();
}
