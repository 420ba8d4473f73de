#include "services/clock/tcTimeDateSetDlg.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest/QTest>

#include "link/protocol/tcMeterRecord.h"
#include "services/clock/tcClockFields.h"
#include "services/tcSimConsole.h"
#include "support/tcModalDriver.h"

namespace {

const QDate kDate(2009, 1, 4);
const QTime kTime(13, 4, 5);

}  // namespace

TEST(TimeDateSet, ModesShowTheirFieldsAndTheFormatFollows24Hour) {
  tcTimeDateSetDlg dlg(false, kDate, kTime, tcClockFields::kManual,
                       tcClockFields::server_address("10.0.0.2"), 19800);
  EXPECT_EQ(dlg.windowTitle(), "Time Date Set");
  EXPECT_FALSE(dlg.date_time_field()->isHidden());
  EXPECT_TRUE(dlg.offset_field()->isHidden());
  EXPECT_EQ(dlg.date_time_field()->displayFormat(), "MMM d, yyyy hh:mm:ss ap");
  EXPECT_EQ(dlg.offset_field()->text(), "5.50");
  EXPECT_EQ(dlg.server_field()->text().remove(' '), "10.0.0.2");

  dlg.hour24_box()->click();
  EXPECT_EQ(dlg.date_time_field()->displayFormat(), "MMM d, yyyy hh:mm:ss");
  dlg.sntp_button()->click();
  EXPECT_TRUE(dlg.date_time_field()->isHidden());
  EXPECT_TRUE(dlg.pc_time_box()->isHidden());
  EXPECT_FALSE(dlg.server_field()->isHidden());
}

TEST(TimeDateSet, ThePcTimeTicksOnlyInManualMode) {
  tcTimeDateSetDlg dlg(true, kDate, kTime, tcClockFields::kSntp, 0, 0);
  dlg.pc_time_box()->setChecked(true);
  QTest::qWait(250);
  EXPECT_EQ(dlg.date_time_field()->date(), kDate);  // SNTP mode: left alone

  dlg.manual_button()->click();
  QTest::qWait(250);
  EXPECT_FALSE(dlg.date_time_field()->isEnabled());
  EXPECT_LE(qAbs(dlg.date_time_field()->dateTime().secsTo(QDateTime::currentDateTime())), 2);
  dlg.pc_time_box()->setChecked(false);
  EXPECT_TRUE(dlg.date_time_field()->isEnabled());
}

TEST(TimeDateSet, OkReadsTheFieldsBackAndRefusesAnOffsetBeyondADay) {
  tcTimeDateSetDlg dlg(true, kDate, kTime, tcClockFields::kSntp, 0, 0);
  dlg.offset_field()->setText("30");
  QString title;
  answer_next_box(QMessageBox::Ok, &title);
  dlg.accept();
  EXPECT_EQ(title, "Time Date Set");
  EXPECT_EQ(dlg.result(), QDialog::Rejected);  // still open

  dlg.offset_field()->setText("-0.25");
  dlg.server_field()->setText("192.168.1.20");
  dlg.accept();
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
  const tcApCodec::ClockSet set = dlg.clock_set();
  EXPECT_EQ(set.zone_seconds, -900);
  EXPECT_EQ(set.mode, 1u);
  EXPECT_EQ(set.year, 9);
  EXPECT_EQ(set.weekday, 0);
  EXPECT_EQ(set.server[0], 192);
  EXPECT_EQ(set.server[3], 20);
}

TEST(TimeDateSet, TheProcessorTakesTheClockAndReportsItBack) {
  tcSimConsole console;
  ASSERT_TRUE(console.start());
  tcMeterRecord clock;
  ASSERT_TRUE(wait_until([&] { return console.stores.meters()->take_record(clock) == 0; }));

  on_next_modal<tcTimeDateSetDlg>([](tcTimeDateSetDlg* dlg) {
    dlg->manual_button()->click();
    dlg->date_time_field()->setDateTime(QDateTime(QDate(2009, 1, 10), QTime(22, 30, 0)));
    dlg->accept();
  });
  ASSERT_EQ(tcTimeDateSetDlg::run(nullptr, clock, true, console.link()), 0);
  ASSERT_TRUE(wait_until([&] {
    return console.stores.meters()->take_record(clock) == 0 && clock.year() == 2009 &&
           clock.month() == 1 && clock.day() == 10;
  }));
  EXPECT_EQ(clock.weekday(), 6);
  EXPECT_EQ(clock.hour(), 22);
  EXPECT_FALSE(clock.sntp_mode());
}
