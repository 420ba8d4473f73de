#pragma once
// The panel test skin loaded into a bench shown by a host widget, with
// synthetic pointer events and the records the tests read back.
#include <QByteArray>
#include <QCoreApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWheelEvent>
#include <cmath>
#include <memory>
#include <set>
#include <vector>

#include "skin/loader/tcBenchMaster.h"
#include "skin/objects/tcGQGuiWidget.h"
#include "skin/objects/tcGuiApGraph.h"
#include "skin/objects/tcGuiGraphDragger.h"
#include "skin/objects/tcGuiImage.h"
#include "tests/support/tcTestPaths.h"

// A bench that records repaint requests and can lock groups.
class tcPanelBench : public tcBenchMaster {
 public:
  explicit tcPanelBench(const tcString& dir) : tcBenchMaster(dir) {}
  bool group_locked(int group) const override { return locked.count(group) != 0; }
  void invalidate(const QRect& r) override {
    invalidated.push_back(r);
    tcBenchMaster::invalidate(r);
  }
  std::set<int> locked;
  std::vector<QRect> invalidated;
};

// What the value callbacks received.
struct tcCalls {
  struct Call {
    void* cookie;
    int group;
    int value;
  };
  std::vector<Call> values;
  int clicks = 0;
  static void on_value(void* cookie, int group, int value) {
    static_cast<tcCalls*>(cookie)->values.push_back(Call{cookie, group, value});
  }
  static void on_click(void* cookie, int) { ++static_cast<tcCalls*>(cookie)->clicks; }
  int last() const { return values.empty() ? -9999 : values.back().value; }
};

// A host that records the right presses no object took and the regions it paints.
class tcRecordingHost : public tcGQGuiWidget {
 public:
  std::vector<QPoint> menus;
  std::vector<QRegion> painted;

 protected:
  void context_menu(const QPoint& global_pos) override { menus.push_back(global_pos); }
  void paintEvent(QPaintEvent* event) override {
    painted.push_back(event->region());
    tcGQGuiWidget::paintEvent(event);
  }
};

class tcPanelWorld {
 public:
  explicit tcPanelWorld(const char* skin = "panelskin") {
    auto owned = std::make_unique<tcPanelBench>(tcTestSkinDir(skin));
    bench = owned.get();
    loaded = bench->load();
    // Everything but the pictures that other objects draw from is shown.
    for (const auto& o : bench->objects()) {
      if (o->kind() != tcGuiObject::kImage || o->name() == "BKGRND") o->show(true);
    }
    widget.set_bench(std::move(owned));
    widget.resize(480, 300);
    bench->invalidated.clear();
  }

  template <class T>
  T* get(const char* name) const {
    return dynamic_cast<T*>(bench->find_object(name));
  }

  void send(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held,
            Qt::KeyboardModifiers mods = Qt::NoModifier) {
    send_global(type, at, widget.mapToGlobal(at), button, held, mods);
  }
  void send_global(QEvent::Type type, QPoint at, QPoint global, Qt::MouseButton button,
                   Qt::MouseButtons held, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QMouseEvent e(type, at, global, button, held, mods);
    QCoreApplication::sendEvent(&widget, &e);
  }
  void press(QPoint at, Qt::MouseButton b = Qt::LeftButton) {
    send(QEvent::MouseButtonPress, at, b, b);
  }
  void release(QPoint at, Qt::MouseButton b = Qt::LeftButton) {
    send(QEvent::MouseButtonRelease, at, b, Qt::NoButton);
  }
  void move(QPoint at, Qt::KeyboardModifiers mods = Qt::NoModifier,
            Qt::MouseButtons held = Qt::LeftButton) {
    send(QEvent::MouseMove, at, Qt::NoButton, held, mods);
  }
  void double_click(QPoint at) {
    send(QEvent::MouseButtonDblClick, at, Qt::LeftButton, Qt::LeftButton);
  }
  void wheel(QPoint at, int delta, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QWheelEvent e(QPointF(at), QPointF(widget.mapToGlobal(at)), QPoint(), QPoint(0, delta),
                  Qt::NoButton, mods, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(&widget, &e);
  }
  // The centre of an object in widget coordinates (unscaled bench).
  QPoint centre_of(const tcGuiObject* o) const {
    return QPoint(o->x() + o->width() / 2, o->y() + o->height() / 2);
  }
  QImage render() { return widget.grab().toImage().convertToFormat(QImage::Format_RGB32); }
  void tick(int n = 1) {
    for (int i = 0; i < n; ++i) bench->animate();
  }

  tcPanelBench* bench = nullptr;
  int loaded = -1;
  tcRecordingHost widget;
};

// A dragger that records what the plot forwards and draws a curve.
class tcRecordingDragger : public tcGuiGraphDragger {
 public:
  explicit tcRecordingDragger(tcGuiApGraph* g) : tcGuiGraphDragger(g) {}
  int left_press(int x, int y) override {
    presses.emplace_back(x, y);
    return kRepaint | kChanged;
  }
  int drag(int dx, int dy, int) override {
    drags.emplace_back(dx, dy);
    return kRepaint;
  }
  int release(int, int) override {
    ++releases;
    return 0;
  }
  int wheel(int step, int) override {
    steps.push_back(step);
    return 0;
  }
  void draw_curves(QPainter& p) override {
    // A gentle shelf across the plot in the graph's audio colour.
    const tcGuiGraph::Axis& x = graph()->x_axis();
    const tcGuiGraph::Axis& y = graph()->y_axis();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor::fromRgba(graph()->audio_colour()), 2.0));
    QPolygonF line;
    for (int col = 0; col < x.size; ++col) {
      const float f = tcGuiGraph::to_value(x, col);
      const float db = 6.0f / (1.0f + std::pow(f / 1000.0f, -2.0f)) - 3.0f;
      line << QPointF(col, tcGuiGraph::to_pixel(y, db));
    }
    p.drawPolyline(line);
  }
  std::vector<QPoint> presses;
  std::vector<QPoint> drags;
  std::vector<int> steps;
  int releases = 0;
};
