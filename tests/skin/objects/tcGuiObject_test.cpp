#include "skin/objects/tcGuiObject.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include <QPainter>

#include "skin/objects/tcBench.h"
#include "skin/objects/tcGuiFont.h"
#include "skin/objects/tcGuiFrame.h"
#include "skin/objects/tcGuiGraph.h"
#include "skin/objects/tcGuiImage.h"
#include "skin/objects/tcGuiKnob.h"
#include "skin/objects/tcGuiLabel.h"
#include "tests/skin/objects/tcPanelWorld.h"

namespace {

// A bench without a file, and an object that takes presses and records them.
class Bench : public tcBench {
 public:
  const StateRow* state_table() const override { return nullptr; }
};

class Pad : public tcGuiObject {
 public:
  Pad(tcBench* bench, const char* name, int x, int y, bool takes)
      : tcGuiObject(bench, kButton, bench->next_object_id(), name), takes_(takes) {
    set_x(x);
    set_y(y);
    show(true);
  }
  bool left_press(int x, int y) override {
    ++presses;
    last_x = x;
    last_y = y;
    return takes_;
  }
  void release(int, int) override { ++releases; }
  void drag(int x, int, int modifiers) override {
    last_x = x;
    last_modifiers = modifiers;
  }
  bool accepts_wheel() const override { return true; }
  void wheel(int step, int) override { last_step = step; }

  int presses = 0;
  int releases = 0;
  int last_x = 0;
  int last_y = 0;
  int last_modifiers = 0;
  int last_step = 0;

