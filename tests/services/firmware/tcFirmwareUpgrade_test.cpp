#include "services/firmware/tcFirmwareUpgrade.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "link/transport/tcLinkTestWorld.h"
#include "services/firmware/tcFileDownloader.h"
#include "services/tcSimConsole.h"
#include "support/tcModalDriver.h"
#include "tests/services/firmware/tcFirmwareTransfer.h"

namespace {

class FirmwareFile : public ::testing::Test {
 protected:
  QString write(const QByteArray& bytes) {
    const QString path = dir.filePath("image.kfw");
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
    return path;
  }
  QTemporaryDir dir;
};

}  // namespace

TEST_F(FirmwareFile, ImagesThatAreNotOursAreRefusedAndNothingIsSent) {
  tcLinkTestWorld world;
  tcCapturingLink link(world.link_stores());
  QString title, text;

  answer_next_box(QMessageBox::Ok, &title, &text);
  EXPECT_EQ(tcFirmwareUpgrade::run_file(nullptr, link, write("MORVALLION QX770X UPGRADE\n")),
            tcFirmwareUpgrade::kRefused);
  EXPECT_EQ(title, "Error");
  EXPECT_EQ(text, "This does not appear to be an QX770HD file.");

  answer_next_box(QMessageBox::Ok, &title, &text);
  EXPECT_EQ(tcFirmwareUpgrade::run_file(nullptr, link, write("APVER:1\nENDHEADER\ndata")),
            tcFirmwareUpgrade::kRefused);
  EXPECT_TRUE(text.endsWith("Signature found: ???"));

  answer_next_box(QMessageBox::No, &title, &text);
  EXPECT_EQ(
      tcFirmwareUpgrade::run_file(nullptr, link, write(QByteArray(kTestImageHeader) + "data")),
      tcFirmwareUpgrade::kCancelled);
  EXPECT_EQ(title, "Verify Download");
  EXPECT_TRUE(text.startsWith("MORVALLION QX770X UPGRADE\nAP Version: 2.8.1\n"));

  answer_next_box(QMessageBox::Ok, &title, &text);
  EXPECT_EQ(tcFirmwareUpgrade::run_file(nullptr, link, dir.filePath("missing.kfw")),
            tcFirmwareUpgrade::kFailed);
  EXPECT_EQ(text, "File open failed");
  EXPECT_TRUE(link.sent().empty());
}

TEST_F(FirmwareFile, AnImageOfFiftyBlocksReachesTheSimulator) {
  tcSimConsole console;
  ASSERT_TRUE(console.start());
  const QString path = write(test_image(50));
  std::vector<int> progress;
  QString title, text;
  answer_transfer(&progress, &title, &text);
  EXPECT_EQ(tcFirmwareUpgrade::run_file(nullptr, *console.link(), path, 100),
            tcFirmwareUpgrade::kDone);
  EXPECT_EQ(title, "Download Success");
  EXPECT_EQ(text, "Reboot the QX770HD for the changes to take effect.");
  // The bar moved with the acknowledged blocks, up to the whole image.
  ASSERT_GE(progress.size(), 10u);
  EXPECT_TRUE(std::is_sorted(progress.begin(), progress.end()));
  EXPECT_EQ(progress.back(), 100);
  EXPECT_EQ(console.link()->last_upgrade_reply().code, tcFileDownloader::kImageWritten);
}
