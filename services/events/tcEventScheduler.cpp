#include "services/events/tcEventScheduler.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/core/tcOptions.h"
#include "link/protocol/tcMeterRecord.h"
#include "link/transport/tcApIface.h"
#include "link/transport/tcApStores.h"
#include "services/clock/tcTimeDateSetDlg.h"
#include "services/events/tcEventLongDlg.h"
#include "services/events/tcEventText.h"
#include "services/events/tcEventWeekDlg.h"

tcEventScheduler::tcEventScheduler(tcApStores& stores, tcOptions& options,
                                   const tcMeterRecord& clock, tcApIface* link, QWidget* parent)
    : QDialog(parent),
      stores_(stores),
      options_(options),
      ap_clock_(clock),
      link_(link),
      hour24_(options.time_24hour() > 0) {
  setWindowTitle(QStringLiteral("Event Scheduler"));

  // Clock line.
  clock_ = new QLabel(this);
  check24_ = new QCheckBox(QStringLiteral("24 Hour"), this);
  check24_->setObjectName(QStringLiteral("check24Hour"));
  check24_->setChecked(hour24_);
  auto* clock_row = new QHBoxLayout;
  clock_row->addWidget(clock_, 1);
  clock_row->addWidget(check24_);
  clock_row->addWidget(add_button("Set Time...", "btnTimeSet"));

  // Weekly rotation with its view filter.
  tree_week_ = make_tree("treeWeek", "Day(s)");
  auto* view_row = new QHBoxLayout;
  view_row->addWidget(new QLabel(QStringLiteral("View:"), this));
  auto* views = new QButtonGroup(this);
  for (int v = 0; v < 8; ++v) {
    views_[v] = new QRadioButton(QString::fromLatin1(kViewNames[v]), this);
    views_[v]->setObjectName(QStringLiteral("radioButton_") + QLatin1String(kViewNames[v]));
    views->addButton(views_[v], v);
    view_row->addWidget(views_[v]);
  }
  view_row->addStretch();
  views_[0]->setChecked(true);
  auto* week_buttons = new QHBoxLayout;
  week_buttons->addWidget(add_button("Add...", "btnWeekAdd"));
  week_buttons->addWidget(add_button("Edit...", "btnWeekEdit"));
  week_buttons->addWidget(add_button("Delete", "btnWeekDelete"));
  week_buttons->addStretch();
  auto* week_box = new QGroupBox(QStringLiteral("Weekly Rotation:"), this);
  auto* week_layout = new QVBoxLayout(week_box);
  week_layout->addWidget(tree_week_);
  week_layout->addLayout(view_row);
  week_layout->addLayout(week_buttons);

  // Long-term rotation.
  tree_long_ = make_tree("treeLong", "Date");
  auto* long_buttons = new QHBoxLayout;
  long_buttons->addWidget(add_button("Add...", "btnLongAdd"));
  long_buttons->addWidget(add_button("Edit...", "btnLongEdit"));
  long_buttons->addWidget(add_button("Delete", "btnLongDelete"));
  long_buttons->addStretch();
  auto* long_box = new QGroupBox(QStringLiteral("Long Term Rotation:"), this);
  auto* long_layout = new QVBoxLayout(long_box);
  long_layout->addWidget(tree_long_);
  long_layout->addLayout(long_buttons);

  auto* okay = add_button("Okay", "btnOkay");
  okay->setDefault(true);
  auto* cancel = add_button("Cancel", "btnCancel");
  auto* end_row = new QHBoxLayout;
  end_row->addStretch();
  end_row->addWidget(okay);
  end_row->addWidget(cancel);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(clock_row);
  layout->addWidget(week_box, 3);
  layout->addWidget(long_box, 2);
  layout->addLayout(end_row);
  resize(560, 600);

  connect(button("btnTimeSet"), &QPushButton::clicked, this,
          &tcEventScheduler::on_btnTimeSet_clicked);
  connect(button("btnWeekAdd"), &QPushButton::clicked, this,
          &tcEventScheduler::on_btnWeekAdd_clicked);
  connect(button("btnWeekEdit"), &QPushButton::clicked, this,
          &tcEventScheduler::on_btnWeekEdit_clicked);
  connect(button("btnWeekDelete"), &QPushButton::clicked, this,
          &tcEventScheduler::on_btnWeekDelete_clicked);
  connect(button("btnLongAdd"), &QPushButton::clicked, this,
          &tcEventScheduler::on_btnLongAdd_clicked);
  connect(button("btnLongEdit"), &QPushButton::clicked, this,
          &tcEventScheduler::on_btnLongEdit_clicked);
  connect(button("btnLongDelete"), &QPushButton::clicked, this,
          &tcEventScheduler::on_btnLongDelete_clicked);
  connect(okay, &QPushButton::clicked, this, &tcEventScheduler::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(check24_, &QCheckBox::stateChanged, this, &tcEventScheduler::on_check24Hour_stateChanged);
  connect(tree_week_, &QTreeWidget::itemDoubleClicked, this,
          &tcEventScheduler::on_btnWeekEdit_clicked);
  connect(tree_long_, &QTreeWidget::itemDoubleClicked, this,
          &tcEventScheduler::on_btnLongEdit_clicked);
  using View = void (tcEventScheduler::*)();
  static const View kViewSlots[8] = {
      &tcEventScheduler::on_radioButton_ALL_clicked, &tcEventScheduler::on_radioButton_SUN_clicked,
      &tcEventScheduler::on_radioButton_MON_clicked, &tcEventScheduler::on_radioButton_TUE_clicked,
      &tcEventScheduler::on_radioButton_WED_clicked, &tcEventScheduler::on_radioButton_THU_clicked,
      &tcEventScheduler::on_radioButton_FRI_clicked, &tcEventScheduler::on_radioButton_SAT_clicked};
  for (int v = 0; v < 8; ++v) connect(views_[v], &QRadioButton::clicked, this, kViewSlots[v]);
  // The schedule arrives on the link's thread.
  connect(&stores_.link_signals(), &tcLinkSignals::sig_new_events, this,
          &tcEventScheduler::slot_update_events, Qt::QueuedConnection);

  slot_update_ap_time();
  slot_update_events();
  if (link_) {
    tcFrame request = tcApCodec::empty(tcFrame::kEventRequest);
    link_->send_frame(request);
  }
}

QPushButton* tcEventScheduler::add_button(const char* text, const char* object_name) {
  auto* b = new QPushButton(QString::fromLatin1(text), this);
  b->setObjectName(QString::fromLatin1(object_name));
  b->setAutoDefault(false);
  return b;
}

QPushButton* tcEventScheduler::button(const char* object_name) const {
  return findChild<QPushButton*>(QString::fromLatin1(object_name));
}

QTreeWidget* tcEventScheduler::make_tree(const char* object_name, const char* first_column) {
  auto* tree = new QTreeWidget(this);
  tree->setObjectName(QString::fromLatin1(object_name));
  tree->setRootIsDecorated(false);
  tree->setSelectionMode(QAbstractItemView::ExtendedSelection);
  tree->setHeaderLabels(
      {QString::fromLatin1(first_column), QStringLiteral("Time"), QStringLiteral("Preset")});
  tree->header()->setStretchLastSection(true);
  tree->setColumnWidth(0, 110);
  tree->setColumnWidth(1, 110);
  return tree;
}

void tcEventScheduler::slot_update_events() {
  schedule_.load(stores_.events().events());
  redraw();
}

void tcEventScheduler::redraw() {
  fill(tree_week_, schedule_.week());
  fill(tree_long_, schedule_.long_term());
}

void tcEventScheduler::fill(QTreeWidget* tree, const std::vector<tcEventSchedule::Event>& events) {
  tree->clear();
  // The day letters line up in a fixed-pitch font.
  const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  QList<QTreeWidgetItem*> items;
  for (const tcEventSchedule::Event& e : events) {
    auto* item = new QTreeWidgetItem(tcEventText::row(e, stores_.directory(), hour24_));
    if (tree == tree_week_) item->setFont(0, fixed);
    items.append(item);
  }
  tree->addTopLevelItems(items);
}

void tcEventScheduler::set_view(int view) {
  schedule_.set_filter(view == 0 ? tcEventSchedule::kAllDays
                                 : static_cast<uint8_t>(1u << (view - 1)));
  fill(tree_week_, schedule_.week());
}

void tcEventScheduler::slot_update_ap_time() {
  clock_->setText(tcEventText::clock_line(ap_clock_, hour24_));
}

void tcEventScheduler::on_check24Hour_stateChanged() {
  hour24_ = check24_->isChecked();
  options_.set_time_24hour(hour24_ ? 1 : 0);
  if (options_.flush() != 0)
    QMessageBox::warning(this, QStringLiteral("Error"), options_.write_error());
  redraw();
  slot_update_ap_time();
}

void tcEventScheduler::on_btnTimeSet_clicked() {
  tcTimeDateSetDlg::run(this, ap_clock_, hour24_, link_);
}

int tcEventScheduler::current_row(const QTreeWidget* tree) {
  QTreeWidgetItem* item = tree->currentItem();
  return item ? tree->indexOfTopLevelItem(item) : -1;
}

std::set<int> tcEventScheduler::selected_rows(const QTreeWidget* tree) {
  std::set<int> rows;
  for (QTreeWidgetItem* item : tree->selectedItems()) rows.insert(tree->indexOfTopLevelItem(item));
  return rows;
}

QTreeWidget* tcEventScheduler::tree_of(tcEventSchedule::List list) const {
  return list == tcEventSchedule::kWeekly ? tree_week_ : tree_long_;
}

// Dlg is the list's event dialog: tcEventWeekDlg or tcEventLongDlg.
template <class Dlg>
void tcEventScheduler::add_event(tcEventSchedule::List list) {
  Dlg dlg(hour24_, stores_.directory(), nullptr, this);
  if (dlg.exec() != QDialog::Accepted) return;
  schedule_.add(list, dlg.entered_event());
  fill(tree_of(list), schedule_.rows(list));
}

template <class Dlg>
void tcEventScheduler::edit_event(tcEventSchedule::List list) {
  const int row = current_row(tree_of(list));
  if (row < 0) return;
  const tcEventSchedule::Event event = schedule_.rows(list)[row];
  Dlg dlg(hour24_, stores_.directory(), &event, this);
  if (dlg.exec() != QDialog::Accepted) return;
  schedule_.replace(list, row, dlg.entered_event());
  fill(tree_of(list), schedule_.rows(list));
}

void tcEventScheduler::delete_events(tcEventSchedule::List list) {
  schedule_.remove(list, selected_rows(tree_of(list)));
  fill(tree_of(list), schedule_.rows(list));
}

void tcEventScheduler::on_btnWeekAdd_clicked() {
  add_event<tcEventWeekDlg>(tcEventSchedule::kWeekly);
}

void tcEventScheduler::on_btnWeekEdit_clicked() {
  edit_event<tcEventWeekDlg>(tcEventSchedule::kWeekly);
}

void tcEventScheduler::on_btnWeekDelete_clicked() {
  delete_events(tcEventSchedule::kWeekly);
}

void tcEventScheduler::on_btnLongAdd_clicked() {
  add_event<tcEventLongDlg>(tcEventSchedule::kLongTerm);
}

void tcEventScheduler::on_btnLongEdit_clicked() {
  edit_event<tcEventLongDlg>(tcEventSchedule::kLongTerm);
}

void tcEventScheduler::on_btnLongDelete_clicked() {
  delete_events(tcEventSchedule::kLongTerm);
}

void tcEventScheduler::accept() {
  const int limit = tcEventSchedule::kMaxEvents;
  if (schedule_.count() > limit) {
    const auto answer =
        QMessageBox::critical(this, QStringLiteral("Error"), QString::asprintf(kTooMany, limit),
                              QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes) return;
  }
  for (tcFrame& frame : tcEventSchedule::parts(schedule_.outgoing(limit)))
    if (link_) link_->send_frame(frame);
  QDialog::accept();
}
