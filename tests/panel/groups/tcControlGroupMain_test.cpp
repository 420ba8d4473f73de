// The Main group on the front-panel test skin, driven by real mouse events on
// the host widget: pages, flow looks, the headphone level, A/B quick save, the
// graph feed and a skin that lacks some of its objects.
#include "panel/groups/tcControlGroupMain.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QSignalSpy>

#include "link/protocol/tcMeterRecord.h"
#include "panel/groups/tcTK3Bench.h"
#include "params/GLOBALS.h"
#include "params/SETTINGS.h"
#include "params/tcQuickSave.h"
#include "skin/objects/tcGuiApGraph.h"
#include "skin/objects/tcGuiButton.h"
#include "skin/objects/tcGuiDisplay.h"
#include "skin/objects/tcGuiKnob.h"
#include "tests/panel/groups/tcGroupKinds.h"
#include "tests/panel/tcFrontPanelWorld.h"

namespace {

using M = tcControlGroupMain;
constexpr uint16_t kHeadphones = 0x2003;

// A Compressor page that keeps the readings the Main group hands it.
class GraphPage : public tcControlGroup {
 public:
  explicit GraphPage(tcAPBench* bench) : tcControlGroup(bench, kNames) {}
  void refreshAll() override {}
  void onGraphReadings(const tcGraphReadings& r) override { readings.push_back(r); }
  static const NameRow kNames[];
  std::vector<tcGraphReadings> readings;
};
const tcControlGroup::NameRow GraphPage::kNames[] = {{0, nullptr}};

class FeedBench : public tcTK3Bench {
 public:
  using tcTK3Bench::tcTK3Bench;
  GraphPage* page(int slot) const { return static_cast<GraphPage*>(group(slot)); }

 protected:
  void create_groups() override {
    tcTK3Bench::create_groups();
    for (int slot : {int{kCompressor}, int{kFmOut}, int{kHdOut}}) {
      add_group(std::make_unique<GraphPage>(this), slot);
    }
  }
};

class MainGroup : public ::testing::Test {
 protected:
  void SetUp() override {
    bench_ = world_.show<tcTK3Bench>();
    ASSERT_EQ(world_.setup_result(), 0);
    main_ = bench_->main_group();
    ASSERT_NE(main_, nullptr);
  }
  tcGuiObject* object(int id) { return main_->findObject(id); }
  int look(int id) { return static_cast<tcGuiButton*>(object(id))->display_state(); }

