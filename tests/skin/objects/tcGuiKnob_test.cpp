#include "skin/objects/tcGuiKnob.h"

#include <gtest/gtest.h>

#include <cmath>

#include "tests/skin/objects/tcPanelWorld.h"

namespace {

int lit(uint32_t mask) {
  int n = 0;
  for (int b = 0; b < 32; ++b) n += (mask >> b) & 1;
  return n;
}

uint32_t leds(int from, int to) {
  uint32_t m = 0;
  for (int b = from; b <= to; ++b) m |= 1u << b;
  return m;
}

TEST(GuiKnob, RingStylesAtBothEndsAndTheMiddle) {
  using K = tcGuiKnob;
  // RING_BAR: none at the minimum, all 21 at the maximum.
  EXPECT_EQ(K::ring_of(K::kRingBar, 0, 0, 100), 0u);
  EXPECT_EQ(K::ring_of(K::kRingBar, 100, 0, 100), leds(2, 22));
  EXPECT_EQ(lit(K::ring_of(K::kRingBar, 100, 0, 100)), 21);
  EXPECT_EQ(K::ring_of(K::kRingBar, 50, 0, 100), leds(2, 12));  // round(10.5) + 2 = 13
  // RING_DOT: one LED walking from 2 to 22.
  EXPECT_EQ(K::ring_of(K::kRingDot, 0, 0, 100), leds(2, 2));
  EXPECT_EQ(K::ring_of(K::kRingDot, 50, 0, 100), leds(12, 12));
  EXPECT_EQ(K::ring_of(K::kRingDot, 100, 0, 100), leds(22, 22));
  // RING_REBAR: all at the minimum, none at the maximum.
  EXPECT_EQ(K::ring_of(K::kRingRebar, 0, 0, 100), leds(2, 22));
  EXPECT_EQ(K::ring_of(K::kRingRebar, 50, 0, 100), leds(13, 22));
  EXPECT_EQ(K::ring_of(K::kRingRebar, 100, 0, 100), 0u);
  // RING_SPREAD: the centre alone, then outwards to all.
  EXPECT_EQ(K::ring_of(K::kRingSpread, 0, 0, 100), leds(12, 12));
  EXPECT_EQ(K::ring_of(K::kRingSpread, 50, 0, 100), leds(7, 17));  // (1050 / 2) / 100 = 5
  EXPECT_EQ(K::ring_of(K::kRingSpread, 100, 0, 100), leds(2, 22));
  // RING_Q: the reverse of the spread.
  EXPECT_EQ(K::ring_of(K::kRingQ, 0, 0, 100), leds(2, 22));
  EXPECT_EQ(K::ring_of(K::kRingQ, 50, 0, 100), leds(7, 17));
  EXPECT_EQ(K::ring_of(K::kRingQ, 100, 0, 100), leds(12, 12));
  // RING_PAN: from the centre to either side.
  EXPECT_EQ(K::ring_of(K::kRingPan, -50, -50, 50), leds(2, 12));
  EXPECT_EQ(K::ring_of(K::kRingPan, 50, 0, 100), leds(12, 12));
  EXPECT_EQ(K::ring_of(K::kRingPan, 100, 0, 100), leds(12, 22));
  // SIMPLE has no ring; values outside the range and an empty range light nothing.
  EXPECT_EQ(K::ring_of(K::kSimple, 50, 0, 100), 0u);
  EXPECT_EQ(K::ring_of(K::kRingBar, 101, 0, 100), 0u);
  EXPECT_EQ(K::ring_of(K::kRingBar, 5, 5, 5), 0u);
}

TEST(GuiKnob, DragsTakeTheLargerMovementAndIgnoreCrossedDirections) {
  tcPanelWorld w;
  ASSERT_EQ(w.loaded, 0);
  tcGuiKnob* knob = w.get<tcGuiKnob>("DRIVE::INPUT_KNOB");
  tcCalls calls;
  knob->set_callback(&tcCalls::on_value, &calls, 7);
  knob->set_value(100);
  EXPECT_TRUE(calls.values.empty());  // the owner's value is not reported

  const QPoint at = w.centre_of(knob);
  w.press(at);
  w.move(at + QPoint(3, -5));  // up and right: the larger (5 up) wins
  EXPECT_EQ(knob->value(), 105);
  w.move(at + QPoint(1, -8));  // up and left: ignored
  EXPECT_EQ(knob->value(), 105);
  w.move(at + QPoint(9, -8));  // right only: dx
  EXPECT_EQ(knob->value(), 113);
  w.move(at + QPoint(9, -6), Qt::ShiftModifier);  // 2 down, times 5
  EXPECT_EQ(knob->value(), 103);
  w.move(at + QPoint(9, -26), Qt::ControlModifier);  // 20 up, held to one
  EXPECT_EQ(knob->value(), 104);
  w.release(at);
  ASSERT_EQ(calls.values.size(), 4u);
  EXPECT_EQ(calls.values[0].cookie, &calls);
  EXPECT_EQ(calls.values[0].group, 7);
  EXPECT_EQ(calls.last(), 104);
  EXPECT_FALSE(knob->pressed());

  // Clamped at the ends; an unchanged value is not reported again.
  w.press(at);
  w.move(at + QPoint(0, -1000));
  EXPECT_EQ(knob->value(), 255);
  const size_t reported = calls.values.size();
  w.move(at + QPoint(0, -1100));
  EXPECT_EQ(calls.values.size(), reported);
  w.release(at);
}

TEST(GuiKnob, OneWheelEventIsOneStepWhateverItsSize) {
  tcPanelWorld w;
  tcGuiKnob* knob = w.get<tcGuiKnob>("DRIVE::FREQ_KNOB");
  knob->set_value(50);
  const QPoint at = w.centre_of(knob);
  w.wheel(at, 120);
  EXPECT_EQ(knob->value(), 51);
  w.wheel(at, 1200);
  EXPECT_EQ(knob->value(), 52);
  w.wheel(at, -3);
  EXPECT_EQ(knob->value(), 51);
  w.wheel(at, 120, Qt::ShiftModifier);
  EXPECT_EQ(knob->value(), 61);
  w.wheel(at, -120, Qt::ShiftModifier | Qt::ControlModifier);
  EXPECT_EQ(knob->value(), 60);
}

TEST(GuiKnob, LockedGroupsAndDisabledKnobsIgnoreTheUser) {
  tcPanelWorld w;
  tcGuiKnob* knob = w.get<tcGuiKnob>("DRIVE::WIDTH_KNOB");
  tcCalls calls;
  knob->set_callback(&tcCalls::on_value, &calls, 3);
  knob->set_value(10);
  const QPoint at = w.centre_of(knob);
  w.bench->locked.insert(3);
  w.wheel(at, 120);
  w.press(at);
  w.move(at + QPoint(0, -10));
  w.release(at);
  EXPECT_EQ(knob->value(), 10);
  w.bench->locked.clear();
  knob->set_disabled(true);
  w.wheel(at, 120);
  EXPECT_EQ(knob->value(), 10);
  EXPECT_TRUE(calls.values.empty());
}

TEST(GuiKnob, DrawsTheKnobSectionAndEveryLitLed) {
  tcPanelWorld w;
  tcGuiKnob* knob = w.get<tcGuiKnob>("DRIVE::INPUT_KNOB");
  const QColor led(0xFF, 0xA8, 0x30);
  // LED 2 (lower left) and LED 22 (lower right) of the ring picture.
  const auto led_at = [&](int b) {
    const double a = (-135 + 270.0 * (b - 2) / 20) * 3.14159265358979 / 180.0;
    return QPoint(knob->x() + static_cast<int>(19.5 + 17.5 * std::sin(a) + 0.5),
                  knob->y() + static_cast<int>(19.5 - 17.5 * std::cos(a) + 0.5));
  };
  knob->set_value(0);
  QImage img = w.render();
  EXPECT_NE(QColor(img.pixel(led_at(2))), led);
  EXPECT_NE(QColor(img.pixel(led_at(22))), led);
  knob->set_value(255);
  img = w.render();
  for (int b = 2; b <= 22; ++b) EXPECT_EQ(QColor(img.pixel(led_at(b))), led) << b;
  // The disabled look: the plain knob section and no ring.
  knob->set_disabled_look(true);
  img = w.render();
  EXPECT_NE(QColor(img.pixel(led_at(22))), led);
}

TEST(GuiKnob, ARepaintCoversTheKnobOnly) {
  tcPanelWorld w;
  tcGuiKnob* knob = w.get<tcGuiKnob>("DRIVE::INPUT_KNOB");
  knob->step(3);
  ASSERT_FALSE(w.bench->invalidated.empty());
  for (const QRect& r : w.bench->invalidated) {
    EXPECT_TRUE(knob->area().contains(r) || knob->text_area().contains(r));
  }
  // Hiding repaints the place the knob leaves.
  w.bench->invalidated.clear();
  knob->hide();
  ASSERT_FALSE(w.bench->invalidated.empty());
  EXPECT_EQ(w.bench->invalidated[0], knob->area());
  const std::unique_ptr<tcGuiObject> copy = knob->clone(20000, "COPY");
  auto* twin = dynamic_cast<tcGuiKnob*>(copy.get());
  ASSERT_NE(twin, nullptr);
  EXPECT_EQ(twin->style(), knob->style());
  EXPECT_EQ(twin->led_image(), knob->led_image());
}

}  // namespace
