#pragma once
// "Time Date Set": sets the processor's clock by hand (a date-time, optionally
// following this PC's clock) or tells it to follow an SNTP server with a time
// zone offset. The results are read back from the fields after OK.
#include <QDate>
#include <QDialog>
#include <QTime>
#include <cstdint>

#include "link/protocol/tcApCodec.h"

class QCheckBox;
class QDateTimeEdit;
class QLabel;
class QLineEdit;
class QRadioButton;
class QTimer;
class tcApIface;
class tcMeterRecord;

class tcTimeDateSetDlg : public QDialog {
  Q_OBJECT

 public:
  static constexpr const char* kFormat24 = "MMM d, yyyy hh:mm:ss";
  static constexpr const char* kFormat12 = "MMM d, yyyy hh:mm:ss ap";
  static constexpr int kPcTimeMs = 100;

  // `mode` is tcClockFields::kManual or kSntp; `server` in network order.
  tcTimeDateSetDlg(bool hour24, const QDate& date, const QTime& time, int mode, uint32_t server,
                   int32_t offset_seconds, QWidget* parent = nullptr);

  // Opens the dialog on a processor clock (the cached clock of the meter
  // records) and on OK sends the clock-set message over `link`. 0 when sent,
  // 1 when cancelled, -1 when the link refused the send.
  static int run(QWidget* parent, const tcMeterRecord& clock, bool hour24, tcApIface* link);

  // After OK.
  QDate date() const { return date_; }
  QTime time() const { return time_; }
  int mode() const { return mode_; }
  uint32_t server() const { return server_; }
  int32_t offset_seconds() const { return offset_; }
  tcApCodec::ClockSet clock_set() const;

  QRadioButton* manual_button() const { return manual_; }
  QRadioButton* sntp_button() const { return sntp_; }
  QDateTimeEdit* date_time_field() const { return date_time_; }
  QCheckBox* hour24_box() const { return hour24_box_; }
  QCheckBox* pc_time_box() const { return pc_time_; }
  QLineEdit* offset_field() const { return offset_field_; }
  QLineEdit* server_field() const { return server_field_; }

 public slots:
  void accept() override;

 private slots:
  void slot_mode_changed();
  void slot_hour24_changed();
  void slot_pc_time_changed();
  void slot_pc_time_tick();

 private:
  bool hour24_;
  QDate date_;
  QTime time_;
  int mode_;
  uint32_t server_;
  int32_t offset_;
  bool pc_time_on_ = false;

  QRadioButton* manual_;
  QRadioButton* sntp_;
  QDateTimeEdit* date_time_;
  QCheckBox* hour24_box_;
  QCheckBox* pc_time_;
  QLabel* offset_label_;
  QLineEdit* offset_field_;
  QLabel* server_label_;
  QLineEdit* server_field_;
  QTimer* timer_;
};
