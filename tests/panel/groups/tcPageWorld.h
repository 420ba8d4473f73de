#pragma once
// The model's bench on the page test skin (the front-panel frame with the
// input, equaliser and compressor pages), shown by a host widget that takes
// real mouse events, over the in-memory console of tcFrontPanelWorld.
#include <QMouseEvent>
#include <QTest>
#include <algorithm>
#include <cstdlib>

#include "link/protocol/tcMeterRecord.h"
#include "panel/groups/tcControlGroupMain.h"
#include "panel/groups/tcSpectrumView.h"
#include "panel/groups/tcTK3Bench.h"
#include "skin/draggers/tcSpectrumDragger.h"
#include "skin/objects/tcGuiApGraph.h"
#include "tests/panel/tcFrontPanelWorld.h"

// A press at a point of a panel widget, dragged by (dx, dy) in single-pixel
// moves, and released.
inline void tcDragOn(QWidget* w, QPoint at, int dx, int dy) {
  QTest::mousePress(w, Qt::LeftButton, Qt::NoModifier, at);
  const int steps = std::max(std::abs(dx), std::abs(dy));
  for (int i = 1; i <= steps; ++i) {
    const QPoint p = at + QPoint(dx * i / steps, dy * i / steps);
    QMouseEvent move(QEvent::MouseMove, p, Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &move);
  }
  QTest::mouseRelease(w, Qt::LeftButton, Qt::NoModifier, at + QPoint(dx, dy));
}

inline QString tcPageSkin() {
  return qEnvironmentVariable("QX_SOURCE_DIR") + QStringLiteral("/tests/panel/data/eqpages");
}

class tcPageWorld : public tcFrontPanelWorld {
 public:
  // The bench is built with engineering mode as given.
  explicit tcPageWorld(bool guru = false) {
    options().set_guru(guru);
    host().resize(640, 720);
    bench_ = show<tcTK3Bench>(tcPageSkin());
  }

  tcTK3Bench* bench() const { return bench_; }
  template <class Group>
  Group* group(int slot) const {
    return static_cast<Group*>(bench_->group(slot));
  }
  tcGuiObject* named(const char* name) const { return bench_->find_object(name); }
  tcGuiApGraph* graph() const { return bench_->main_graph(); }
  // The Main group's spectrum view on the shared graph.
  tcSpectrumView* spectrum() const { return bench_->main_group()->spectrum(); }

  bool sent(uint16_t id) { return stores().bank_send().test(0, id); }
  bool global_sent(uint16_t id) { return stores().globals_send().test(id); }
  bool anything_sent() {
    return stores().bank_send().record(0)->any() || stores().globals_send().any();
  }
  void clear_sent() {
    stores().bank_send().clear_all(0);
    stores().globals_send().clear_all();
  }

  // A change the processor made, as the window hands it to the panel.
  void from_processor(uint16_t id, uint32_t raw) {
    live().set_raw(id, raw, kSourceProcessor);
    bench_->parameter_changed(id, 0);
  }

  void drag(QPoint at, int dx, int dy) { tcDragOn(&host(), at, dx, dy); }
  // A point of the shared graph's plot (plot coordinates) on the panel.
  QPoint on_plot(QPoint p) const {
    const tcGuiApGraph* g = graph();
    return QPoint(g->x(), g->y()) + g->plot_rect().topLeft() + p;
  }

  // With QX_SCREENSHOT naming a PNG file, the panel as it stands is saved
  // there with the page's name put before the suffix.
  void screenshot(const char* page) {
    const QString path = qEnvironmentVariable("QX_SCREENSHOT");
    if (path.isEmpty()) return;
    host().show();
    QString name = path;
    name.replace(QStringLiteral(".png"), QStringLiteral("-%1.png").arg(page));
    host().grab().save(name);
  }

  // A meter record with the given bytes set.
  static tcMeterRecord record(std::initializer_list<std::pair<size_t, uint8_t>> bytes) {
    std::array<uint8_t, tcMeterRecord::kSize> raw{};
    std::copy(tcMeterRecord::kMagic, tcMeterRecord::kMagic + tcMeterRecord::kMagicSize,
              raw.begin());
    raw[tcMeterRecord::kFormatOffset] = tcMeterRecord::kFormat;
    for (const auto& b : bytes) raw[b.first] = b.second;
    tcMeterRecord r;
    r.decode(raw.data(), raw.size());
    return r;
  }

 private:
  tcTK3Bench* bench_ = nullptr;
};
