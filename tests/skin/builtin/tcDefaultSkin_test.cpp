// The default skin as this build made it (bin/fp_skins/default): every name the
// control groups bind, a clean load, a layout without overlaps, and a panel
// whose every object draws. With QX_SKIN_SHOTS naming a folder, the page
// renders (scale 1.0 and 1.5, colour and greyscale) are saved there.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <map>
#include <memory>
#include <set>
#include <string>

#include "skin/loader/tcBenchMaster.h"
#include "skin/objects/tcGQGuiWidget.h"
#include "skin/objects/tcGuiCombo.h"
#include "skin/objects/tcGuiDisplay.h"
#include "skin/objects/tcGuiFrame.h"
#include "skin/objects/tcGuiImage.h"
#include "skin/objects/tcGuiKnob.h"
#include "skin/objects/tcGuiLabel.h"
#include "skin/objects/tcGuiRadioGroup.h"
#include "skin/objects/tcGuiRadioItem.h"
#include "tests/skin/builtin/tcDefaultSkinNames.h"
#include "tests/support/tcLogCapture.h"
#include "tests/support/tcTestPaths.h"

namespace {

QString skin_dir() {
  return tcBuiltProgram("fp_skins/default");
}

// The bench as the window paints it: the background image under the objects.
class tcShotBench : public tcBenchMaster {
 public:
  tcShotBench() : tcBenchMaster(tcString(QFile::encodeName(skin_dir()).constData())) {}
  void paint(QPainter& painter, const QRect& dirty) override {
    if (const auto* background = dynamic_cast<const tcGuiImage*>(find_object("BKGRND"))) {
      painter.save();
      if (scaled()) painter.scale(scale_x(), scale_y());
      background->draw_section(painter, 0, 0, 0);
      painter.restore();
    }
    tcBenchMaster::paint(painter, dirty);
  }
};

// The objects of an object group are named with its prefix.
std::vector<tcGuiObject*> members(const tcBenchMaster& bench, const std::string& group) {
  std::vector<tcGuiObject*> found;
  for (const auto& o : bench.objects()) {
    if (o->name().toQString().startsWith(QString::fromStdString(group + "::"))) {
      found.push_back(o.get());
    }
  }
  return found;
}

// What a page shows: the Main objects, then the page's own.
std::vector<tcGuiObject*> shown_with(const tcBenchMaster& bench,
                                     const std::vector<tcSkinPage>& pages, const tcSkinPage& page) {
  std::vector<tcGuiObject*> shown;
  for (const tcSkinPage* p : {&pages.front(), &page}) {
    for (const tcSkinName& n : p->names) {
      if (n.kind == kObjectGroup) {
        for (tcGuiObject* o : members(bench, n.name)) shown.push_back(o);
      } else if (tcGuiObject* o = bench.find_object(n.name.c_str())) {
        shown.push_back(o);
      }
    }
    if (p == &page) break;
  }
  return shown;
}

class DefaultSkin : public ::testing::Test {
 protected:
  void SetUp() override {
    bench_ = std::make_unique<tcShotBench>();
    ASSERT_EQ(bench_->load(), 0);
  }

  tcGuiObject* find(const std::string& name) const { return bench_->find_object(name.c_str()); }
  std::vector<tcGuiObject*> members(const std::string& group) const {
    return ::members(*bench_, group);
  }
  std::vector<tcGuiObject*> shown_with(const tcSkinPage& page) const {
    return ::shown_with(*bench_, pages_, page);
  }

