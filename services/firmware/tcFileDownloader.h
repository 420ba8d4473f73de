#pragma once
// The modal progress dialog of a firmware transfer. It sends the image in
// numbered blocks, one block per acknowledgement, then waits while the
// processor writes its flash. Replies come from the link's thread through
// upgrade_reply(), which only emits the dialog's queued signals; sending, the
// one-second timer and all dialog work run on the GUI thread.
#include <QDialog>
#include <QFile>
#include <QMutex>
#include <atomic>
#include <cstdint>

#include "link/transport/tcUpgradeListener.h"
#include "services/firmware/DownloadConfig.h"

class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

class tcFileDownloader : public QDialog, public tcUpgradeListener {
  Q_OBJECT

 public:
  enum Status { kFinished = 1, kInformation = 2, kFailed = 3 };
  enum ReplyCode : uint16_t {
    kBlockReceived = 0,
    kImageWritten = 1,
    kInfo = 2,
    kFailure = 3,
    kProgressInfo = 4
  };
  static constexpr int kMaxBlocks = 0xFFFF;  // block numbers are 16-bit

  // Registers itself for the replies, opens the image and sends the first block.
  explicit tcFileDownloader(const DownloadConfig& config);
  ~tcFileDownloader() override;

  // Transport thread.
  void upgrade_reply(const tcApCodec::UpgradeReply& reply) override;

  int block() const { return block_.load(); }
  int blocks() const { return blocks_.load(); }
  bool flash_phase() const { return flash_phase_; }
  QString message() const;
  QProgressBar* progress_bar() const { return bar_; }
  QLabel* message_label() const { return label_; }
  QPushButton* cancel_button() const { return cancel_; }

  // Unregisters from the link whichever way the dialog ends.
  void done(int result) override;

 signals:
  void sig_downloader_status(int status);
  void sig_downloader_progress(int block, int blocks);
  void sig_downloader_ack(int block, int blocks);

 private slots:
  void slot_downloader_status(int status);
  void slot_downloader_progress(int block, int blocks);
  void slot_downloader_ack(int block, int blocks);
  void slot_timer();

 protected:
  // The processor is writing its flash: the dialog stays until it answers.
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  struct ReplyRule;
  static const ReplyRule kReplyRules[];

  int open_source();
  void send_next_block();
  void enter_flash_phase();
  void fail(const QString& text);
  void set_message(const QString& text);
  bool current(const tcApCodec::UpgradeReply& reply) const;

  DownloadConfig config_;
  QProgressBar* bar_;
  QLabel* label_;
  QPushButton* cancel_;
  QTimer* timer_;
  QFile file_;
  qint64 offset_ = 0;
  qint64 size_ = 0;
  std::atomic<uint16_t> block_{0};
  std::atomic<uint16_t> blocks_{0};
  int ack_count_ = 0;
  int flash_count_ = 0;
  bool flash_phase_ = false;
  bool finished_ = false;  // a final status has been taken
  bool listening_ = false;
  mutable QMutex message_lock_;
  QString message_;
};
