// The system page on the page test skin: the window's dialogs behind its
// buttons, the meter transport switch, the globals it shows, and the status
// lamps that follow every sixth meter record.
#include "panel/groups/tcControlGroupSystem.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <cmath>

#include "app/core/tcLeBytes.h"
#include "panel/groups/tcInputLamp.h"
#include "params/GLOBALS.h"
#include "skin/objects/tcGuiCombo.h"
#include "tests/panel/groups/tcGroupKinds.h"
#include "tests/panel/groups/tcPagesWorld.h"

namespace {

using G = tcControlGroupSystem;

tcMeterRecord record_of(float celsius, uint8_t analog, uint8_t digital) {
  uint8_t temp[4];
  tcLeBytes::put_f32(temp, celsius);
  return tcMeterRecordWith({{G::kTemperatureOffset, temp[0]},
                            {G::kTemperatureOffset + 1, temp[1]},
                            {G::kTemperatureOffset + 2, temp[2]},
                            {G::kTemperatureOffset + 3, temp[3]},
                            {G::kAnalogOffset, analog},
                            {G::kDigitalOffset, digital}});
}

class SystemPage : public tcPageTest<G> {
 protected:
  SystemPage() : tcPageTest(tcAPBench::kPageSystem, tcAPBench::kSystem) {}
  // Feeds records until the lamps have just been set.
  void feed_update(const tcMeterRecord& r) {
    for (int i = 0; i < tcInputLamp::kRecordsPerUpdate; ++i) group_->onMeterRecord(r);
  }
};

TEST_F(SystemPage, EveryNameOfTheTableIsInTheSkin) {
  tcExpectGroupMatchesSkin(*group_, tcGroupKinds(tcAPBench::kSystem));
}

TEST_F(SystemPage, ButtonsAskTheWindowForItsDialogs) {
  const struct {
    int button;
    void (tcControlGroup::*signal)();
  } kRows[] = {
      {G::kPasswords, &tcControlGroup::sig_password},
      {G::kGuiAccess, &tcControlGroup::sig_gui_access},
      {G::kGuiLock, &tcControlGroup::sig_gui_lock},
      {G::kSkin, &tcControlGroup::sig_choose_skin},
      {G::kEventSched, &tcControlGroup::sig_event_dlg},
      {G::kTimeSet, &tcControlGroup::sig_time_set},
  };
  for (const auto& row : kRows) {
    QSignalSpy spy(group_, row.signal);
    world_.click(object(row.button));
    EXPECT_EQ(spy.count(), 1) << row.button;
  }
}

TEST_F(SystemPage, TheLampsStartUnknownAndChangeOnlyOnEverySixthRecord) {
  EXPECT_EQ(object(G::kStatusTemp)->value(), tcInputLamp::kUnknown);
  EXPECT_STREQ(object(G::kStatusTemp)->text().c_str(), "Temp. ????");
  EXPECT_STREQ(object(G::kStatusAnalog)->text().c_str(), "Analog");
  EXPECT_STREQ(object(G::kStatusDigital)->text().c_str(), "Digital");

  const tcMeterRecord hot = record_of(61.25f, 0, 3);
  for (int i = 1; i < tcInputLamp::kRecordsPerUpdate; ++i) {
    group_->onMeterRecord(hot);
    EXPECT_EQ(object(G::kStatusTemp)->value(), tcInputLamp::kUnknown) << i;
  }
  group_->onMeterRecord(hot);
  EXPECT_EQ(object(G::kStatusTemp)->value(), 1);
  EXPECT_STREQ(object(G::kStatusTemp)->text().c_str(), "Temp. 61.2 C");

  // The counter starts again: five cool records leave the hot reading shown.
  const tcMeterRecord cool = record_of(20.0f, 1, 2);
  for (int i = 1; i < tcInputLamp::kRecordsPerUpdate; ++i) group_->onMeterRecord(cool);
  EXPECT_EQ(object(G::kStatusTemp)->value(), 1);
  group_->onMeterRecord(cool);
  EXPECT_EQ(object(G::kStatusTemp)->value(), 0);
}

TEST_F(SystemPage, TheTemperatureWarnsOnlyAboveFiftyDegrees) {
  feed_update(record_of(50.0f, 9, 9));
  EXPECT_EQ(object(G::kStatusTemp)->value(), 0);
  EXPECT_STREQ(object(G::kStatusTemp)->text().c_str(), "Temp. 50.0 C");
  feed_update(record_of(50.1f, 9, 9));
  EXPECT_EQ(object(G::kStatusTemp)->value(), 1);
  EXPECT_STREQ(object(G::kStatusTemp)->text().c_str(), "Temp. 50.1 C");
  // A reading that is no number is not shown as a temperature.
  feed_update(record_of(std::nanf(""), 9, 9));
  EXPECT_EQ(object(G::kStatusTemp)->value(), tcInputLamp::kUnknown);
  EXPECT_STREQ(object(G::kStatusTemp)->text().c_str(), "Temp. ????");
}

TEST_F(SystemPage, InputLampsTellGoodFailedAndTheInputInUse) {
  const struct {
    uint8_t reading;
    int state;
    const char* analog;
  } kRows[] = {{0, 1, "Analog (active)"}, {1, 1, "Analog"}, {2, 0, "Analog (active)"},
               {3, 0, "Analog"},          {4, 2, "Analog"}, {255, 2, "Analog"}};
  for (const auto& row : kRows) {
    feed_update(record_of(30.0f, row.reading, row.reading));
    EXPECT_EQ(object(G::kStatusAnalog)->value(), row.state) << int(row.reading);
    EXPECT_STREQ(object(G::kStatusAnalog)->text().c_str(), row.analog) << int(row.reading);
    EXPECT_EQ(object(G::kStatusDigital)->value(), row.state) << int(row.reading);
  }
  feed_update(record_of(30.0f, 3, 0));
  EXPECT_STREQ(object(G::kStatusDigital)->text().c_str(), "Digital (active)");
}

TEST_F(SystemPage, TheMeterTransportSwitchTellsTheWindowOnlyOfAChange) {
  QSignalSpy request(group_, &tcControlGroup::sig_request_meters);
  world_.click(object(G::kTcpMeters));
  EXPECT_EQ(world_.options().tcp_meters(), 1);
  EXPECT_EQ(object(G::kTcpMeters)->value(), 1);
  EXPECT_EQ(request.count(), 1);
  world_.click(object(G::kTcpMeters));
  EXPECT_EQ(world_.options().tcp_meters(), 0);
  EXPECT_EQ(request.count(), 2);

  // The window took the option already: the switch only follows it.
  world_.options().set_tcp_meters(1);
  world_.click(object(G::kTcpMeters));
  EXPECT_EQ(object(G::kTcpMeters)->value(), 1);
  EXPECT_EQ(request.count(), 2);
  world_.options().set_tcp_meters(0);
  group_->refreshAll();
  EXPECT_EQ(object(G::kTcpMeters)->value(), 0);
}

TEST_F(SystemPage, FollowAndHeadphoneSourceAreGlobalsBothWays) {
  GLOBALS& globals = world_.stores().globals();
  world_.click(object(G::kSystemFollow));
  EXPECT_EQ(globals.bool_value(0x2000), 1);
  EXPECT_TRUE(world_.global_sent(0x2000));

  auto* source = static_cast<tcGuiCombo*>(object(G::kHeadphoneSource));
  ASSERT_EQ(source->entries().size(), 3u);
  source->step(1);
  EXPECT_EQ(globals.int_value(0x2002), 1u);
  EXPECT_TRUE(world_.global_sent(0x2002));

  globals.set_bool(0x2000, 0, kSourceProcessor);
  globals.set_int(0x2002, 2, kSourceProcessor);
  world_.bench()->global_changed(0x2000);
  world_.bench()->global_changed(0x2002);
  EXPECT_EQ(object(G::kSystemFollow)->value(), 0);
  EXPECT_EQ(source->index(), 2);
}

}  // namespace
