// The front panel on its test skin with the Main group: a full repaint of the
// panel against a bare blit of a panel-sized image, and one meter-timer tick
// (the newest record taken from the listener and handed through the groups)
// against copying one record.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <chrono>
#include <cstring>
#include <memory>

#include "app/core/tcOptions.h"
#include "link/protocol/tcMeterRecord.h"
#include "link/transport/tcApStores.h"
#include "link/transport/tcMeterIface.h"
#include "panel/groups/tcTK3Bench.h"

namespace {

struct Panel {
  Panel() {
    if (!QCoreApplication::instance()) {
      qputenv("QT_QPA_PLATFORM", "offscreen");
      static int argc = 1;
      static char name[] = "frontpanel_bench";
      static char* argv[] = {name, nullptr};
      static QApplication app(argc, argv);
    }
    const QString skin = QFileInfo(QStringLiteral(__FILE__)).absolutePath() +
                         QStringLiteral("/../tests/panel/data/frontpanel");
    tcPanelStores s;
    s.banks = &stores.banks();
    s.globals = &stores.globals();
    s.options = &options;
    s.quick_save = &stores.quick_save();
    bench = std::make_unique<tcTK3Bench>(tcString(skin.toLocal8Bit().constData()), s);
    loaded = bench->setup() == 0;
    bench->select_page(tcAPBench::kPageCompressor);
    image = QImage(bench->panel_size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::black);
    blit_source = QImage(bench->panel_size(), QImage::Format_ARGB32_Premultiplied);
    blit_source.fill(QColor(40, 48, 56));

    std::memcpy(record, tcMeterRecord::kMagic, tcMeterRecord::kMagicSize);
    record[tcMeterRecord::kFormatOffset] = tcMeterRecord::kFormat;
    for (size_t i = tcMeterRecord::kMetersOffset; i < tcMeterRecord::kSize; ++i) {
      record[i] = static_cast<uint8_t>(i * 7);
    }
  }

  QTemporaryDir dir;
  tcOptions options{dir.filePath(QStringLiteral("qx770xpro.ini"))};
  tcApStores stores{dir.path(), tcChangeRouter::Hooks(), tcApStores::Meters::kNone};
  tcMeterIface listener;
  std::unique_ptr<tcTK3Bench> bench;
  bool loaded = false;
  QImage image;
  QImage blit_source;
  uint8_t record[tcMeterRecord::kSize];
};

Panel& panel() {
  static Panel p;
  return p;
}

template <class Work>
double seconds_per(int rounds, Work work) {
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < rounds; ++i) work();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / rounds;
}

void BM_FullPanelRepaint(benchmark::State& state) {
  Panel& p = panel();
  if (!p.loaded) {
    state.SkipWithError("front-panel skin did not load");
    return;
  }
  const auto blit = [&p] {
    QPainter painter(&p.image);
    painter.drawImage(0, 0, p.blit_source);
  };
  const auto repaint = [&p] {
    QPainter painter(&p.image);
    p.bench->paint(painter, p.image.rect());
  };
  for (auto _ : state) repaint();
  // The baseline of the same run: a bare blit of a panel-sized image.
  const double baseline = seconds_per(200, blit);
  const double panel_time = seconds_per(200, repaint);
  state.counters["blit_us"] = baseline * 1e6;
  state.counters["ratio_to_blit"] = panel_time / baseline;
}
BENCHMARK(BM_FullPanelRepaint)->Unit(benchmark::kMicrosecond);

void BM_MeterTick(benchmark::State& state) {
  Panel& p = panel();
  if (!p.loaded) {
    state.SkipWithError("front-panel skin did not load");
    return;
  }
  tcMeterRecord taken;
  const auto tick = [&] {
    // As the listener thread stores a record and the meter timer takes it.
    p.record[tcMeterRecord::kTagOffset] = p.listener.request_tag();
    p.listener.store_record(p.record, sizeof p.record);
    if (p.listener.take_record(taken) == 0) p.bench->meter_record(taken);
  };
  for (auto _ : state) tick();
  uint8_t copy[tcMeterRecord::kSize];
  const double baseline = seconds_per(10000, [&] {
    std::memcpy(copy, p.record, sizeof copy);
    benchmark::DoNotOptimize(copy);
  });
  state.counters["copy_ns"] = baseline * 1e9;
  state.counters["ratio_to_copy"] = seconds_per(10000, tick) / baseline;
}
BENCHMARK(BM_MeterTick)->Unit(benchmark::kMicrosecond);

}  // namespace
