#pragma once
// What a firmware transfer needs: the image (a file, or bytes in memory), the
// block size, the time-outs in timer ticks, the texts shown (with "%s" standing
// for the processor's name) and the two hooks into the link.
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <functional>

class QWidget;
class tcApIface;
class tcUpgradeListener;

struct DownloadConfig {
  static constexpr int kBlockSize = 1024;
  static constexpr const char* kDeviceName = "QX770HD";
  static constexpr const char* kNoResponse = "No response from the %s.";
  static constexpr const char* kFlashNoResponse =
      "No response from the %s after Flash re-progam began.\n\nThis could be a serious problem.\n";
  static constexpr const char* kSuccess = "Reboot the %s for the changes to take effect.";
  static constexpr const char* kFlashing =
      "Writing %s Image To Flash ROM...\nThis may take several seconds.";

  // Sends one block (message 0x0011): block number from 1, number of blocks,
  // data and its length. The link's count, or -1.
  using BlockSender = std::function<int(uint16_t, uint16_t, const uint8_t*, int)>;
  // Registers the receiver of upgrade replies; nullptr unregisters it.
  using ReplyHook = std::function<void(tcUpgradeListener*)>;

  bool from_file = true;
  QString path;       // a file source
  QByteArray buffer;  // a memory source
  int block_size = kBlockSize;
  QWidget* parent = nullptr;
  int ack_ticks = 10;    // per block
  int flash_ticks = 60;  // once the last block is out
  int tick_ms = 1000;
  QString device_name = QString::fromLatin1(kDeviceName);
  QString no_response_text = QString::fromLatin1(kNoResponse);
  QString flash_no_response_text = QString::fromLatin1(kFlashNoResponse);
  QString success_text = QString::fromLatin1(kSuccess);
  QString flash_text = QString::fromLatin1(kFlashing);
  BlockSender send_block;
  ReplyHook listen;

  // The block sender and the reply hook of a link.
  void use_link(tcApIface& link);
  // A text with the processor's name put in for "%s".
  QString named(const QString& text) const;
};
