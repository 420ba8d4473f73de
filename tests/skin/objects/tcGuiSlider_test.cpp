#include "skin/objects/tcGuiSlider.h"

#include <gtest/gtest.h>

#include "tests/skin/objects/tcPanelWorld.h"

namespace {

TEST(GuiSlider, ThumbMappingAtBothEndsInBothOrientations) {
  tcPanelWorld w;
  ASSERT_EQ(w.loaded, 0);
  // Vertical: rail 12 by 100, thumb 24 by 10; the maximum is at the top.
  tcGuiSlider* v = w.get<tcGuiSlider>("OUT_SLIDER");
  ASSERT_FALSE(v->horizontal());
  EXPECT_EQ(v->height(), 100);
  EXPECT_EQ(v->thumb_height(), 10);
  EXPECT_EQ(v->thumb_of(0), 95);
  EXPECT_EQ(v->thumb_of(255), 5);
  EXPECT_EQ(v->value_of(95), 0);
  EXPECT_EQ(v->value_of(5), 255);
  EXPECT_EQ(v->value_of(50), 128);  // 45 * 255 / 90 = 127.5, rounded away from zero
  // Horizontal: rail 120 by 12, thumb 10 by 24; the maximum is at the right.
  tcGuiSlider* h = w.get<tcGuiSlider>("MIX_SLIDER");
  ASSERT_TRUE(h->horizontal());
  EXPECT_EQ(h->thumb_of(0), 5);
  EXPECT_EQ(h->thumb_of(255), 115);
  EXPECT_EQ(h->value_of(5), 0);
  EXPECT_EQ(h->value_of(115), 255);
  // Past the ends the value holds at its bound.
  EXPECT_EQ(h->value_of(-40), 0);
  EXPECT_EQ(v->value_of(-40), 255);
}

TEST(GuiSlider, DragsMoveTheThumbAndTheValueFollows) {
  tcPanelWorld w;
  tcGuiSlider* h = w.get<tcGuiSlider>("MIX_SLIDER");
  tcCalls calls;
  h->set_callback(&tcCalls::on_value, &calls, 1);
  h->set_value(0);
  const QPoint at = w.centre_of(h);
  w.press(at);
  w.move(at + QPoint(11, 0));  // 11 pixels of 110: a tenth
  EXPECT_EQ(h->thumb_pos(), 16);
  EXPECT_EQ(h->value(), 26);                      // 25.5 rounds away from zero
  w.move(at + QPoint(13, 0), Qt::ShiftModifier);  // 2 pixels, times 5
  EXPECT_EQ(h->thumb_pos(), 26);
  w.move(at + QPoint(40, 0), Qt::ControlModifier);  // one value step
  EXPECT_EQ(h->value(), h->value_of(26) + 1);
  EXPECT_EQ(h->thumb_pos(), h->thumb_of(h->value()));
  w.move(at + QPoint(1000, 0));  // past the end: the thumb snaps to the bound
  EXPECT_EQ(h->value(), 255);
  EXPECT_EQ(h->thumb_pos(), 115);
  w.release(at);
  EXPECT_EQ(calls.last(), 255);

  // Vertical: upward movement raises the value.
  tcGuiSlider* v = w.get<tcGuiSlider>("OUT_SLIDER");
  v->set_value(0);
  const QPoint vat = w.centre_of(v);
  w.press(vat);
  w.move(vat + QPoint(5, -9));
  EXPECT_EQ(v->thumb_pos(), 86);
  EXPECT_EQ(v->value(), 26);
  w.move(vat + QPoint(5, 5000));
  EXPECT_EQ(v->value(), 0);
  EXPECT_EQ(v->thumb_pos(), 95);
  w.release(vat);
}

TEST(GuiSlider, WheelStepsAreThreePixelsTenWithShiftOneValueWithControl) {
  tcPanelWorld w;
  tcGuiSlider* v = w.get<tcGuiSlider>("OUT_SLIDER");
  v->set_value(0);
  const QPoint at = w.centre_of(v);
  w.wheel(at, 120);
  EXPECT_EQ(v->thumb_pos(), 92);
  w.wheel(at, 120, Qt::ShiftModifier);
  EXPECT_EQ(v->thumb_pos(), 82);
  const int before = v->value();
  w.wheel(at, -960, Qt::ControlModifier);
  EXPECT_EQ(v->value(), before - 1);
}

TEST(GuiSlider, SmallDragsOnAWideScaleStillMoveTheThumb) {
  // 110 pixels for 0 to 10: single pixels move the thumb although the value
  // lags, and the thumb is not pulled back to the bound.
  tcPanelWorld w;
  tcGuiSlider* h = w.get<tcGuiSlider>("MIX_SLIDER");
  h->set_range(0, 10);
  h->set_value(0);
  const QPoint at = w.centre_of(h);
  w.press(at);
  for (int i = 1; i <= 6; ++i) w.move(at + QPoint(i, 0));
  EXPECT_EQ(h->thumb_pos(), 11);
  EXPECT_EQ(h->value(), 1);
  w.release(at);
}

TEST(GuiSlider, DrawsTheThumbWhereTheValuePutsIt) {
  tcPanelWorld w;
  tcGuiSlider* v = w.get<tcGuiSlider>("OUT_SLIDER");
  const QColor ridge(0xE0, 0xE0, 0xD0);  // the thumb's middle line
  v->set_value(255);
  QImage img = w.render();
  EXPECT_EQ(QColor(img.pixel(v->x() + 6, v->y() + 5)), ridge);
  v->set_value(0);
  img = w.render();
  EXPECT_EQ(QColor(img.pixel(v->x() + 6, v->y() + 95)), ridge);
  EXPECT_NE(QColor(img.pixel(v->x() + 6, v->y() + 5)), ridge);
}

}  // namespace
