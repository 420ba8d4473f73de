#pragma once
// "Processor Version": the firmware version, the description lines, the
// bootloader and the MAC address as the processor last reported them. It reads
// the link's device record again on every version report, so it blanks when
// the link changes and the record is cleared.
#include <QDialog>

class QLabel;
class QPushButton;
class tcApIface;
class tcApStores;
class tcDeviceInfo;
class tcLinkSignals;

class tcDeviceVersionDlg : public QDialog {
  Q_OBJECT

 public:
  static constexpr const char* kQuerying = "Querying version info...";
  enum Line { kVersion, kFirstText, kBootloader, kThirdText, kSecondText, kMac, kLines };

  // `reports` (optional): the version and MAC reports refresh the dialog.
  explicit tcDeviceVersionDlg(const tcDeviceInfo& info, tcLinkSignals* reports = nullptr,
                              QWidget* parent = nullptr);

  // Creates the dialog on the stores' device record, sends the version request
  // over `link` and runs the dialog.
  static void run(QWidget* parent, tcApStores& stores, tcApIface* link);

  // The label of a line; hidden when the line has nothing to show.
  QLabel* line(Line which) const { return lines_[which]; }

 public slots:
  void slot_recv_version();

 private:
  const tcDeviceInfo& info_;
  QLabel* lines_[kLines];
};
