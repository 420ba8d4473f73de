// The front panel on the default skin this build made, with all its groups: a
// full repaint of the panel against a bare blit of a panel-sized image, and one
// meter-timer tick (the newest record taken from the listener and handed
// through the groups) against copying one record.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <cstring>
#include <memory>

#include "app/core/tcOptions.h"
#include "bench/tcBaseline.h"
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
    const QString skin = QDir(QCoreApplication::applicationDirPath())
                             .filePath(QStringLiteral("../bin/fp_skins/default"));
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

void BM_FullPanelRepaint(benchmark::State& state) {
  Panel& p = panel();
  if (!p.loaded) {
    state.SkipWithError("the default skin is not built");
    return;
  }
  const tcBaseline blit("blit", [&p] {
    QPainter painter(&p.image);
    painter.drawImage(0, 0, p.blit_source);
  });
  for (auto _ : state) {
    QPainter painter(&p.image);
    p.bench->paint(painter, p.image.rect());
  }
  blit.report(state);
}
BENCHMARK(BM_FullPanelRepaint)->Unit(benchmark::kMicrosecond);

void BM_MeterTick(benchmark::State& state) {
  Panel& p = panel();
  if (!p.loaded) {
    state.SkipWithError("the default skin is not built");
    return;
  }
  tcMeterRecord taken;
  uint8_t copy[tcMeterRecord::kSize];
  const tcBaseline record_copy("copy", [&] {
    std::memcpy(copy, p.record, sizeof copy);
    benchmark::DoNotOptimize(copy);
  });
  for (auto _ : state) {
    // As the listener thread stores a record and the meter timer takes it.
    p.record[tcMeterRecord::kTagOffset] = p.listener.request_tag();
    p.listener.store_record(p.record, sizeof p.record);
    if (p.listener.take_record(taken) == 0) p.bench->meter_record(taken);
  }
  record_copy.report(state);
}
BENCHMARK(BM_MeterTick)->Unit(benchmark::kMicrosecond);

}  // namespace
