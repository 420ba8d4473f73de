#pragma once
// "Event Scheduler": the processor's schedule of weekly and long-term preset
// takes, fetched when the dialog opens and sent back whole on "Okay". It also
// shows the processor's clock and sets it. The events arrive on the link's
// thread and are shown after the queued new-events report.
#include <QDialog>

#include "services/events/tcEventSchedule.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTreeWidget;
class tcApIface;
class tcApStores;
class tcMeterRecord;
class tcOptions;

class tcEventScheduler : public QDialog {
  Q_OBJECT

 public:
  static constexpr const char* kTooMany =
      "You have entered more than the maximum allowed %d events."
      "\nWould you like to send what will fit, and discard the remainder?";
  static constexpr const char* kViewNames[8] = {"ALL", "SUN", "MON", "TUE",
                                                "WED", "THU", "FRI", "SAT"};

  // `clock` is the processor clock of the newest meter record, kept by the
  // caller while the dialog runs; `link` (none while off-line) sends the
  // requests. Asks the processor for its schedule at once.
  tcEventScheduler(tcApStores& stores, tcOptions& options, const tcMeterRecord& clock,
                   tcApIface* link, QWidget* parent = nullptr);

  const tcEventSchedule& schedule() const { return schedule_; }
  QTreeWidget* week_tree() const { return tree_week_; }
  QTreeWidget* long_tree() const { return tree_long_; }
  QLabel* clock_label() const { return clock_; }
  QCheckBox* hour24_box() const { return check24_; }
  // 0 ALL, 1 SUN .. 7 SAT.
  QRadioButton* view_button(int view) const { return views_[view]; }
  QPushButton* button(const char* object_name) const;

 public slots:
  void accept() override;
  void slot_update_ap_time();
  void slot_update_events();

 private slots:
  void on_btnWeekAdd_clicked();
  void on_btnWeekEdit_clicked();
  void on_btnWeekDelete_clicked();
  void on_btnLongAdd_clicked();
  void on_btnLongEdit_clicked();
  void on_btnLongDelete_clicked();
  void on_check24Hour_stateChanged();
  void on_btnTimeSet_clicked();
  void on_radioButton_ALL_clicked() { set_view(0); }
  void on_radioButton_SUN_clicked() { set_view(1); }
  void on_radioButton_MON_clicked() { set_view(2); }
  void on_radioButton_TUE_clicked() { set_view(3); }
  void on_radioButton_WED_clicked() { set_view(4); }
  void on_radioButton_THU_clicked() { set_view(5); }
  void on_radioButton_FRI_clicked() { set_view(6); }
  void on_radioButton_SAT_clicked() { set_view(7); }

 private:
  QPushButton* add_button(const char* text, const char* object_name);
  QTreeWidget* make_tree(const char* object_name, const char* first_column);
  QTreeWidget* tree_of(tcEventSchedule::List list) const;
  template <class Dlg>
  void add_event(tcEventSchedule::List list);
  template <class Dlg>
  void edit_event(tcEventSchedule::List list);
  void delete_events(tcEventSchedule::List list);
  void set_view(int view);
  // Both lists again from the schedule.
  void redraw();
  void fill(QTreeWidget* tree, const std::vector<tcEventSchedule::Event>& events);
  // The row of the current item, -1 when none.
  static int current_row(const QTreeWidget* tree);
  static std::set<int> selected_rows(const QTreeWidget* tree);

  tcApStores& stores_;
  tcOptions& options_;
  const tcMeterRecord& ap_clock_;
  tcApIface* const link_;
  bool hour24_;
  tcEventSchedule schedule_;

  QLabel* clock_;
  QCheckBox* check24_;
  QTreeWidget* tree_week_;
  QTreeWidget* tree_long_;
  QRadioButton* views_[8];
};
