#include "services/events/tcEventScheduler.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTimeEdit>
#include <QTreeWidget>
#include <QtTest/QTest>

#include "link/protocol/tcMeterRecord.h"
#include "services/events/tcEventLongDlg.h"
#include "services/events/tcEventSamples.h"
#include "services/events/tcEventWeekDlg.h"
#include "services/events/tcPresetChooser.h"
#include "services/tcSimConsole.h"
#include "support/tcModalDriver.h"

using tcIddApGui::tsAPEvent;
using tcIddApGui::tsAPWeekEvent;

namespace {

class Scheduler : public ::testing::Test {
 protected:
  // The processor sends `events` as its schedule.
  void receive(const std::vector<tsAPEvent>& events) {
    for (const tcFrame& frame : tcEventSchedule::parts(events)) link.feed(frame);
    QCoreApplication::processEvents();
  }
  int sent_events() {
    int count = 0;
    for (const std::vector<uint8_t>& frame : link.sent()) {
      tcApCodec::EventPart part;
      if (tcApCodec::read_event_part(tcFrameView(frame.data(), int(frame.size())), part) == 0)
        count += part.claimed;
    }
    return count;
  }

  QTemporaryDir dir;
  tcOptions options{dir.filePath("qx770xpro.ini")};
  tcMeterRecord clock;
  tcLinkTestWorld world;
  tcCapturingLink link{world.link_stores()};
};

}  // namespace

TEST_F(Scheduler, ShowsTheReceivedScheduleUnderTheViewAndAsksForItOnOpening) {
  tcEventScheduler dlg(world, options, clock, &link);
  ASSERT_EQ(link.sent().size(), 1u);
  EXPECT_EQ(tcFrameView(link.sent()[0].data(), 6).type(), tcFrame::kEventRequest);
  std::vector<tsAPEvent> events(1200, week(2, 0));
  events[0] = tcIddApGui::tsAPLongEvent().encode();
  receive(events);
  // The first 1000 are kept.
  EXPECT_EQ(dlg.schedule().count(), 1000);
  EXPECT_EQ(dlg.long_tree()->topLevelItemCount(), 1);
  EXPECT_EQ(dlg.week_tree()->topLevelItem(0)->text(0), "_M_____");

  dlg.view_button(1)->click();  // SUN: the Monday events are hidden
  EXPECT_EQ(dlg.week_tree()->topLevelItemCount(), 0);
  dlg.view_button(2)->click();
  EXPECT_EQ(dlg.week_tree()->topLevelItemCount(), 999);

  dlg.hour24_box()->click();
  EXPECT_EQ(options.time_24hour(), 1);
  EXPECT_EQ(tcOptions(dir.filePath("qx770xpro.ini")).time_24hour(), 1);  // saved at once
  EXPECT_EQ(dlg.week_tree()->topLevelItem(0)->text(1), "00:00:00");
}

TEST_F(Scheduler, MoreThan1000EventsAreSentOnlyWhenTheUserAgrees) {
  tcEventScheduler dlg(world, options, clock, &link);
  receive(std::vector<tsAPEvent>(1000, week(1, 0)));
  on_next_modal<tcEventWeekDlg>([](tcEventWeekDlg* add) {
    add->day_box(3)->setChecked(true);
    add->accept();
  });
  dlg.button("btnWeekAdd")->click();
  ASSERT_EQ(dlg.schedule().count(), 1001);
  link.clear_sent();

  QString title, text;
  answer_next_box(QMessageBox::No, &title, &text);
  dlg.accept();
  EXPECT_EQ(title, "Error");
  EXPECT_EQ(text,
            "You have entered more than the maximum allowed 1000 events.\n"
            "Would you like to send what will fit, and discard the remainder?");
  EXPECT_TRUE(link.sent().empty());
  EXPECT_EQ(dlg.result(), QDialog::Rejected);  // still open

  answer_next_box(QMessageBox::Yes);
  dlg.accept();
  EXPECT_EQ(link.sent().size(), 8u);
  EXPECT_EQ(sent_events(), 1000);
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
}

TEST_F(Scheduler, AnEmptyScheduleIsSentAsOnePartWithoutEvents) {
  tcEventScheduler dlg(world, options, clock, &link);
  link.clear_sent();
  dlg.accept();
  ASSERT_EQ(link.sent().size(), 1u);
  EXPECT_EQ(sent_events(), 0);
}

TEST(SchedulerOnline, AnEditedScheduleIsSentAndFetchedBackEqual) {
  tcSimConsole console;
  ASSERT_TRUE(console.start());
  std::vector<tsAPEvent> sent;
  {
    QSignalSpy fetched(&console.stores.link_signals(), &tcLinkSignals::sig_new_events);
    tcEventScheduler dlg(console.stores, console.options, tcMeterRecord(), console.link());
    // Edits made before the processor's schedule arrives would be replaced by it.
    ASSERT_TRUE(wait_until([&] { return fetched.count() > 0; }));
    QCoreApplication::processEvents();
    on_next_modal<tcEventWeekDlg>([](tcEventWeekDlg* add) {
      QTest::mouseClick(add->day_box(1), Qt::LeftButton);
      QTest::mouseClick(add->day_box(5), Qt::LeftButton);
      add->time_field()->setTime(QTime(6, 30, 15));
      add->preset_list()->setCurrentIndex(2);
      add->accept();
    });
    dlg.button("btnWeekAdd")->click();
    on_next_modal<tcEventLongDlg>([](tcEventLongDlg* add) {
      add->date_field()->setDate(QDate(2000, 2, 29));
      add->preset_list()->setCurrentIndex(7);
      add->accept();
    });
    dlg.button("btnLongAdd")->click();
    dlg.week_tree()->setCurrentItem(dlg.week_tree()->topLevelItem(0));
    on_next_modal<tcEventWeekDlg>([](tcEventWeekDlg* edit) {
      EXPECT_TRUE(edit->day_box(5)->isChecked());
      edit->preset_list()->setCurrentIndex(3);
      edit->accept();
    });
    dlg.button("btnWeekEdit")->click();
    EXPECT_EQ(dlg.week_tree()->topLevelItem(0)->text(0), "_M___F_");
    sent = dlg.schedule().outgoing();
    QTest::mouseClick(dlg.button("btnOkay"), Qt::LeftButton);
  }
  ASSERT_EQ(sent.size(), 2u);
  EXPECT_EQ(sent[0].word1, 3u);
  EXPECT_EQ(sent[1].word1, 7u);

  console.stores.events().take_part({});  // forget what the console holds
  tcEventScheduler again(console.stores, console.options, tcMeterRecord(), console.link());
  ASSERT_TRUE(wait_until([&] { return again.schedule().outgoing() == sent; }));
}
