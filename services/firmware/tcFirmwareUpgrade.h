#pragma once
// The firmware update the main window starts once on-line: choose an image
// file, check its header and signature, ask for confirmation, then run the
// transfer dialog on the link.
#include <QString>

#include "services/firmware/DownloadConfig.h"

class QWidget;
class tcApIface;

class tcFirmwareUpgrade {
 public:
  static constexpr const char* kFileFilter = "Quessa Binary Images (*.kfw)";
  static constexpr const char* kNotAnImage = "This does not appear to be an QX770HD file.";
  // The flash no-response text of the console, with where to turn for help.
  static constexpr const char* kFlashNoResponse =
      "No response from the QX770HD after Flash re-program began.\n\n"
      "This could be a serious problem.\n"
      "If the QX770HD does not restart properly, please contact the technical support "
      "of your QX770HD supplier and keep this image file at hand.";

  enum Result {
    kDone = 0,       // the processor wrote the image
    kCancelled = 1,  // no file chosen, or not confirmed
    kRefused = -1,   // not an image of ours: nothing was sent
    kFailed = -2,    // unreadable file, or the transfer failed or was cancelled
  };

  // Asks for the file, then as run_file().
  static Result run(QWidget* parent, tcApIface& link);
  // Header check, confirmation and transfer of a chosen file. `tick_ms` is the
  // downloader's timer period.
  static Result run_file(QWidget* parent, tcApIface& link, const QString& path, int tick_ms = 1000);
  // The transfer settings of the console for an image file on a link.
  static DownloadConfig config_for(QWidget* parent, tcApIface& link, const QString& path);
};