  const std::vector<tcSkinPage> pages_ = tcDefaultSkin::pages();
  tcLogCapture log_;
  std::unique_ptr<tcShotBench> bench_;
};

TEST_F(DefaultSkin, LoadsWithoutAnErrorOrWarning) {
  for (const tcLogCapture::Line& line : tcLogCapture::lines()) {
    EXPECT_NE(line.level, tcLog::kError) << line.text;
    EXPECT_EQ(line.text.find("WARNING:"), std::string::npos) << line.text;
  }
  const auto* background = dynamic_cast<const tcGuiImage*>(find("BKGRND"));
  ASSERT_NE(background, nullptr);
  EXPECT_EQ(background->picture().size(), QSize(1024, 768));
  // The picture and the colours the skin names for it agree.
  const QImage face = background->picture().convertToFormat(QImage::Format_ARGB32);
  EXPECT_EQ(face.pixel(512, 10), *bench_->find_colour("DRAG_BAND"));
  EXPECT_EQ(face.pixel(512, 400), *bench_->find_colour("FACE"));
}

TEST_F(DefaultSkin, DefinesEveryNameOfEveryGroupWithItsKind) {
  for (const tcSkinPage& page : pages_) {
    for (const tcSkinName& n : page.names) {
      if (n.kind == kObjectGroup) {
        EXPECT_FALSE(members(n.name).empty()) << page.title << ": no object group " << n.name;
        continue;
      }
      const tcGuiObject* o = find(n.name);
      ASSERT_NE(o, nullptr) << page.title << ": " << n.name << " is missing";
      EXPECT_EQ(o->kind(), n.kind) << page.title << ": " << n.name;
      if (n.kind != tcGuiObject::kRadioItem) continue;
      // An item belongs to the page's radio group whose name prefixes its own.
      std::string owner;
      for (const tcSkinName& g : page.names) {
        if (g.kind == tcGuiObject::kRadioGroup && n.name.rfind(g.name + "_", 0) == 0 &&
            g.name.size() > owner.size()) {
          owner = g.name;
        }
      }
      const auto* item = static_cast<const tcGuiRadioItem*>(o);
      ASSERT_NE(item->group_object(), nullptr) << n.name;
      EXPECT_EQ(item->group_object()->name().toQString().toStdString(), owner) << n.name;
    }
  }
  for (const char* colour : tcDefaultSkin::colour_names()) {
    EXPECT_NE(bench_->find_colour(colour), nullptr) << colour;
  }
}

// Frames and labels: a page's panels, titles and captions.
bool backdrop(const tcGuiObject* o) {
  return o->kind() == tcGuiObject::kFrame || o->kind() == tcGuiObject::kLabel;
}

// Where an object draws: its rectangle and its text. A radio group draws
// nothing itself, its items do; a page's free-drawing frame is its backdrop.
std::vector<std::pair<std::string, QRect>> footprints(const std::vector<tcGuiObject*>& objects) {
  std::vector<std::pair<std::string, QRect>> out;
  for (const tcGuiObject* o : objects) {
    const std::string name = o->name().toQString().toStdString();
    if (o->kind() == tcGuiObject::kRadioGroup) continue;
    if (backdrop(o)) {
      // Backdrops: only their titles and captions must keep clear of the controls.
      const QPoint origin = o->attached() ? QPoint() : QPoint(o->x(), o->y());
      for (const tcGuiLabel* l : o->labels()) {
        if (!l->text_area().isEmpty()) {
          out.push_back({name + "/" + l->name().toQString().toStdString(),
                         l->text_area().translated(origin)});
        }
      }
      if (o->kind() == tcGuiObject::kLabel && !o->text_area().isEmpty()) {
        out.push_back({name, o->text_area()});
      }
      continue;
    }
    out.push_back({name, o->area() | o->text_area()});
  }
  return out;
}

TEST_F(DefaultSkin, NoTwoObjectsOfAPageOverlapNorLeaveTheirArea) {
  const QRect* page_area = bench_->find_region("PAGE_AREA");
  const QRect* drag_band = bench_->find_region("DRAG_BAND");
  ASSERT_TRUE(page_area && drag_band);
  const auto main = footprints(shown_with(pages_.front()));
  for (const auto& [name, r] : main) {
    EXPECT_TRUE(QRect(0, 0, 1024, 768).contains(r)) << name;
    const tcGuiObject* o = find(name);
    if (o && (o->accepts_left() || o->accepts_double_click())) {
      EXPECT_FALSE(r.intersects(*drag_band)) << name << " takes clicks in the drag band";
    }
  }
  for (size_t i = 0; i < main.size(); ++i) {
    for (size_t j = i + 1; j < main.size(); ++j) {
      EXPECT_FALSE(main[i].second.intersects(main[j].second))
          << main[i].first << " overlaps " << main[j].first;
    }
  }
  // A page's objects against each other and against the Main objects.
  for (size_t p = 1; p < pages_.size(); ++p) {
    const auto all = footprints(shown_with(pages_[p]));
    for (size_t i = main.size(); i < all.size(); ++i) {
      EXPECT_TRUE(page_area->contains(all[i].second)) << pages_[p].title << ": " << all[i].first;
      for (size_t j = 0; j < i; ++j) {
        EXPECT_FALSE(all[i].second.intersects(all[j].second))
            << pages_[p].title << ": " << all[i].first << " overlaps " << all[j].first;
      }
    }
  }
}

// The panels of a page: labels carrying a rounded frame, on the page's
// free-drawing frame or in one of its object groups.
std::vector<std::pair<std::string, QRect>> panels(const std::vector<tcGuiObject*>& shown) {
  std::vector<std::pair<std::string, QRect>> out;
  const auto add = [&out](const tcGuiObject* label, const QPoint& origin) {
    const auto* edge = label->frame();
    if (edge && edge->radius() > 0) {
      out.push_back({label->name().toQString().toStdString(), label->area().translated(origin)});
    }
  };
  for (const tcGuiObject* o : shown) {
    if (o->kind() == tcGuiObject::kFrame) {
      for (const tcGuiLabel* l : o->labels()) add(l, QPoint(o->x(), o->y()));
    } else if (o->kind() == tcGuiObject::kLabel && !o->attached()) {
      add(o, QPoint());
    }
  }
  return out;
}

TEST_F(DefaultSkin, PanelsKeepTheirDistance) {
  for (const tcSkinPage& page : pages_) {
    const auto all = panels(shown_with(page));
    for (size_t i = 0; i < all.size(); ++i) {
      EXPECT_TRUE(QRect(16, 16, 992, 736).contains(all[i].second)) << all[i].first;
      for (size_t j = 0; j < i; ++j) {
        EXPECT_FALSE(all[i].second.adjusted(-15, -15, 15, 15).intersects(all[j].second))
            << page.title << ": " << all[i].first << " is within 16 pixels of " << all[j].first;
      }
    }
  }
}

TEST_F(DefaultSkin, DrawsEveryImageItShipsAndKeepsTheStyleRules) {
  std::set<QString> used;
  for (const auto& o : bench_->objects()) {
    if (const auto* image = dynamic_cast<const tcGuiImage*>(o.get())) {
      EXPECT_FALSE(image->picture().isNull()) << image->file().c_str();
      // Sections stacked top to bottom, as many as the skin says.
      EXPECT_EQ(image->picture().height() % image->sections(), 0) << image->file().c_str();
      used.insert(image->file().toQString());
    }
    // Two knob sizes; keys large enough to hit.
    if (o->kind() == tcGuiObject::kKnob) {
      EXPECT_TRUE(o->width() == 40 || o->width() == 56) << o->name().c_str();
    }
    if (o->kind() == tcGuiObject::kButton && o->name() != "SYS_ABOUT" &&
        o->name() != "SYS_MINIMIZE" && o->name() != "SYS_EXIT") {
      EXPECT_GE(o->height(), 28) << o->name().c_str();
    }
  }
  const QStringList files = QDir(skin_dir()).entryList({"*.png"}, QDir::Files);
  for (const QString& file : files)
    EXPECT_TRUE(used.count(file)) << file.toStdString() << " unused";
}

// Values to look at in the renders: mid-range knobs, texts as long as the
// groups write them, the first item of each list.
void dress(tcBenchMaster& bench) {
  int i = 0;
  for (const auto& o : bench.objects()) {
    ++i;
    if (auto* knob = dynamic_cast<tcGuiKnob*>(o.get())) {
      knob->set_range(0, 100);
      knob->set_value(20 + (i * 37) % 70);
    } else if (auto* d = dynamic_cast<tcGuiDisplay*>(o.get())) {
      if (d->name().toQString().endsWith("_DSPY")) d->set_text(i % 3 ? "-12.5 dB" : "1250.0 mS");
    } else if (auto* c = dynamic_cast<tcGuiCombo*>(o.get())) {
      c->set_entries({tcString(i % 2 ? "Post-Limiter" : "-10.0 dB")});
    } else if (o->kind() == tcGuiObject::kCheckBox || o->kind() == tcGuiObject::kLamp) {
      o->set_state(i % 2);
    } else if (o->kind() == tcGuiObject::kButton && o->name().toQString().startsWith("FLOW_")) {
      o->set_state(i % 4);
    }
  }
  if (auto* d = dynamic_cast<tcGuiDisplay*>(bench.find_object("STAT_ONLINE")))
    d->set_text("Online");
  if (auto* d = dynamic_cast<tcGuiDisplay*>(bench.find_object("STAT_DEVICE"))) {
    d->set_text("Studio 2 - QX770HD");
  }
  if (auto* d = dynamic_cast<tcGuiDisplay*>(bench.find_object("STAT_PRESET"))) {
    d->set_text("12: Rock Loud FM");
  }
}

// A page as the host widget shows it: a bench of its own, loaded, with the
// page's objects shown (or only their backdrops).
QImage render(const std::vector<tcSkinPage>& pages, const tcSkinPage& page, double scale,
              bool backdrops_only, bool dressed) {
  auto bench = std::make_unique<tcShotBench>();
  if (bench->load() != 0) return QImage();
  if (dressed) dress(*bench);
  for (tcGuiObject* o : shown_with(*bench, pages, page)) {
    if (!backdrops_only || backdrop(o)) o->show(true);
  }
  bench->set_scale(static_cast<float>(scale), static_cast<float>(scale));
  tcGQGuiWidget host;
  host.set_bench(std::move(bench));
  host.resize(static_cast<int>(1024 * scale + 0.5), static_cast<int>(768 * scale + 0.5));
  return host.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

TEST_F(DefaultSkin, EveryObjectOfEveryPageDraws) {
  const QString shots = qEnvironmentVariable("QX_SKIN_SHOTS");
  for (const tcSkinPage& page : pages_) {
    const QImage full = render(pages_, page, 1.0, false, false);
    const QImage bare = render(pages_, page, 1.0, true, false);
    ASSERT_EQ(full.size(), QSize(1024, 768));
    for (tcGuiObject* o : shown_with(page)) {
      if (backdrop(o) || o->kind() == tcGuiObject::kRadioGroup) continue;
      const QRect r = o->area();
      EXPECT_NE(full.copy(r), bare.copy(r))
          << page.title << ": " << o->name().c_str() << " draws nothing";
    }
    if (shots.isEmpty()) continue;
    QDir().mkpath(shots);
    const QString stem = QDir(shots).filePath(QString::fromLatin1(page.title));
    const QImage dressed = render(pages_, page, 1.0, false, true);
    EXPECT_TRUE(dressed.save(stem + ".png"));
    EXPECT_TRUE(dressed.convertToFormat(QImage::Format_Grayscale8).save(stem + "_grey.png"));
    EXPECT_TRUE(render(pages_, page, 1.5, false, true).save(stem + "_x1.5.png"));
  }
}

}  // namespace
