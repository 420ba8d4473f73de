#include "services/firmware/tcFileDownloader.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <vector>

#include "support/tcModalDriver.h"

namespace {

struct Sent {
  int block;
  int blocks;
  QByteArray data;
};

class Downloader : public ::testing::Test {
 protected:
  DownloadConfig config(const QByteArray& image) {
    DownloadConfig c;
    c.from_file = false;
    c.buffer = image;
    c.tick_ms = 5;
    c.send_block = [this](uint16_t block, uint16_t blocks, const uint8_t* data, int size) {
      sent.push_back({block, blocks, QByteArray(reinterpret_cast<const char*>(data), size)});
      return 1036;
    };
    c.listen = [this](tcUpgradeListener* l) { listener = l; };
    return c;
  }
  static void reply(tcFileDownloader& d, int block, int blocks, int code, const char* text = "") {
    tcApCodec::UpgradeReply r;
    r.block = static_cast<uint16_t>(block);
    r.blocks = static_cast<uint16_t>(blocks);
    r.code = static_cast<uint16_t>(code);
    r.text = text;
    d.upgrade_reply(r);
    QCoreApplication::processEvents();
  }
  // Runs the dialog to its end and returns the box it showed.
  static QString run_to_box(tcFileDownloader& d, int* result = nullptr) {
    QString title, text;
    answer_next_box(QMessageBox::Ok, &title, &text);
    const int r = d.exec();
    if (result) *result = r;
    return title + "|" + text;
  }

  std::vector<Sent> sent;
  tcUpgradeListener* listener = nullptr;
};

}  // namespace

TEST_F(Downloader, SendsOneBlockPerAcknowledgementWithTheRestInTheLast) {
  tcFileDownloader two(config(QByteArray(2048, 'a')));
  EXPECT_EQ(listener, &two);  // heard before the first block went out
  EXPECT_EQ(two.blocks(), 2);
  ASSERT_EQ(sent.size(), 1u);
  EXPECT_EQ(sent[0].block, 1);
  EXPECT_EQ(sent[0].data.size(), 1024);

  sent.clear();
  QByteArray image(2049, 'b');
  image[2048] = 'z';
  tcFileDownloader three(config(image));
  EXPECT_EQ(three.blocks(), 3);
  reply(three, 1, 3, tcFileDownloader::kBlockReceived);
  EXPECT_EQ(three.progress_bar()->value(), 33);
  EXPECT_FALSE(three.flash_phase());
  // An acknowledgement of an older block changes nothing.
  reply(three, 1, 3, tcFileDownloader::kBlockReceived);
  reply(three, 2, 4, tcFileDownloader::kBlockReceived);
  EXPECT_EQ(sent.size(), 2u);
  EXPECT_EQ(three.progress_bar()->value(), 33);
  reply(three, 2, 3, tcFileDownloader::kBlockReceived);
  ASSERT_EQ(sent.size(), 3u);
  EXPECT_EQ(sent[2].block, 3);
  EXPECT_EQ(sent[2].blocks, 3);
  EXPECT_EQ(sent[2].data, "z");
  // The flash phase starts as soon as the last block is out.
  EXPECT_TRUE(three.flash_phase());
  EXPECT_FALSE(three.cancel_button()->isEnabled());
  EXPECT_EQ(three.message_label()->text(),
            "Writing QX770HD Image To Flash ROM...\nThis may take several seconds.");
}

TEST_F(Downloader, AOneBlockImageFlashesOnItsAcknowledgementAndFinishes) {
  tcFileDownloader d(config("image"));
  EXPECT_FALSE(d.flash_phase());
  EXPECT_TRUE(d.cancel_button()->isEnabled());
  reply(d, 1, 1, tcFileDownloader::kBlockReceived);
  EXPECT_TRUE(d.flash_phase());
  EXPECT_EQ(d.progress_bar()->value(), 100);
  reply(d, 1, 1, tcFileDownloader::kInfo, "Writing image to flash...");
  EXPECT_EQ(d.message_label()->text(), "Writing image to flash...");

  QString title, text;
  answer_next_box(QMessageBox::Ok, &title, &text);
  reply(d, 1, 1, tcFileDownloader::kImageWritten);
  EXPECT_EQ(title, "Download Success");
  EXPECT_EQ(text, "Reboot the QX770HD for the changes to take effect.");
  EXPECT_EQ(d.result(), QDialog::Accepted);
  EXPECT_EQ(listener, nullptr);
}

TEST_F(Downloader, SilenceAndFailureRepliesEndInAnError) {
  DownloadConfig c = config(QByteArray(3000, 'c'));
  c.ack_ticks = 3;
  tcFileDownloader silent(c);
  int result = -1;
  EXPECT_EQ(run_to_box(silent, &result), "Download Error|Error: No response from the QX770HD.");
  EXPECT_EQ(result, QDialog::Rejected);
  EXPECT_EQ(listener, nullptr);

  c = config("x");
  c.flash_ticks = 3;
  tcFileDownloader flashing(c);
  reply(flashing, 1, 1, tcFileDownloader::kBlockReceived);
  EXPECT_EQ(run_to_box(flashing),
            "Download Error|Error: No response from the QX770HD after Flash re-progam began.\n\n"
            "This could be a serious problem.\n");

  tcFileDownloader refused(config(QByteArray(5000, 'd')));
  // Progress with information moves the bar whatever the block.
  reply(refused, 4, 5, tcFileDownloader::kProgressInfo, "Erasing");
  EXPECT_EQ(refused.message_label()->text(), "Erasing");
  EXPECT_EQ(refused.progress_bar()->value(), 80);
  QString title, text;
  answer_next_box(QMessageBox::Ok, &title, &text);
  reply(refused, 9, 9, tcFileDownloader::kFailure, "Bad image");
  EXPECT_EQ(text, "Error: Bad image");
  EXPECT_EQ(refused.result(), QDialog::Rejected);
}

TEST_F(Downloader, AnImageThatCannotBeSentIsRefusedAtOnce) {
  tcFileDownloader empty(config(QByteArray()));
  EXPECT_EQ(run_to_box(empty), "Download Error|Error: Invalid buffer");

  DownloadConfig missing = config(QByteArray());
  missing.from_file = true;
  missing.path = "/nonexistent/image.kfw";
  tcFileDownloader no_file(missing);
  EXPECT_EQ(run_to_box(no_file), "Download Error|Error: File open failed");

  // More blocks than the 16-bit block numbers count.
  QTemporaryDir dir;
  QFile big(dir.filePath("big.kfw"));
  ASSERT_TRUE(big.open(QIODevice::WriteOnly) && big.resize(65535LL * 1024 + 1));
  big.close();
  DownloadConfig huge = missing;
  huge.path = big.fileName();
  tcFileDownloader too_big(huge);
  EXPECT_TRUE(run_to_box(too_big).contains("too large"));
  EXPECT_TRUE(sent.empty());
}
