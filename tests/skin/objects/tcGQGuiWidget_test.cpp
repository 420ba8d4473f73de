#include "skin/objects/tcGQGuiWidget.h"

#include <gtest/gtest.h>

#include <QPainter>
#include <cmath>

#include "skin/objects/tcGuiApGraph.h"
#include "skin/objects/tcGuiButton.h"
#include "skin/objects/tcGuiCheckBox.h"
#include "skin/objects/tcGuiCombo.h"
#include "skin/objects/tcGuiDisplay.h"
#include "skin/objects/tcGuiDynGraph.h"
#include "skin/objects/tcGuiKnob.h"
#include "skin/objects/tcGuiLamp.h"
#include "skin/objects/tcGuiListbox.h"
#include "skin/objects/tcGuiMeter.h"
#include "skin/objects/tcGuiRadioGroup.h"
#include "skin/objects/tcGuiRadioItem.h"
#include "skin/objects/tcGuiSlider.h"
#include "tests/skin/objects/tcPanelWorld.h"

namespace {

tcGuiKnob* add_knob(tcPanelWorld& w, const char* name, int x, int y) {
  auto owned = std::make_unique<tcGuiKnob>(w.bench, w.bench->next_object_id(), name);
  tcGuiKnob* knob = owned.get();
  w.bench->add_object(std::move(owned));
  knob->set_x(x);
  knob->set_y(y);
  knob->finish();
  knob->show(true);
  knob->set_value(100);
  return knob;
}

TEST(GQGuiWidget, TheFirstCreatedOfTwoOverlappingObjectsGetsTheClick) {
  tcPanelWorld w;
  ASSERT_EQ(w.loaded, 0);
  tcGuiKnob* first = add_knob(w, "FIRST", 400, 160);
  tcGuiKnob* second = add_knob(w, "SECOND", 410, 170);
  w.press(QPoint(415, 175));
  w.move(QPoint(415, 165));
  w.release(QPoint(415, 165));
  EXPECT_EQ(first->value(), 110);
  EXPECT_EQ(second->value(), 100);
  // Only the second lies under this point.
  w.press(QPoint(428, 188));
  w.move(QPoint(428, 178));
  w.release(QPoint(428, 178));
  EXPECT_EQ(second->value(), 110);
}

TEST(GQGuiWidget, PressesOnEmptyPanelInTheTopBandDragTheWindow) {
  tcPanelWorld w;
  w.widget.move(100, 100);
  const QPoint start = w.widget.pos();
  const QPoint at(300, 10);  // above every object, below the title's right end
  const QPoint global = w.widget.mapToGlobal(at);
  w.send_global(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton);
  EXPECT_TRUE(w.widget.window_dragging());
  w.send_global(QEvent::MouseMove, at, global + QPoint(25, 12), Qt::NoButton, Qt::LeftButton);
  EXPECT_EQ(w.widget.pos(), start + QPoint(25, 12));
  w.send_global(QEvent::MouseButtonRelease, at, global + QPoint(25, 12), Qt::LeftButton,
                Qt::NoButton);
  EXPECT_FALSE(w.widget.window_dragging());

  // Below the band, or on an object in it, nothing moves.
  add_knob(w, "TOP_KNOB", 430, 2);
  const QPoint moved = w.widget.pos();
  for (const QPoint p : {QPoint(450, 33), QPoint(440, 10)}) {
    const QPoint g = w.widget.mapToGlobal(p);
    w.send_global(QEvent::MouseButtonPress, p, g, Qt::LeftButton, Qt::LeftButton);
    EXPECT_FALSE(w.widget.window_dragging()) << p.x();
    w.send_global(QEvent::MouseMove, p, g + QPoint(40, 40), Qt::NoButton, Qt::LeftButton);
    w.send_global(QEvent::MouseButtonRelease, p, g, Qt::LeftButton, Qt::NoButton);
  }
  EXPECT_EQ(w.widget.pos(), moved);
  w.widget.set_window_drag(false);
  w.press(at);
  EXPECT_FALSE(w.widget.window_dragging());
  w.release(at);
}

TEST(GQGuiWidget, RightPressesNoObjectTakesOpenTheHostMenu) {
  tcPanelWorld w;
  const QPoint at(460, 290);
  w.press(at, Qt::RightButton);
  w.release(at, Qt::RightButton);
  ASSERT_EQ(w.widget.menus.size(), 1u);
  EXPECT_EQ(w.widget.menus[0], w.widget.mapToGlobal(at));
}

TEST(GQGuiWidget, HoverReachesEveryObjectThatTakesIt) {
  tcPanelWorld w;
  tcGuiButton* b = w.get<tcGuiButton>("BYPASS_BTN");
  tcGuiKnob* k = w.get<tcGuiKnob>("DRIVE::INPUT_KNOB");
  w.move(w.centre_of(b), Qt::NoModifier, Qt::NoButton);
  EXPECT_TRUE(b->hovered());
  EXPECT_FALSE(k->hovered());
  w.move(w.centre_of(k), Qt::NoModifier, Qt::NoButton);
  EXPECT_FALSE(b->hovered());
  EXPECT_TRUE(k->hovered());
}

TEST(GQGuiWidget, ScaledBenchesMapPointersAndRepaintOnlyTheDirtyRectangle) {
  tcPanelWorld w;
  w.bench->set_scale(2.0f, 2.0f);
  w.widget.resize(960, 600);
  tcGuiKnob* k = w.get<tcGuiKnob>("DRIVE::INPUT_KNOB");  // skin (20, 44), 40 by 40
  k->set_value(0);
  const QPoint at(2 * 40, 2 * 64);
  w.press(at);
  w.move(at + QPoint(0, -20));  // 20 widget pixels up are 10 skin pixels
  w.release(at);
  EXPECT_EQ(k->value(), 10);
  EXPECT_EQ(w.bench->to_widget(k->area()), QRect(39, 87, 82, 82));

  // Painting a dirty rectangle draws the objects that meet it, scaled, and
  // leaves the rest of the device alone.
  QImage img(960, 600, QImage::Format_RGB32);
  img.fill(Qt::magenta);
  const QRect dirty = w.bench->to_widget(k->area());
  {
    QPainter p(&img);
    p.setClipRect(dirty);
    w.bench->paint(p, dirty);
  }
  EXPECT_EQ(QColor(img.pixel(dirty.x() - 2, dirty.y() + 10)), QColor(Qt::magenta));
  EXPECT_EQ(QColor(img.pixel(600, 400)), QColor(Qt::magenta));
  EXPECT_NE(QColor(img.pixel(dirty.center())), QColor(Qt::magenta));
  // The knob's pointer section is white somewhere inside its scaled area.
  bool pointer = false;
  for (int y = dirty.top(); y <= dirty.bottom(); ++y) {
    for (int x = dirty.left(); x <= dirty.right(); ++x) pointer |= img.pixel(x, y) == 0xFFF0F0F0u;
  }
  EXPECT_TRUE(pointer);
}

TEST(GQGuiWidget, AnObjectRepaintsOnlyItsScaledRectangle) {
  tcPanelWorld w;
  w.bench->set_scale(1.5f, 1.5f);
  w.widget.resize(720, 450);
  w.widget.show();
  QCoreApplication::processEvents();
  w.widget.painted.clear();
  tcGuiLamp* lamp = w.get<tcGuiLamp>("CLIP_LAMP");  // skin (300, 146), 12 by 12
  lamp->set_state(1);
  QCoreApplication::processEvents();
  ASSERT_EQ(w.widget.painted.size(), 1u);
  // The lamp and its text beside it, each scaled and rounded outward.
  const QRect scaled = w.bench->to_widget(lamp->area());
  EXPECT_TRUE(scaled.contains(QRect(450, 219, 18, 18)));
  EXPECT_LT(scaled.width(), 24);
  EXPECT_EQ(w.widget.painted[0], QRegion(scaled) | w.bench->to_widget(lamp->text_area()));
  w.widget.hide();
}

TEST(GQGuiWidget, ClosingDeletesTheBench) {
  tcPanelWorld w;
  ASSERT_NE(w.widget.bench(), nullptr);
  w.widget.close();
  EXPECT_EQ(w.widget.bench(), nullptr);
  w.press(QPoint(30, 50));  // no bench: nothing to reach
  w.wheel(QPoint(30, 50), 120);
}

// With QX_SCREENSHOT=path set (and a real X server), the panel is shown and
// grabbed to that PNG; otherwise it is rendered offscreen and spot-checked.
TEST(GQGuiWidget, ThePanelSkinRenders) {
  tcPanelWorld w;
  ASSERT_EQ(w.loaded, 0);
  w.get<tcGuiKnob>("DRIVE::INPUT_KNOB")->set_value(190);
  w.get<tcGuiKnob>("DRIVE::FREQ_KNOB")->set_value(90);
  w.get<tcGuiKnob>("DRIVE::WIDTH_KNOB")->set_value(140);
  w.get<tcGuiKnob>("DRIVE::BAL_KNOB")->set_value(170);
  w.get<tcGuiDisplay>("DRIVE::INPUT_DSPY")->set_text("+4.5 dB");
  w.get<tcGuiDisplay>("DRIVE::FREQ_DSPY")->set_text("1.2 kHz");
  w.get<tcGuiDisplay>("NAME_DSPY")->set_text("ROCK - DENSE AND LOUD");
  w.get<tcGuiSlider>("OUT_SLIDER")->set_value(180);
  w.get<tcGuiSlider>("MIX_SLIDER")->set_value(90);
  w.get<tcGuiButton>("BYPASS_BTN")->set_state(1);
  w.get<tcGuiCheckBox>("STEREO_CHK")->set_state(1);
  w.get<tcGuiLamp>("CLIP_LAMP")->set_state(1);
  w.get<tcGuiRadioGroup>("SOURCE")->set_state(1);
  w.get<tcGuiCombo>("MODE_COMBO")->set_entries({"MONO", "STEREO", "M/S"});
  w.get<tcGuiCombo>("MODE_COMBO")->set_index(1);
  w.get<tcGuiCombo>("PRESET_COMBO")->set_entries({"Factory 1", "Factory 2"});
  tcGuiListbox* list = w.get<tcGuiListbox>("PRESET_LIST");
  list->set_entries(
      {"01 Rock", "02 Classical", "03 News/Talk", "04 Urban", "05 Jazz", "06 Country", "07 Dance"});
  list->set_selected(2, true);
  tcGuiMeter* meter = w.get<tcGuiMeter>("OUT_METER");
  meter->set_level(0, 24);
  meter->set_level(1, 36);
  meter->set_over(0, true);
  w.get<tcGuiMeter>("GR_METER")->set_level(0, 30);
  tcGuiDynGraph* dyn = w.get<tcGuiDynGraph>("DYN_GRAPH");
  dyn->set_axis(true, tcGuiGraph::kLinearFromMin, -60.0f, 0.0f);
  dyn->set_axis(false, tcGuiGraph::kLinearFromMax, -60.0f, 0.0f);
  std::vector<QPointF> in_out;
  std::vector<QPointF> unity;
  for (int i = -60; i <= 0; ++i) {
    in_out.emplace_back(i, i < -30 ? i : -30 + (i + 30) / 3.0);
    unity.emplace_back(i, i);
  }
  dyn->set_curve(0, in_out);
  dyn->set_curve(1, unity);
  tcGuiApGraph* eq = w.get<tcGuiApGraph>("EQ_GRAPH");
  eq->set_axis(false, tcGuiGraph::kLinearFromMax, -12.0f, 12.0f);
  tcRecordingDragger curve(eq);
  eq->set_dragger(0, &curve);

  const QByteArray path = qgetenv("QX_SCREENSHOT");
  if (!path.isEmpty()) {
    w.widget.show();
    QCoreApplication::processEvents();
    ASSERT_TRUE(w.widget.grab().save(QString::fromLocal8Bit(path), "PNG"));
  }
  const QImage img = w.render();
  // The background band, the lit lamp and the checked box.
  EXPECT_EQ(QColor(img.pixel(400, 5)), QColor(0x2A, 0x34, 0x40));
  EXPECT_EQ(QColor(img.pixel(306, 152)), QColor(0xFF, 0x30, 0x30));
  EXPECT_EQ(QColor(img.pixel(240, 152)), QColor(0x40, 0xE0, 0x70));
}

}  // namespace
