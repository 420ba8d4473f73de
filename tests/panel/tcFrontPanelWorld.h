#pragma once
// A small front panel for the tests: the live sets, globals, options and quick
// saves of one in-memory console, and a bench on the front-panel test skin (or
// a copy of it with objects left out) shown by a host widget, with real mouse
// events on it.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "app/core/tcOptions.h"
#include "link/transport/tcApStores.h"
#include "panel/framework/tcAPBench.h"
#include "skin/objects/tcGQGuiWidget.h"
#include "skin/objects/tcGuiObject.h"

// The front-panel test skin under tests/panel/data.
inline QString tcFrontPanelSkin() {
  return qEnvironmentVariable("QX_SOURCE_DIR") + QStringLiteral("/tests/panel/data/frontpanel");
}

// A copy of the front-panel skin in `dir` without the objects whose ids are named.
inline QString tcFrontPanelSkinWithout(const QTemporaryDir& dir, const QStringList& ids) {
  const QDir source(tcFrontPanelSkin());
  for (const QString& f : source.entryList({"*.png"}, QDir::Files)) {
    QFile::copy(source.filePath(f), dir.filePath(f));
  }
  QFile in(source.filePath("skin.xml"));
  in.open(QIODevice::ReadOnly);
  // An element named by an id goes whole, up to its end tag when it has one.
  QStringList kept;
  QString closing;
  for (const QString& line : QString::fromUtf8(in.readAll()).split('\n')) {
    if (!closing.isEmpty()) {
      if (line.contains(closing)) closing.clear();
      continue;
    }
    bool drop = false;
    for (const QString& id : ids) drop = drop || line.contains("id=\"" + id + "\"");
    if (!drop) {
      kept << line;
      continue;
    }
    const QString tag = line.trimmed().mid(1).section(' ', 0, 0);
    if (!line.contains("/>") && !line.contains("</" + tag + ">")) closing = "</" + tag + ">";
  }
  QFile out(dir.filePath("skin.xml"));
  out.open(QIODevice::WriteOnly);
  out.write(kept.join('\n').toUtf8());
  return dir.path();
}

class tcFrontPanelWorld {
 public:
  tcFrontPanelWorld()
      : options_(dir_.filePath("qx770xpro.ini")),
        stores_(dir_.path(), tcChangeRouter::Hooks(), tcApStores::Meters::kNone) {
    host_.resize(640, 360);
  }

  tcPanelStores panel_stores() {
    tcPanelStores s;
    s.banks = &stores_.banks();
    s.globals = &stores_.globals();
    s.options = &options_;
    s.quick_save = &stores_.quick_save();
    return s;
  }

  // Shows a bench built by setup() in the host; the bench stays the host's.
  template <class Bench>
  Bench* show(const QString& skin_dir = tcFrontPanelSkin()) {
    auto bench =
        std::make_unique<Bench>(tcString(skin_dir.toLocal8Bit().constData()), panel_stores());
    Bench* raw = bench.get();
    host_.set_bench(std::move(bench));
    setup_result_ = raw->setup();
    return raw;
  }

  // A left click at the centre of an object, as the mouse makes it.
  void click(const tcGuiObject* o) {
    const QPoint at = o->area().center();
    QTest::mousePress(&host_, Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseRelease(&host_, Qt::LeftButton, Qt::NoModifier, at);
  }
  // A drag upwards by `pixels` starting on an object.
  void drag_up(const tcGuiObject* o, int pixels) {
    QPoint at = o->area().center();
    QTest::mousePress(&host_, Qt::LeftButton, Qt::NoModifier, at);
    for (int i = 0; i < pixels; ++i) {
      at.ry() -= 1;
      QMouseEvent move(QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
      QApplication::sendEvent(&host_, &move);
    }
    QTest::mouseRelease(&host_, Qt::LeftButton, Qt::NoModifier, at);
  }

  tcOptions& options() { return options_; }
  tcApStores& stores() { return stores_; }
  SETTINGS& live() { return *stores_.banks().set(0); }
  tcGQGuiWidget& host() { return host_; }
  int setup_result() const { return setup_result_; }
  const QTemporaryDir& dir() const { return dir_; }

 private:
  QTemporaryDir dir_;
  tcOptions options_;
  tcApStores stores_;
  tcGQGuiWidget host_;
  int setup_result_ = -1;
};
