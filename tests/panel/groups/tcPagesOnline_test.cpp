// The output, stereo encoder, system and test pages as the main window's panel,
// against the simulator run in-process over a real link: a control moved on
// each page reaches the processor, and a preset the processor recalls into the
// live bank redraws the pages.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QThread>

#include "link/transport/tcApIface.h"
#include "link/transport/tcApStores.h"
#include "link/transport/tcMeterIface.h"
#include "panel/groups/tcControlGroupFMOut.h"
#include "panel/groups/tcControlGroupFMPlex.h"
#include "panel/groups/tcControlGroupHDOut.h"
#include "panel/groups/tcControlGroupSystem.h"
#include "panel/groups/tcControlGroupTest.h"
#include "panel/groups/tcTK3Bench.h"
#include "panel/window/TK3Widget.h"
#include "tests/panel/groups/tcPagesWorld.h"
#include "tests/panel/window/tcWindowOnline.h"

namespace {

constexpr int kPresetSlot = 40;  // past the factory presets

// One control of a page and the parameter it drives.
struct PageKnob {
  int page;
  int slot;
  int knob;
  uint16_t param;
};
const PageKnob kKnobs[] = {
    {tcAPBench::kPageHdOut, tcAPBench::kHdOut, tcControlGroupHDOut::kLimThrKnob, 0x1809},
    {tcAPBench::kPageFmOut, tcAPBench::kFmOut, tcControlGroupFMOut::kMasterKnob, 0x1600},
    {tcAPBench::kPageFmPlex, tcAPBench::kFmPlex, tcControlGroupFMPlex::kDriveKnob, 0x1612},
    {tcAPBench::kPageTest, tcAPBench::kTest, tcControlGroupTest::kOutKnob, 0x1901},
};

// The window on-line with the page skin as its panel.
class OutputPagesOnline : public tcWindowOnline<TK3Widget> {
 protected:
  void SetUp() override {
    store_preset();
    tcWindowOnline::SetUp();
  }
  void before_online() override {
    window_.context()->options().set_guru(true);
    const QDir source(tcPagesSkin());
    const QDir target(QDir(window_.context()->dirs().skins_dir()).filePath("pages"));
    QDir().mkpath(target.path());
    for (const QString& f : source.entryList(QDir::Files)) {
      QFile::copy(source.filePath(f), target.filePath(f));
    }
    ASSERT_EQ(window_.load_skin("pages", false, false), 0);
    window_.resize(tcPagesWorld::kWidth, tcPagesWorld::kHeight);
    window_.show();
  }

  // A preset on the processor whose values differ from the defaults on every page.
  void store_preset() {
    preset_.set_float(0x1809, -3.0f, kSourceSilent);
    preset_.set_float(0x1600, 2.5f, kSourceSilent);
    preset_.set_float(0x1612, -1.5f, kSourceSilent);
    preset_.set_float(0x1901, 4.0f, kSourceSilent);
    preset_.set_int(0x1503, 3, kSourceSilent);
    tcPresetHeader header;
    header.set_name("Pages");
    ASSERT_TRUE(state_.store_preset(kPresetSlot, &preset_, header));
  }

  tcTK3Bench* panel() { return window_.panel(); }
  tcGuiObject* object(int slot, int id) { return panel()->group(slot)->findObject(id); }
  SETTINGS& bank() { return *stores().banks().set(0); }

  // A drag upwards on an object of the shown page, as the mouse makes it.
  void drag_up(const tcGuiObject* o, int pixels) {
    QPoint at = o->area().center();
    QTest::mousePress(&window_, Qt::LeftButton, Qt::NoModifier, at);
    for (int i = 0; i < pixels; ++i) {
      at.ry() -= 1;
      QMouseEvent move(QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
      QApplication::sendEvent(&window_, &move);
    }
    QTest::mouseRelease(&window_, Qt::LeftButton, Qt::NoModifier, at);
  }

  SETTINGS preset_;
};

TEST_F(OutputPagesOnline, AControlOnEachPageReachesTheProcessor) {
  std::vector<uint32_t> moved;
  for (const PageKnob& k : kKnobs) {
    panel()->select_page(k.page);
    const uint32_t before = bank().raw(k.param);
    drag_up(object(k.slot, k.knob), 4);
    ASSERT_EQ(bank().raw(k.param), before + 4) << k.param;
    moved.push_back(bank().raw(k.param));
  }
  panel()->select_page(tcAPBench::kPageSystem);
  QTest::mouseClick(
      &window_, Qt::LeftButton, Qt::NoModifier,
      object(tcAPBench::kSystem, tcControlGroupSystem::kSystemFollow)->area().center());
  ASSERT_EQ(stores().globals().bool_value(0x2000), 1);

  ASSERT_TRUE(wait(
      [&] { return !stores().bank_send().record(0)->any() && !stores().globals_send().any(); }));
  QThread::msleep(300);  // the frames are on their way to the simulator
  stop_simulator();
  for (size_t i = 0; i < moved.size(); ++i) {
    EXPECT_EQ(state_.bank(0).set->raw(kKnobs[i].param), moved[i]) << kKnobs[i].param;
  }
  EXPECT_EQ(state_.globals().bool_value(0x2000), 1);
}

TEST_F(OutputPagesOnline, APresetRecalledOnTheProcessorRedrawsThePages) {
  ASSERT_NE(window_.connection()->link(), nullptr);
  ASSERT_GT(window_.connection()->link()->send_take(0, kPresetSlot, 0), 0);
  ASSERT_TRUE(wait([&] {
    for (const PageKnob& k : kKnobs) {
      if (object(k.slot, k.knob)->value() != static_cast<int>(preset_.raw(k.param))) return false;
    }
    return true;
  }));
  for (const PageKnob& k : kKnobs) EXPECT_EQ(bank().raw(k.param), preset_.raw(k.param));
  const auto* fm = static_cast<tcControlGroupFMOut*>(panel()->group(tcAPBench::kFmOut));
  EXPECT_EQ(fm->findObject(tcControlGroupFMOut::kMbCouplingW)->value(), 1);
  EXPECT_EQ(fm->findObject(tcControlGroupFMOut::kMbCouplingT)->value(), 1);
  EXPECT_EQ(fm->findObject(tcControlGroupFMOut::kMasterDisplay)->text(), bank().format(0x1600));
  // Nothing the processor sent goes back to it.
  EXPECT_FALSE(stores().bank_send().record(0)->any());
}

}  // namespace

namespace {

TEST_F(OutputPagesOnline, TheMeterTransportSwitchBringsMetersOverTheLink) {
  // With the UDP listener closed, records can only come inside link messages.
  stores().meters()->close();
  panel()->select_page(tcAPBench::kPageSystem);
  QSignalSpy clock(&window_, &tcApWidget::sig_ap_clock);
  QTest::mouseClick(&window_, Qt::LeftButton, Qt::NoModifier,
                    object(tcAPBench::kSystem, tcControlGroupSystem::kTcpMeters)->area().center());
  EXPECT_EQ(window_.context()->options().tcp_meters(), 1);
  ASSERT_TRUE(wait([&] { return clock.count() >= 2; }));
}

}  // namespace
