// The metering on each 101 ms meter tick, against the physical floor of
// putting the same pixels on screen, measured in the same run:
//  - BM_RecordThroughWindow: one simulator record through both meter panels and
//    the current view, repainted as the window system would; the baseline
//    blits every bar's images and one analysis-pane image.
//  - BM_PaintView/<type>: one paint of each view; the baseline blits an image
//    of the pane's size.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <chrono>
#include <memory>
#include <vector>

#include "app/core/tcAnalysisConfig.h"
#include "app/core/tcAnalysisOptions.h"
#include "app/core/tcOptions.h"
#include "link/protocol/tcMeterRecord.h"
#include "metering/analysis/tcAnalysis.h"
#include "metering/analysis/tcAnalysisWnd.h"
#include "metering/meters/tcMetersGR.h"
#include "metering/meters/tcMetersVU.h"
#include "tools/simulator/tcSimMeters.h"
#include "tools/simulator/tcSimState.h"

namespace {

using Clock = std::chrono::steady_clock;

double seconds(Clock::time_point a, Clock::time_point b) {
  return std::chrono::duration<double>(b - a).count();
}

struct World {
  World() {
    if (!QCoreApplication::instance()) {
      qputenv("QT_QPA_PLATFORM", "offscreen");
      static int argc = 1;
      static char name[] = "metering_bench";
      static char* argv[] = {name, nullptr};
      static QApplication app(argc, argv);
    }
    options = std::make_unique<tcOptions>(dir.filePath(QStringLiteral("o.ini")));
    analysis_options = std::make_unique<tcAnalysisOptions>(dir.filePath(QStringLiteral("a.ini")));
    config = std::make_unique<tcAnalysisConfig>(dir.filePath(QStringLiteral("c.ini")));
    window = std::make_unique<tcAnalysisWnd>(*options, *analysis_options, *config);
    window->resize(900, 960);
    window->show();
    QApplication::processEvents();
  }

  // Records of the simulator for one analysis type, 101 ms apart.
  std::vector<tcMeterRecord> records(int type, int n) {
    state.globals().set_int(tcSimState::kAnalysisId, static_cast<uint32_t>(type), 0);
    std::vector<tcMeterRecord> out(static_cast<size_t>(n));
    std::vector<uint8_t> bytes(tcMeterRecord::kSize);
    for (tcMeterRecord& r : out) {
      meters.build(bytes.data(), t, 0, state, 1765000000);
      t += 0.101;
      r.decode(bytes.data(), bytes.size());
    }
    return out;
  }

  QTemporaryDir dir;
  std::unique_ptr<tcOptions> options;
  std::unique_ptr<tcAnalysisOptions> analysis_options;
  std::unique_ptr<tcAnalysisConfig> config;
  std::unique_ptr<tcAnalysisWnd> window;
  tcSimState state;
  tcSimMeters meters;
  double t = 5.0;
};

World& world() {
  static World w;
  return w;
}

// Times `work` against `floor` on every iteration; the iteration time is the
// work's, the counters tell the floor and the ratio.
template <class Work, class Floor>
void against_floor(benchmark::State& state, Work work, Floor floor) {
  double work_s = 0;
  double floor_s = 0;
  for (auto _ : state) {
    const auto a = Clock::now();
    work();
    const auto b = Clock::now();
    floor();
    const auto c = Clock::now();
    work_s += seconds(a, b);
    floor_s += seconds(b, c);
    state.SetIterationTime(seconds(a, b));
  }
  state.counters["blit_us"] = floor_s / state.iterations() * 1e6;
  state.counters["x_blit"] = work_s / floor_s;
}

// The floor: every bar's two images and an image of the analysis pane's size
// copied once into a frame buffer.
void blit_bars_and_pane(tcAnalysisWnd& w, QImage& target, const QImage& pane) {
  QPainter p(&target);
  for (tcMeters* panel :
       {static_cast<tcMeters*>(w.meters_vu()), static_cast<tcMeters*>(w.meters_gr())}) {
    for (int i = 0; i < panel->bar_count(); ++i) {
      const tcBarWidget* b = panel->bar(i);
      p.drawImage(b->pos(), b->background());
      p.drawImage(b->pos(), b->foreground());
    }
  }
  p.drawImage(0, 0, pane);
}

void BM_RecordThroughWindow(benchmark::State& state) {
  World& w = world();
  const int type = static_cast<int>(state.range(0));
  w.window->set_view_type(type);
  const std::vector<tcMeterRecord> recs = w.records(type, 64);
  QImage target(w.window->size(), QImage::Format_RGB32);
  QImage pane(w.window->analysis()->size(), QImage::Format_RGB32);
  pane.fill(Qt::darkGray);
  size_t i = 0;
  against_floor(
      state,
      [&] {
        w.window->feed(recs[i++ % recs.size()]);
        QApplication::processEvents();  // the repaint of what changed
      },
      [&] { blit_bars_and_pane(*w.window, target, pane); });
  state.SetLabel(tcAnalysisView::type_name(type));
}
BENCHMARK(BM_RecordThroughWindow)->DenseRange(0, 5)->UseManualTime()->Unit(benchmark::kMicrosecond);

void BM_PaintView(benchmark::State& state) {
  World& w = world();
  const int type = static_cast<int>(state.range(0));
  tcAnalysis& display = *w.window->analysis();
  display.set_type(type);
  for (const tcMeterRecord& r : w.records(type, 60)) display.feed(r.analysis());
  QImage target(display.size(), QImage::Format_RGB32);
  QImage same(display.size(), QImage::Format_RGB32);
  same.fill(Qt::darkGray);
  const std::vector<tcMeterRecord> recs = w.records(type, 64);
  size_t i = 0;
  against_floor(
      state,
      [&] {
        // A new frame each time, as on the meter tick (the 3-D plot draws it in).
        display.current().feed(recs[i++ % recs.size()].analysis());
        QPainter p(&target);
        display.current().paint(p, target.rect(), 0);
      },
      [&] { QPainter(&target).drawImage(0, 0, same); });
  state.SetLabel(tcAnalysisView::type_name(type));
}
BENCHMARK(BM_PaintView)->DenseRange(0, 5)->UseManualTime()->Unit(benchmark::kMicrosecond);

}  // namespace