  tcFrontPanelWorld world_;
  tcTK3Bench* bench_ = nullptr;
  tcControlGroupMain* main_ = nullptr;
};

TEST_F(MainGroup, EveryNameFindsAnObjectOfItsKind) {
  tcExpectGroupMatchesSkin(*main_, tcGroupKinds(tcAPBench::kMain));
  EXPECT_EQ(main_->graph(), object(M::kGraph));
  EXPECT_EQ(static_cast<tcGuiApGraph*>(object(M::kGraph))->mode(), M::kGraphMode);
  EXPECT_EQ(object(M::kStatOnline)->text(), "Offline ");
  EXPECT_EQ(object(M::kStatDevice)->text(), "unknown ");
  EXPECT_TRUE(static_cast<tcGuiDisplay*>(object(M::kStatDevice))->marquee());
  EXPECT_TRUE(static_cast<tcGuiDisplay*>(object(M::kStatDevice))->dclickable());
}

TEST_F(MainGroup, FlowButtonsSwitchPagesAndTheTestPageNeedsGuru) {
  EXPECT_TRUE(object(M::kFlowHdOut)->visible());
  EXPECT_FALSE(object(M::kFlowTest)->visible());
  world_.click(object(M::kFlowPeq));
  EXPECT_EQ(bench_->page(), tcAPBench::kPageParametric);
  EXPECT_EQ(look(M::kFlowPeq) & 1, 1);
  EXPECT_EQ(look(M::kFlowInput) & 1, 0);

  // The button is hidden, but a page 10 asked for by other means falls back.
  main_->onButton(M::kFlowTest);
  EXPECT_EQ(bench_->page(), tcAPBench::kPageSystem);
  EXPECT_EQ(look(M::kFlowSystem), 3);

  world_.options().set_guru(true);
  main_->show(true);
  ASSERT_TRUE(object(M::kFlowTest)->visible());
  world_.click(object(M::kFlowTest));
  EXPECT_EQ(bench_->page(), tcAPBench::kPageTest);
}

TEST_F(MainGroup, FlowLooksFollowTheirSections) {
  SETTINGS& live = world_.live();
  bench_->select_page(tcAPBench::kPageSystem);
  // Defaults: these sections are switched off; input always looks off.
  for (int id : {M::kFlowInput, M::kFlowPeq, M::kFlowComp, M::kFlowFmOut}) {
    EXPECT_EQ(look(id), 2) << id;
  }
  // 0x1808 (HD clip type) defaults to 1 and 0x1619 to 0: both sections on.
  EXPECT_EQ(look(M::kFlowHdOut), 0);
  EXPECT_EQ(look(M::kFlowFmPlex), 0);
  live.set_int(0x1808, 0, kSourceProcessor);
  bench_->parameter_changed(0x1808, 0);
  EXPECT_EQ(look(M::kFlowHdOut), 2);
  struct Change {
    uint16_t id;
    uint32_t value;
    int button;
    int expected;
  };
  for (const Change& c : {Change{0x1301, 1, M::kFlowPeq, 0}, Change{0x1401, 1, M::kFlowComp, 0},
                          Change{0x1613, 3, M::kFlowFmOut, 0}, Change{0x1802, 1, M::kFlowHdOut, 0},
                          Change{0x1619, 1, M::kFlowFmPlex, 2}}) {
    live.set_int(c.id, c.value, kSourceProcessor);
    bench_->parameter_changed(c.id, 0);
    EXPECT_EQ(look(c.button), c.expected) << std::hex << c.id;
  }
}

TEST_F(MainGroup, TheHeadphoneKnobIsGlobal2003) {
  auto* knob = static_cast<tcGuiKnob*>(object(M::kHdpnKnob));
  EXPECT_EQ(knob->minimum(), 0);
  EXPECT_EQ(knob->maximum(), 100);
  EXPECT_EQ(knob->value(), 50);
  world_.drag_up(knob, 4);
  EXPECT_EQ(world_.stores().globals().int_value(kHeadphones), 54u);
  EXPECT_TRUE(world_.stores().globals_send().test(kHeadphones));

  world_.stores().globals_send().clear_all();
  world_.stores().globals().set_int(kHeadphones, 20, kSourceProcessor);
  bench_->global_changed(kHeadphones);
  EXPECT_EQ(knob->value(), 20);
  EXPECT_FALSE(world_.stores().globals_send().any());
}

TEST_F(MainGroup, AnalysisGlobalsReachTheWindowAsProcessorChanges) {
  QSignalSpy type(main_, &tcControlGroup::sig_set_analysis);
  QSignalSpy chain(main_, &tcControlGroup::sig_set_analysis_chain);
  world_.stores().globals().set_int(0x200C, 4, kSourceProcessor);
  bench_->global_changed(0x200C);
  world_.stores().globals().set_int(0x200D, 1, kSourceProcessor);
  bench_->global_changed(0x200D);
  ASSERT_EQ(type.count(), 1);
  EXPECT_EQ(type.first(), (QVariantList{4, 3}));
  ASSERT_EQ(chain.count(), 1);
  EXPECT_EQ(chain.first(), (QVariantList{1, 3}));
}

TEST_F(MainGroup, ButtonsTellTheWindow) {
  QSignalSpy save(main_, &tcControlGroup::sig_pset_save);
  QSignalSpy online(main_, &tcControlGroup::sig_online);
  QSignalSpy devices(main_, &tcControlGroup::sig_device_dlg);
  world_.click(object(M::kSave));
  world_.click(object(M::kOnline));
  main_->onDisplayClicked(M::kStatDevice);
  EXPECT_EQ(save.count(), 1);
  EXPECT_EQ(online.count(), 1);
  EXPECT_EQ(devices.count(), 1);
}

TEST_F(MainGroup, QuickSaveSwitchesBetweenTheSlots) {
  SETTINGS& live = world_.live();
  tcQuickSave& qs = world_.stores().quick_save();
  EXPECT_EQ(look(M::kQsaveA), 1);
  EXPECT_EQ(object(M::kQsaveA)->text_colour(), M::kHighlightColour);
  EXPECT_EQ(object(M::kQsaveAB)->text(), "B = A");

  live.set_float(0x1001, -3.0f, kSourceSilent);
  qs.set(tcQuickSave::kB).set_float(0x1001, 6.0f, kSourceSilent);
  world_.click(object(M::kQsaveB));
  EXPECT_EQ(qs.index(), tcQuickSave::kB);
  EXPECT_FLOAT_EQ(live.eng(0x1001), 6.0f);
  EXPECT_FLOAT_EQ(qs.set(tcQuickSave::kA).eng(0x1001), -3.0f);
  EXPECT_TRUE(QFile::exists(qs.path(tcQuickSave::kA)));
  // Copied with source 4: shown and sent.
  EXPECT_TRUE(world_.stores().bank_send().test(0, 0x1001));
  EXPECT_TRUE(world_.stores().bank_panel().test(0, 0x1001));
  EXPECT_EQ(look(M::kQsaveB), 1);
  EXPECT_EQ(look(M::kQsaveA), 0);
  EXPECT_EQ(object(M::kQsaveB)->text_colour(), M::kHighlightColour);
  EXPECT_EQ(object(M::kQsaveAB)->text(), "A = B");

  // The same slot again changes nothing; A = B copies the live set into A.
  world_.click(object(M::kQsaveB));
  EXPECT_FLOAT_EQ(qs.set(tcQuickSave::kA).eng(0x1001), -3.0f);
  world_.click(object(M::kQsaveAB));
  EXPECT_FLOAT_EQ(qs.set(tcQuickSave::kA).eng(0x1001), 6.0f);
}

TEST(MainGroupGraph, TheSpectrumRangeComesFromTheOptionsAndIsKept) {
  tcFrontPanelWorld world;
  world.options().set_spectra_range(30);
  tcTK3Bench* bench = world.show<tcTK3Bench>();
  ASSERT_EQ(world.setup_result(), 0);
  const auto& axis = bench->main_graph()->y_axis();
  EXPECT_FLOAT_EQ(axis.maximum - axis.minimum, 30.0f);
  bench->set_spectrum_range(60);
  world.host().delete_bench();
  EXPECT_EQ(world.options().spectra_range(0), 60);
}

TEST(MainGroupFiles, AQuickSaveThatCannotBeWrittenIsReported) {
  tcFrontPanelWorld world;
  tcTK3Bench* bench = world.show<tcTK3Bench>();
  ASSERT_EQ(world.setup_result(), 0);
  tcControlGroupMain* main = bench->main_group();
  QSignalSpy failed(main, &tcControlGroupMain::sig_write_failed);
  // A folder where the file should be: the write fails, the switch is made.
  ASSERT_TRUE(QDir().mkpath(world.stores().quick_save().path(tcQuickSave::kA)));
  world.click(main->findObject(M::kQsaveB));
  ASSERT_EQ(failed.count(), 1);
  EXPECT_TRUE(failed.first().at(0).toString().contains("qsave_a.qx770x"));
  EXPECT_EQ(world.stores().quick_save().index(), tcQuickSave::kB);
}

TEST(MainGroupFeed, TheGraphOfThePageShownGetsItsReadings) {
  tcFrontPanelWorld world;
  FeedBench* bench = world.show<FeedBench>();
  ASSERT_EQ(world.setup_result(), 0);
  uint8_t bytes[tcMeterRecord::kSize] = {};
  std::memcpy(bytes, tcMeterRecord::kMagic, tcMeterRecord::kMagicSize);
  bytes[tcMeterRecord::kFormatOffset] = tcMeterRecord::kFormat;
  for (size_t i = 40; i < 184; ++i) bytes[i] = static_cast<uint8_t>(i);
  tcMeterRecord record;
  ASSERT_EQ(record.decode(bytes, sizeof bytes), 0);

  bench->select_page(tcAPBench::kPageCompressor);
  bench->meter_record(record);
  bench->select_page(tcAPBench::kPageFmOut);
  bench->meter_record(record);
  bench->select_page(tcAPBench::kPageHdOut);
  bench->meter_record(record);
  bench->select_page(tcAPBench::kPageInput);
  bench->meter_record(record);

  const auto& comp = bench->page(tcAPBench::kCompressor)->readings;
  ASSERT_EQ(comp.size(), 1u);
  EXPECT_EQ(comp[0].rows, 3);
  EXPECT_EQ(comp[0].bands, 5);
  EXPECT_EQ(comp[0].row[0][0], 54);
  EXPECT_EQ(comp[0].row[1][4], 63);
  EXPECT_EQ(comp[0].row[2][0], 64);
  EXPECT_EQ(comp[0].extra, 69);
  const auto& fm = bench->page(tcAPBench::kFmOut)->readings;
  ASSERT_EQ(fm.size(), 1u);
  EXPECT_EQ(fm[0].row[0][30], 144);
  EXPECT_EQ(fm[0].row[1][0], 83);
  EXPECT_EQ(fm[0].extra, 82);
  const auto& hd = bench->page(tcAPBench::kHdOut)->readings;
  ASSERT_EQ(hd.size(), 1u);
  EXPECT_EQ(hd[0].row[0][0], 152);
  EXPECT_EQ(hd[0].row[1][7], 0xFF);
  EXPECT_EQ(hd[0].extra, 151);
}

TEST(MainGroupSkin, WorksWithoutTheTestButtonAndTheHeadphoneKnob) {
  tcFrontPanelWorld world;
  QTemporaryDir dir;
  tcTK3Bench* bench =
      world.show<tcTK3Bench>(tcFrontPanelSkinWithout(dir, {"FLOW_TEST", "HDPN_KNOB"}));
  ASSERT_EQ(world.setup_result(), 0);
  tcControlGroupMain* main = bench->main_group();
  tcExpectGroupMatchesSkin(*main, tcGroupKinds(tcAPBench::kMain), {"FLOW_TEST", "HDPN_KNOB"});
  world.options().set_guru(true);
  main->show(true);
  main->refreshAll();
  world.stores().globals().set_int(kHeadphones, 10, kSourceProcessor);
  bench->global_changed(kHeadphones);
  main->onButton(M::kFlowTest);
  EXPECT_EQ(bench->page(), tcAPBench::kPageTest);
  world.click(main->findObject(M::kFlowComp));
  EXPECT_EQ(bench->page(), tcAPBench::kPageCompressor);
}

}  // namespace
