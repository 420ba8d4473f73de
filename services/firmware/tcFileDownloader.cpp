#include "services/firmware/tcFileDownloader.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

// What a reply code does: whether it counts only for the current block, takes
// the reply's text as the message, moves the bar, acknowledges, and which status
// follows (0 for none).
struct tcFileDownloader::ReplyRule {
  uint16_t code;
  bool current_only;
  bool text;
  bool progress;
  bool ack;
  int status;
};

const tcFileDownloader::ReplyRule tcFileDownloader::kReplyRules[] = {
    {kBlockReceived, true, false, true, true, 0},
    {kImageWritten, true, false, false, false, kFinished},
    {kInfo, false, true, false, false, kInformation},
    {kFailure, false, true, false, false, kFailed},
    {kProgressInfo, false, true, true, false, kInformation},
};

tcFileDownloader::tcFileDownloader(const DownloadConfig& config)
    : QDialog(config.parent), config_(config) {
  setWindowTitle(QStringLiteral("Download Progress"));
  bar_ = new QProgressBar(this);
  bar_->setRange(0, 100);
  bar_->setValue(0);
  label_ = new QLabel(QStringLiteral("Down Loading..."), this);
  label_->setMinimumWidth(320);
  cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
  timer_ = new QTimer(this);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(cancel_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(bar_);
  layout->addWidget(label_);
  layout->addLayout(buttons);

  const auto queued = Qt::QueuedConnection;
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
  connect(this, &tcFileDownloader::sig_downloader_status, this,
          &tcFileDownloader::slot_downloader_status, queued);
  connect(this, &tcFileDownloader::sig_downloader_progress, this,
          &tcFileDownloader::slot_downloader_progress, queued);
  connect(this, &tcFileDownloader::sig_downloader_ack, this, &tcFileDownloader::slot_downloader_ack,
          queued);
  connect(timer_, &QTimer::timeout, this, &tcFileDownloader::slot_timer);

  if (open_source() != 0) return;
  // Replies are heard before the first block goes out.
  if (config_.listen) {
    config_.listen(this);
    listening_ = true;
  }
  ack_count_ = config_.ack_ticks;
  flash_count_ = config_.flash_ticks;
  timer_->start(config_.tick_ms);
  send_next_block();
}

tcFileDownloader::~tcFileDownloader() {
  if (listening_ && config_.listen) config_.listen(nullptr);
}

int tcFileDownloader::open_source() {
  if (config_.from_file) {
    file_.setFileName(config_.path);
    if (!file_.open(QIODevice::ReadOnly)) {
      fail(QStringLiteral("File open failed"));
      return -1;
    }
    size_ = file_.size();
  } else {
    size_ = config_.buffer.size();
    if (size_ == 0) {
      fail(QStringLiteral("Invalid buffer"));
      return -1;
    }
  }
  const qint64 blocks = (size_ + config_.block_size - 1) / config_.block_size;
  if (blocks == 0 || blocks > kMaxBlocks) {
    // Block numbers would wrap; the processor would take a broken image.
    fail(blocks == 0
             ? QStringLiteral("File read failed")
             : QStringLiteral("The image is too large (more than %1 blocks).").arg(kMaxBlocks));
    return -1;
  }
  blocks_.store(static_cast<uint16_t>(blocks));
  return 0;
}

void tcFileDownloader::send_next_block() {
  QByteArray data;
  if (config_.from_file) {
    if (!file_.seek(offset_)) {
      fail(QStringLiteral("File read failed"));
      return;
    }
    data = file_.read(config_.block_size);
  } else {
    data = config_.buffer.mid(static_cast<int>(offset_), config_.block_size);
  }
  if (data.isEmpty()) {
    fail(QStringLiteral("File read failed"));
    return;
  }
  offset_ += data.size();
  const uint16_t number = static_cast<uint16_t>(block_.load() + 1);
  block_.store(number);
  if (config_.send_block)
    config_.send_block(number, blocks_.load(), reinterpret_cast<const uint8_t*>(data.constData()),
                       data.size());
}

bool tcFileDownloader::current(const tcApCodec::UpgradeReply& reply) const {
  return reply.block == block_.load() && reply.blocks == blocks_.load();
}

void tcFileDownloader::upgrade_reply(const tcApCodec::UpgradeReply& reply) {
  for (const ReplyRule& rule : kReplyRules) {
    if (rule.code != reply.code) continue;
    if (rule.current_only && !current(reply)) return;
    if (rule.text) set_message(reply.text.toQString());
    if (rule.progress) emit sig_downloader_progress(reply.block, reply.blocks);
    if (rule.ack) emit sig_downloader_ack(reply.block, reply.blocks);
    if (rule.status) emit sig_downloader_status(rule.status);
    return;
  }
}

void tcFileDownloader::slot_downloader_ack(int block, int blocks) {
  if (finished_ || block != block_.load() || blocks != blocks_.load()) return;
  if (block_.load() != blocks_.load()) {
    ack_count_ = config_.ack_ticks;
    send_next_block();
  }
  if (!finished_ && block_.load() == blocks_.load()) enter_flash_phase();
}

void tcFileDownloader::enter_flash_phase() {
  label_->setText(config_.named(config_.flash_text));
  flash_count_ = config_.flash_ticks;
  flash_phase_ = true;
  cancel_->setEnabled(false);
}

void tcFileDownloader::slot_downloader_progress(int block, int blocks) {
  bar_->setValue(blocks == 0 ? 0 : block * 100 / blocks);
}

void tcFileDownloader::slot_timer() {
  if (finished_) return;
  int& counter = flash_phase_ ? flash_count_ : ack_count_;
  if (--counter > 0) return;
  fail(config_.named(flash_phase_ ? config_.flash_no_response_text : config_.no_response_text));
}

void tcFileDownloader::fail(const QString& text) {
  set_message(text);
  emit sig_downloader_status(kFailed);
}

void tcFileDownloader::set_message(const QString& text) {
  QMutexLocker hold(&message_lock_);
  message_ = text;
}

QString tcFileDownloader::message() const {
  QMutexLocker hold(&message_lock_);
  return message_;
}

void tcFileDownloader::slot_downloader_status(int status) {
  if (finished_) return;
  switch (status) {
    case kFinished: {
      finished_ = true;
      cancel_->setEnabled(false);
      timer_->stop();
      const QString success = config_.named(config_.success_text);
      if (!success.isEmpty())
        QMessageBox::information(this, QStringLiteral("Download Success"), success);
      accept();
      break;
    }
    case kInformation:
      label_->setText(message());
      break;
    case kFailed:
      finished_ = true;
      cancel_->setEnabled(false);
      timer_->stop();
      QMessageBox::critical(this, QStringLiteral("Download Error"),
                            QStringLiteral("Error: ") + message());
      reject();
      break;
    default:
      break;
  }
}

void tcFileDownloader::done(int result) {
  timer_->stop();
  finished_ = true;
  if (listening_ && config_.listen) config_.listen(nullptr);
  listening_ = false;
  QDialog::done(result);
}

void tcFileDownloader::keyPressEvent(QKeyEvent* event) {
  if (flash_phase_ && event->key() == Qt::Key_Escape) return;
  QDialog::keyPressEvent(event);
}

void tcFileDownloader::closeEvent(QCloseEvent* event) {
  if (flash_phase_ && !finished_) {
    event->ignore();
    return;
  }
  QDialog::closeEvent(event);
}
