// The bench of the front panel: set-up with its background, pages and their
// fallbacks, routing to the groups and painting.
#include "panel/framework/tcAPBench.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "link/protocol/tcMeterRecord.h"
#include "panel/framework/tcControlGroup.h"
#include "tests/panel/tcFrontPanelWorld.h"
#include "tests/support/tcLogCapture.h"

namespace {

// A page group that records what reaches it.
class Recorder : public tcControlGroup {
 public:
  explicit Recorder(tcAPBench* bench) : tcControlGroup(bench, kNames) {}
  void refreshAll() override { ++refreshes; }
  void onParameterChanged(uint16_t id, int) override { params.push_back(id); }
  void onGlobalChanged(uint16_t id) override { globals.push_back(id); }
  void onMeterRecord(const tcMeterRecord&) override { ++records; }
  void onStatusChanged() override { state = bench()->connection_state(); }
  void onTick() override { ++ticks; }

  static const NameRow kNames[];
  std::vector<uint16_t> params, globals;
  int records = 0, refreshes = 0, ticks = 0, state = -1;
};
const tcControlGroup::NameRow Recorder::kNames[] = {{1, "TEST_KNOB"}, {0, nullptr}};

class PageBench : public tcAPBench {
 public:
  using tcAPBench::tcAPBench;
  int renders = 0;

 protected:
  void create_groups() override {
    for (int slot : {int{kInput}, int{kParametric}, int{kSystem}, int{kTest}}) {
      add_group(std::make_unique<Recorder>(this), slot);
    }
  }
  void render_background(QImage* target, const QRect& clip) const override {
    ++const_cast<PageBench*>(this)->renders;
    tcAPBench::render_background(target, clip);
  }
};

TEST(APBench, PagesShowOneGroupAndFallBackToTheSystemPage) {
  tcFrontPanelWorld world;
  world.options().set_control_page(tcAPBench::kPageParametric);
  PageBench* bench = world.show<PageBench>();
  ASSERT_EQ(world.setup_result(), 0);
  EXPECT_EQ(bench->panel_size(), QSize(640, 360));
  // The stored page is shown at start.
  EXPECT_EQ(bench->page(), tcAPBench::kPageParametric);
  EXPECT_TRUE(bench->group(tcAPBench::kParametric)->visible());
  EXPECT_FALSE(bench->group(tcAPBench::kInput)->visible());

  bench->select_page(tcAPBench::kPageInput);
  EXPECT_TRUE(bench->group(tcAPBench::kInput)->visible());
  EXPECT_FALSE(bench->group(tcAPBench::kParametric)->visible());

  for (int page : {3, 5, 6, 42, int{tcAPBench::kPageTest}}) {
    bench->select_page(page);
    EXPECT_EQ(bench->page(), tcAPBench::kPageSystem) << page;
    EXPECT_TRUE(bench->group(tcAPBench::kSystem)->visible());
    EXPECT_FALSE(bench->group(tcAPBench::kTest)->visible());
  }
  world.options().set_guru(true);
  bench->select_page(tcAPBench::kPageTest);
  EXPECT_EQ(bench->page(), tcAPBench::kPageTest);
  EXPECT_TRUE(bench->group(tcAPBench::kTest)->visible());

  // The page shown last is kept in the options when the bench goes.
  world.host().delete_bench();
  EXPECT_EQ(world.options().control_page(), tcAPBench::kPageTest);
}

TEST(APBench, RoutesChangesRecordsStateAndTicksToEveryGroup) {
  tcFrontPanelWorld world;
  PageBench* bench = world.show<PageBench>();
  ASSERT_EQ(world.setup_result(), 0);
  bench->parameter_changed(0x1001, 0);
  bench->global_changed(0x2003);
  bench->meter_record(tcMeterRecord());
  bench->set_connection_state(3);
  bench->tick();
  bench->refresh_all();
  for (const auto& g : bench->groups()) {
    const auto& r = static_cast<const Recorder&>(*g);
    EXPECT_EQ(r.params, std::vector<uint16_t>{0x1001});
    EXPECT_EQ(r.globals, std::vector<uint16_t>{0x2003});
    EXPECT_EQ(r.records, 1);
    EXPECT_EQ(r.state, 3);
    EXPECT_EQ(r.ticks, 1);
    EXPECT_EQ(r.refreshes, 1);
  }
}

TEST(APBench, ASkinWithoutBackgroundBuildsNoPanel) {
  tcFrontPanelWorld world;
  QTemporaryDir dir;
  tcLogCapture log;
  PageBench* bench = world.show<PageBench>(tcFrontPanelSkinWithout(dir, {"BKGRND"}));
  EXPECT_EQ(world.setup_result(), -1);
  EXPECT_TRUE(bench->groups().empty());
  EXPECT_EQ(tcLogCapture::count(tcLog::kError, tcAPBench::kNoBackground), 1);
}

TEST(APBench, TheBackgroundOfAClipIsPreparedOnceAndAlwaysDrawn) {
  tcFrontPanelWorld world;
  PageBench* bench = world.show<PageBench>();
  ASSERT_EQ(world.setup_result(), 0);
  QImage target(640, 360, QImage::Format_ARGB32_Premultiplied);
  const QRect clip(100, 50, 80, 40);
  for (int i = 0; i < 2; ++i) {
    target.fill(Qt::white);
    QPainter p(&target);
    p.setClipRect(clip);
    bench->paint(p, clip);
    p.end();
    // Drawn both times: nothing of the white shows through.
    EXPECT_NE(target.pixel(clip.center()), QColor(Qt::white).rgb()) << i;
  }
  EXPECT_EQ(bench->renders, 1);
  QPainter p(&target);
  bench->paint(p, QRect(0, 0, 10, 10));
  EXPECT_EQ(bench->renders, 2);
}

TEST(APBench, AScaledPanelDrawsItsBackgroundScaled) {
  tcFrontPanelWorld world;
  PageBench* bench = world.show<PageBench>();
  ASSERT_EQ(world.setup_result(), 0);
  bench->set_scale(2.0f, 2.0f);
  QImage scaled(1280, 720, QImage::Format_ARGB32_Premultiplied);
  QPainter p(&scaled);
  bench->paint(p, scaled.rect());
  p.end();
  QImage plain(640, 360, QImage::Format_ARGB32_Premultiplied);
  bench->set_scale(1.0f, 1.0f);
  QPainter q(&plain);
  bench->paint(q, plain.rect());
  q.end();
  // The bottom-right corner of the panel lands at the bottom-right of the scaled image.
  EXPECT_EQ(QColor(scaled.pixel(1275, 715)).rgb(), QColor(plain.pixel(637, 357)).rgb());
}

}  // namespace
