#include "skin/objects/tcGuiButton.h"

#include <gtest/gtest.h>

#include "skin/objects/tcGuiCheckBox.h"
#include "skin/objects/tcGuiLamp.h"
#include "tests/skin/objects/tcPanelWorld.h"

namespace {

TEST(GuiButton, StatesFollowThePointerAndTheReleaseClicks) {
  tcPanelWorld w;
  ASSERT_EQ(w.loaded, 0);
  tcGuiButton* b = w.get<tcGuiButton>("BYPASS_BTN");
  tcCalls calls;
  b->set_callback(&tcCalls::on_value, &calls, 2);
  b->set_click_callback(&tcCalls::on_click);
  const QPoint at = w.centre_of(b);
  w.press(at);
  w.move(at + QPoint(0, 100));  // off the button
  w.move(at);                   // back on
  w.release(at);
  ASSERT_EQ(calls.values.size(), 4u);
  EXPECT_EQ(calls.values[0].value, tcGuiButton::kPressed);
  EXPECT_EQ(calls.values[1].value, tcGuiButton::kLeft);
  EXPECT_EQ(calls.values[2].value, tcGuiButton::kReentered);
  EXPECT_EQ(calls.values[3].value, tcGuiButton::kReleased);
  EXPECT_EQ(calls.clicks, 1);
  // Released off the button: no click.
  w.press(at);
  w.move(at + QPoint(0, 100));
  w.release(at + QPoint(0, 100));
  EXPECT_EQ(calls.clicks, 1);
}

TEST(GuiButton, AutorepeatFirstAfterElevenTicksThenEveryOther) {
  tcPanelWorld w;
  tcGuiButton* b = w.get<tcGuiButton>("STORE_BTN");
  ASSERT_TRUE(b->autorepeat());
  tcCalls calls;
  b->set_callback(&tcCalls::on_value, &calls, 0);
  b->set_click_callback(&tcCalls::on_click);
  const QPoint at = w.centre_of(b);
  w.press(at);
  w.tick(10);  // 1.0 s
  EXPECT_EQ(calls.clicks, 0);
  w.tick();  // 1.1 s
  EXPECT_EQ(calls.clicks, 1);
  w.tick();
  EXPECT_EQ(calls.clicks, 1);
  w.tick();  // 1.3 s
  EXPECT_EQ(calls.clicks, 2);
  w.tick(4);  // 1.7 s
  EXPECT_EQ(calls.clicks, 4);
  w.release(at);
  EXPECT_EQ(calls.clicks, 4);  // no extra click once repeats began
  w.tick(20);
  EXPECT_EQ(calls.clicks, 4);
  // A short press clicks once on release; a button without autorepeat never repeats.
  w.press(at);
  w.tick(3);
  w.release(at);
  EXPECT_EQ(calls.clicks, 5);
  tcGuiButton* plain = w.get<tcGuiButton>("BYPASS_BTN");
  plain->set_click_callback(&tcCalls::on_click);
  plain->set_callback(&tcCalls::on_value, &calls, 0);
  w.press(w.centre_of(plain));
  w.tick(30);
  EXPECT_EQ(calls.clicks, 5);
  w.release(w.centre_of(plain));
  EXPECT_EQ(calls.clicks, 6);
}

TEST(GuiButton, SectionsFollowStateHoverAndPress) {
  tcPanelWorld w;
  tcGuiButton* b = w.get<tcGuiButton>("RECALL_BTN");
  const QPoint probe(b->x() + 2, b->y() + 3);  // clear of the centred text
  const QImage& pic = b->image()->picture();
  const auto section_pixel = [&](int s) { return QColor(pic.pixel(s * 60 + 2, 3)); };
  EXPECT_EQ(QColor(w.render().pixel(probe)), section_pixel(0));
  b->set_state(2);
  EXPECT_EQ(QColor(w.render().pixel(probe)), section_pixel(6));
  w.move(w.centre_of(b), Qt::NoModifier, Qt::NoButton);  // hover
  EXPECT_EQ(QColor(w.render().pixel(probe)), section_pixel(7));
  w.press(w.centre_of(b));
  EXPECT_EQ(QColor(w.render().pixel(probe)), section_pixel(8));
  w.release(w.centre_of(b));
}

TEST(GuiCheckBox, ArmedWhilePressedOverItTogglesOnRelease) {
  tcPanelWorld w;
  tcGuiCheckBox* c = w.get<tcGuiCheckBox>("STEREO_CHK");
  tcCalls calls;
  c->set_callback(&tcCalls::on_value, &calls, 4);
  const QPoint at = w.centre_of(c);
  w.press(at);
  EXPECT_TRUE(c->armed());
  w.move(at + QPoint(0, 50));
  EXPECT_FALSE(c->armed());
  w.move(at);
  EXPECT_TRUE(c->armed());
  w.release(at);
  EXPECT_TRUE(c->checked());
  ASSERT_EQ(calls.values.size(), 1u);
  EXPECT_EQ(calls.last(), 1);
  // Released after leaving: unchanged.
  w.press(at);
  w.move(at + QPoint(0, 50));
  w.release(at + QPoint(0, 50));
  EXPECT_TRUE(c->checked());
  w.press(at);
  w.release(at);
  EXPECT_EQ(calls.last(), 0);
  // The checked section (3) is drawn; the disabled look draws section 0 only.
  c->set_state(1);
  const QPoint inner(c->x() + 8, c->y() + 8);
  EXPECT_EQ(QColor(w.render().pixel(inner)), QColor(0x40, 0xE0, 0x70));
  c->set_disabled_look(true);
  EXPECT_NE(QColor(w.render().pixel(inner)), QColor(0x40, 0xE0, 0x70));
}

TEST(GuiLamp, ShowsTheSectionOfItsState) {
  tcPanelWorld w;
  tcGuiLamp* lamp = w.get<tcGuiLamp>("CLIP_LAMP");
  const QPoint mid(lamp->x() + 6, lamp->y() + 6);
  EXPECT_EQ(QColor(w.render().pixel(mid)), QColor(0x50, 0x10, 0x10));
  lamp->set_state(1);
  EXPECT_EQ(QColor(w.render().pixel(mid)), QColor(0xFF, 0x30, 0x30));
  lamp->set_state(7);  // beyond the sections: section 0
  EXPECT_EQ(QColor(w.render().pixel(mid)), QColor(0x50, 0x10, 0x10));
}

}  // namespace
