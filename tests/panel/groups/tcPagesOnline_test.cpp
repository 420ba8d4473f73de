// The output, stereo encoder, system and test pages against the simulator run
// in-process, over a real link made by the main window: a control moved on
// each page reaches the processor, and a preset the processor recalls into the
// live bank redraws the pages.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QThread>
#include <memory>
#include <thread>

#include "link/devices/tcConnection.h"
#include "link/devices/tcDeviceList.h"
#include "link/transport/tcApIface.h"
#include "link/transport/tcApStores.h"
#include "panel/groups/tcControlGroupFMOut.h"
#include "panel/groups/tcControlGroupFMPlex.h"
#include "panel/groups/tcControlGroupHDOut.h"
#include "panel/groups/tcControlGroupSystem.h"
#include "panel/groups/tcControlGroupTest.h"
#include "panel/groups/tcTK3Bench.h"
#include "panel/window/tcApWidget.h"
#include "skin/objects/tcGQGuiWidget.h"
#include "tests/link/transport/tcLinkTestWorld.h"
#include "tests/panel/groups/tcPagesWorld.h"
#include "tools/simulator/tcSimServer.h"
#include "tools/simulator/tcSimState.h"
#include "tools/simulator/tcSimStateFile.h"

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

class PagesOnline : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(work_.isValid() && docs_.isValid() && sim_dir_.isValid());
    store_preset();
    options_.port = 0;
    options_.state_dir = sim_dir_.path();
    server_ = std::make_unique<tcSimServer>(options_, state_, file_);
    ASSERT_EQ(server_->open(), 0);
    serving_ = std::thread([this] { server_->run(); });

    ASSERT_EQ(window_.init({{"qx770xpro"}, work_.path(), docs_.path()}), 0);
    window_.context()->options().set_guru(true);
    tcDeviceList* devices = window_.devices();
    ASSERT_NE(devices->add("Sim", "127.0.0.1"), nullptr);
    devices->set_current(devices->index_of("Sim"));
    LinkTiming quick;
    quick.connect_wait_ms = 200;
    window_.connection()->set_link_target(server_->port(), quick);
    window_.connection()->set_online(true);
    ASSERT_TRUE(wait_until([&] {
      return window_.connection()->state() == tcConnection::kOnline &&
             window_.stores()->directory().present(kPresetSlot);
    }));
    open_panel();
  }

  void TearDown() override {
    host_.reset();
    window_.close();
    stop_simulator();
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

  // The panel on the page skin, on the window's stores, with the processor's
  // changes routed to it as the window routes them to its own bench.
  void open_panel() {
    tcApStores& stores = *window_.stores();
    tcPanelStores panel;
    panel.banks = &stores.banks();
    panel.globals = &stores.globals();
    panel.options = &window_.context()->options();
    panel.quick_save = &stores.quick_save();
    host_ = std::make_unique<tcGQGuiWidget>();
    host_->resize(tcPagesWorld::kWidth, tcPagesWorld::kHeight);
    auto bench =
        std::make_unique<tcTK3Bench>(tcString(tcPagesSkin().toLocal8Bit().constData()), panel);
    bench_ = bench.get();
    host_->set_bench(std::move(bench));
    ASSERT_EQ(bench_->setup(), 0);
    QObject::connect(&window_, &tcApWidget::sig_gui_settings_dirty, host_.get(), [this](int set) {
      const tcParamTable& table = tcParamTable::presets();
      for (uint16_t id = table.first_id(); id != 0xFFFF; id = table.next_id(id)) {
        if (window_.stores()->bank_panel().take(static_cast<uint16_t>(set), id)) {
          bench_->parameter_changed(id, set);
        }
      }
    });
  }

  void stop_simulator() {
    if (!serving_.joinable()) return;
    server_->stop();
    serving_.join();
  }

  tcGuiObject* object(int slot, int id) { return bench_->group(slot)->findObject(id); }
  SETTINGS& bank() { return *window_.stores()->banks().set(0); }

  // A drag upwards on an object of the shown page, as the mouse makes it.
  void drag_up(const tcGuiObject* o, int pixels) {
    QPoint at = o->area().center();
    QTest::mousePress(host_.get(), Qt::LeftButton, Qt::NoModifier, at);
    for (int i = 0; i < pixels; ++i) {
      at.ry() -= 1;
      QMouseEvent move(QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
      QApplication::sendEvent(host_.get(), &move);
    }
    QTest::mouseRelease(host_.get(), Qt::LeftButton, Qt::NoModifier, at);
  }

  QTemporaryDir work_, docs_, sim_dir_;
  tcSimOptions options_;
  tcSimState state_;
  tcSimStateFile file_{sim_dir_.path()};
  std::unique_ptr<tcSimServer> server_;
  std::thread serving_;
  SETTINGS preset_;
  tcApWidget window_;
  std::unique_ptr<tcGQGuiWidget> host_;
  tcTK3Bench* bench_ = nullptr;
};

TEST_F(PagesOnline, AControlOnEachPageReachesTheProcessor) {
  std::vector<uint32_t> moved;
  for (const PageKnob& k : kKnobs) {
    bench_->select_page(k.page);
    const uint32_t before = bank().raw(k.param);
    drag_up(object(k.slot, k.knob), 4);
    ASSERT_EQ(bank().raw(k.param), before + 4) << k.param;
    moved.push_back(bank().raw(k.param));
  }
  bench_->select_page(tcAPBench::kPageSystem);
  QTest::mouseClick(
      host_.get(), Qt::LeftButton, Qt::NoModifier,
      object(tcAPBench::kSystem, tcControlGroupSystem::kSystemFollow)->area().center());
  ASSERT_EQ(window_.stores()->globals().bool_value(0x2000), 1);

  ASSERT_TRUE(wait_until([&] {
    return !window_.stores()->bank_send().record(0)->any() &&
           !window_.stores()->globals_send().any();
  }));
  QThread::msleep(300);  // the frames are on their way to the simulator
  stop_simulator();
  for (size_t i = 0; i < moved.size(); ++i) {
    EXPECT_EQ(state_.bank(0).set->raw(kKnobs[i].param), moved[i]) << kKnobs[i].param;
  }
  EXPECT_EQ(state_.globals().bool_value(0x2000), 1);
}

TEST_F(PagesOnline, APresetRecalledOnTheProcessorRedrawsThePages) {
  ASSERT_NE(window_.connection()->link(), nullptr);
  ASSERT_GT(window_.connection()->link()->send_take(0, kPresetSlot, 0), 0);
  ASSERT_TRUE(wait_until([&] {
    for (const PageKnob& k : kKnobs) {
      if (object(k.slot, k.knob)->value() != static_cast<int>(preset_.raw(k.param))) return false;
    }
    return true;
  }));
  for (const PageKnob& k : kKnobs) EXPECT_EQ(bank().raw(k.param), preset_.raw(k.param));
  const auto* fm = static_cast<tcControlGroupFMOut*>(bench_->group(tcAPBench::kFmOut));
  EXPECT_EQ(fm->findObject(tcControlGroupFMOut::kMbCouplingW)->value(), 1);
  EXPECT_EQ(fm->findObject(tcControlGroupFMOut::kMbCouplingT)->value(), 1);
  EXPECT_EQ(fm->findObject(tcControlGroupFMOut::kMasterDisplay)->text(), bank().format(0x1600));
  // Nothing the processor sent goes back to it.
  EXPECT_FALSE(window_.stores()->bank_send().record(0)->any());
}

}  // namespace