 private:
  bool takes_;
};

TEST(GuiObject, DefaultsAndTheEdgeInclusiveHitTest) {
  Bench bench;
  tcGuiKnob knob(&bench, 10001, "K");
  EXPECT_EQ(knob.kind(), 10);
  EXPECT_EQ(knob.width(), 20);
  EXPECT_EQ(knob.height(), 20);
  EXPECT_EQ(knob.minimum(), 0);
  EXPECT_EQ(knob.maximum(), 255);
  EXPECT_EQ(knob.focus_rect(), QRect(0, 0, 10, 10));
  EXPECT_EQ(knob.text_dx(), 10);
  EXPECT_TRUE(knob.is_enabled());
  EXPECT_FALSE(knob.hit_test(0, 0));  // invisible objects are never hit
  knob.show(true);
  EXPECT_TRUE(knob.hit_test(20, 20));
  EXPECT_FALSE(knob.hit_test(21, 0));
  knob.set_x(2147483647);  // held inside the coordinate range, no overflow
  EXPECT_EQ(knob.x(), 1 << 24);
}

TEST(GuiObject, AttachmentsNeverFormACycle) {
  Bench bench;
  tcGuiLabel a(&bench, 1, "A");
  tcGuiLabel b(&bench, 2, "B");
  tcGuiFrame f(&bench, 3, "F");
  a.attach_label(&a);
  EXPECT_TRUE(a.labels().empty());
  a.attach_label(&b);
  b.attach_label(&a);  // a holds b already
  EXPECT_EQ(a.labels().size(), 1u);
  EXPECT_TRUE(b.labels().empty());
  a.attach_label(&b);  // attached once only
  EXPECT_EQ(a.labels().size(), 1u);
  b.attach_frame(&f);
  EXPECT_EQ(b.frame(), &f);
}

TEST(GuiObject, TheFirstObjectCreatedTakesThePress) {
  Bench bench;
  auto* first =
      static_cast<Pad*>(bench.add_object(std::make_unique<Pad>(&bench, "P1", 0, 0, true)));
  auto* second =
      static_cast<Pad*>(bench.add_object(std::make_unique<Pad>(&bench, "P2", 10, 10, true)));
  auto* refusing =
      static_cast<Pad*>(bench.add_object(std::make_unique<Pad>(&bench, "P3", 200, 0, false)));
  EXPECT_EQ(bench.left_press(20, 20), tcBench::kCaptured);
  EXPECT_EQ(first->presses, 1);
  EXPECT_EQ(second->presses, 0);
  bench.drag(33, 0, tcGuiObject::kShift);
  EXPECT_EQ(first->last_x, 33);
  EXPECT_EQ(first->last_modifiers, tcGuiObject::kShift);
  bench.release(0, 0);
  EXPECT_EQ(first->releases, 1);
  EXPECT_EQ(bench.left_press(210, 10), tcBench::kRefused);
  EXPECT_EQ(refusing->presses, 1);
  EXPECT_EQ(bench.left_press(500, 500), tcBench::kNoObject);
  bench.wheel(5, 5, -120, 0);
  EXPECT_EQ(first->last_step, -1);
  EXPECT_EQ(bench.find_object("P2"), second);
}

TEST(GuiObject, PointerPositionsAreMappedToSkinCoordinates) {
  Bench bench;
  auto* pad = static_cast<Pad*>(bench.add_object(std::make_unique<Pad>(&bench, "P", 100, 0, true)));
  bench.set_scale(2.0f, 2.0f);
  EXPECT_EQ(bench.left_press(100, 0), tcBench::kNoObject);  // skin x 50
  EXPECT_EQ(bench.left_press(210, 20), tcBench::kCaptured);
  EXPECT_EQ(pad->last_x, 105);
  EXPECT_EQ(pad->last_y, 10);
}

TEST(GuiGraph, AxesMapValuesToPixelsAndBack) {
  tcGuiGraph::Axis freq{tcGuiGraph::kLog, 300, 20.0f, 20000.0f};
  EXPECT_EQ(tcGuiGraph::to_pixel(freq, 632.5f), 150);
  EXPECT_NEAR(tcGuiGraph::to_value(freq, 150), 632.46f, 0.1f);
  tcGuiGraph::Axis db{tcGuiGraph::kLinearFromMax, 100, -20.0f, 20.0f};
  EXPECT_EQ(tcGuiGraph::to_pixel(db, -20.0f), 100);
  EXPECT_EQ(tcGuiGraph::to_pixel(db, 20.0f), 0);
  EXPECT_FLOAT_EQ(tcGuiGraph::to_value(db, 25), 10.0f);
  tcGuiGraph::Axis up{tcGuiGraph::kLinearFromMin, 100, 0.0f, 10.0f};
  EXPECT_EQ(tcGuiGraph::to_pixel(up, 2.5f), 25);
  EXPECT_FLOAT_EQ(tcGuiGraph::to_value(up, 50), 5.0f);
  tcGuiGraph::Axis other{7, 100, 0.0f, 1.0f};
  EXPECT_EQ(tcGuiGraph::to_pixel(other, 0.5f), 0);
  EXPECT_EQ(tcGuiGraph::to_value(other, 50), 0.0f);
}

TEST(GuiObject, TextLinesAreSpacedByTheFontAndRotatedByItsAngle) {
  tcPanelWorld w("panelskin");
  ASSERT_EQ(w.loaded, 0);
  tcGuiObject* caption = w.bench->find_object("OUT_CAPTION");  // angle 90, bottom-left
  ASSERT_NE(caption, nullptr);
  // Rotated a quarter turn back: the text rises from the bottom of the label.
  const QRect area = caption->text_area();
  EXPECT_GT(area.height(), area.width());
  EXPECT_LE(area.bottom(), caption->y() + caption->height() + 1);
  EXPECT_LE(area.right(), caption->x() + 12);

  // Two lines, the second one font spacing (11) below the first.
  caption->set_text("A\nB");
  const QRect two = caption->text_area();
  caption->set_text("A");
  const QRect one = caption->text_area();
  EXPECT_EQ(two.width() - one.width(), 11);
}

TEST(GuiObject, AttachedLabelsPaintWithTheirHolderAtItsOffset) {
  tcPanelWorld w("testskin");
  ASSERT_EQ(w.loaded, 0);
  tcGuiObject* title = w.bench->find_object("TITLE");
  const tcGuiObject* frame = title->frame();
  ASSERT_NE(frame, nullptr);
  EXPECT_TRUE(frame->attached());
  // The frame lies under the title (its backdrop) at the title's position: the
  // shade's dark end at the bottom.
  const QImage img = w.render();
  const QColor top(img.pixel(title->x() + 50, title->y() + 1));
  const QColor bottom(img.pixel(title->x() + 50, title->y() + 18));
  EXPECT_GT(top.blue(), bottom.blue());
  EXPECT_NEAR(bottom.blue(), 0x18, 6);
}

TEST(GuiImage, SectionsAreCutOnceAndDrawnAlongTheDirection) {
  tcPanelWorld w;
  const auto* button = dynamic_cast<const tcGuiImage*>(w.bench->find_object("BTN_IMG"));
  ASSERT_NE(button, nullptr);
  ASSERT_EQ(button->sections(), 12);
  const QImage* s5 = button->section(5);
  ASSERT_NE(s5, nullptr);
  EXPECT_EQ(s5->size(), QSize(60, 20));
  EXPECT_EQ(button->section(5), s5);  // the same cut picture every time
  EXPECT_EQ(button->section(12), nullptr);
  EXPECT_EQ(QColor(s5->pixel(10, 10)), QColor(button->picture().pixel(5 * 60 + 10, 10)));
  QImage target(80, 40, QImage::Format_ARGB32_Premultiplied);
  target.fill(Qt::black);
  {
    QPainter p(&target);
    button->draw_section(p, 5, 10, 10);
    button->draw_section(p, 99, 0, 0);  // outside the picture: nothing
  }
  EXPECT_EQ(QColor(target.pixel(20, 20)), QColor(s5->pixel(10, 10)));
  EXPECT_EQ(QColor(target.pixel(5, 5)), QColor(Qt::black));
  // The magenta corners of the picture are transparent.
  EXPECT_EQ(QColor(target.pixel(10, 10)), QColor(Qt::black));
}

}  // namespace
