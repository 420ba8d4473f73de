#include "skin/objects/tcGuiCombo.h"

#include <gtest/gtest.h>

#include "skin/objects/tcComboPopup.h"
#include "skin/objects/tcGuiListbox.h"
#include "tests/skin/objects/tcPanelWorld.h"

namespace {

std::vector<tcString> numbers(int n) {
  std::vector<tcString> list;
  for (int i = 0; i < n; ++i) {
    tcString s;
    s.format("E%d", i);
    list.push_back(s);
  }
  return list;
}

struct ComboWorld : tcPanelWorld {
  tcGuiCombo* combo = get<tcGuiCombo>("MODE_COMBO");
  tcCalls calls;
  ComboWorld() {
    combo->set_entries(numbers(60));
    combo->set_callback(&tcCalls::on_value, &calls, 5);
  }
  QPoint up() const { return QPoint(combo->x() + combo->width() - 3, combo->y() + 3); }
  QPoint down() const {
    return QPoint(combo->x() + combo->width() - 3, combo->y() + combo->height() - 3);
  }
};

TEST(GuiCombo, ArrowsStepTheIndexWithinTheList) {
  ComboWorld w;
  ASSERT_EQ(w.loaded, 0);
  w.press(w.up());
  w.release(w.up());
  EXPECT_EQ(w.combo->index(), 1);
  EXPECT_EQ(w.combo->text(), "E1");
  w.press(w.down());
  w.release(w.down());
  w.press(w.down());
  w.release(w.down());
  EXPECT_EQ(w.combo->index(), 0);
  ASSERT_EQ(w.calls.values.size(), 2u);  // the step past the start changes nothing
  EXPECT_EQ(w.calls.last(), 0);
  // A press on the text part of a "ROLL" combo does nothing.
  w.press(QPoint(w.combo->x() + 5, w.combo->y() + 5));
  w.release(QPoint(w.combo->x() + 5, w.combo->y() + 5));
  EXPECT_EQ(w.combo->index(), 0);
}

TEST(GuiCombo, AutorollAcceleratesWhileTheArrowIsHeld) {
  ComboWorld w;
  ASSERT_TRUE(w.combo->autoroll());
  w.press(w.up());
  EXPECT_EQ(w.combo->index(), 1);
  w.tick(4);  // still
  EXPECT_EQ(w.combo->index(), 1);
  w.tick(10);  // ticks 5 to 14: one each
  EXPECT_EQ(w.combo->index(), 11);
  w.tick(10);                       // ticks 15 to 24: five each
  EXPECT_EQ(w.combo->index(), 59);  // clamped at the last entry
  w.release(w.up());
  w.combo->set_index(59);
  w.press(w.down());
  w.tick(25);  // 1 + 10 + 50 + 10, clamped at the first entry
  EXPECT_EQ(w.combo->index(), 0);
  w.release(w.down());
  w.tick(5);
  EXPECT_EQ(w.combo->index(), 0);
}

TEST(GuiCombo, UserCombosReportTheStepAndKeepTheirValue) {
  ComboWorld w;
  w.combo->set_type(tcGuiCombo::kUser);
  w.combo->set_index(4);
  w.press(w.up());
  w.release(w.up());
  w.press(w.down());
  w.release(w.down());
  ASSERT_EQ(w.calls.values.size(), 2u);
  EXPECT_EQ(w.calls.values[0].value, 1);
  EXPECT_EQ(w.calls.values[1].value, -1);
  EXPECT_EQ(w.combo->index(), 4);
}

TEST(GuiCombo, ReverseInvertsTheArrows) {
  tcPanelWorld w;
  // The reverse flag comes from the skin only; the DROP combo has it.
  tcGuiCombo* drop = w.get<tcGuiCombo>("PRESET_COMBO");
  ASSERT_NE(drop, nullptr);
  ASSERT_TRUE(drop->reverse());
  drop->set_entries(numbers(5));
  drop->set_index(2);
  const QPoint up(drop->x() + drop->width() - 2, drop->y() + 2);
  w.press(up);
  w.release(up);
  EXPECT_EQ(drop->index(), 1);
}

TEST(GuiCombo, DropCombosChooseFromThePopup) {
  tcPanelWorld w;
  tcGuiCombo* drop = w.get<tcGuiCombo>("PRESET_COMBO");
  drop->set_entries(numbers(12));
  tcCalls calls;
  drop->set_callback(&tcCalls::on_value, &calls, 9);
  w.press(QPoint(drop->x() + 5, drop->y() + 5));
  w.release(QPoint(drop->x() + 5, drop->y() + 5));
  tcComboPopup* popup = drop->popup();
  ASSERT_NE(popup, nullptr);
  EXPECT_TRUE(popup->isVisible());
  EXPECT_EQ(popup->count(), 12);
  EXPECT_EQ(popup->currentRow(), 0);
  popup->choose(7);
  EXPECT_FALSE(popup->isVisible());
  EXPECT_EQ(drop->index(), 7);
  EXPECT_EQ(drop->text(), "E7");
  EXPECT_EQ(calls.last(), 7);
  // Hiding the combo closes an open pop-up.
  w.press(QPoint(drop->x() + 5, drop->y() + 5));
  ASSERT_TRUE(popup->isVisible());
  drop->hide();
  EXPECT_FALSE(popup->isVisible());
}

TEST(GuiListbox, ClicksSelectAndTheRailPages) {
  tcPanelWorld w;
  tcGuiListbox* list = w.get<tcGuiListbox>("PRESET_LIST");
  ASSERT_TRUE(list->sclickable());
  list->set_entries(numbers(20));
  tcCalls calls;
  list->set_callback(&tcCalls::on_value, &calls, 0);
  const int rh = list->row_height();
  const QPoint row2(list->x() + 10, list->y() + 2 * rh + rh / 2);
  w.press(row2);
  w.release(row2);
  EXPECT_TRUE(list->selected(2));
  EXPECT_EQ(list->value(), 2);
  EXPECT_EQ(calls.last(), 2);
  // The rail below its middle pages down by the visible rows.
  const QPoint rail(list->x() + list->width() - 2, list->y() + list->height() - 3);
  w.press(rail);
  w.release(rail);
  EXPECT_EQ(list->top(), list->visible_rows());
  w.press(row2);
  w.release(row2);
  EXPECT_EQ(list->value(), list->visible_rows() + 2);
  EXPECT_FALSE(list->selected(2));
  // The selected row is drawn in the selection colour.
  const QImage img = w.render();
  EXPECT_EQ(QColor(img.pixel(row2.x() + 60, row2.y())), QColor(0x2E, 0x6A, 0x9A));
}

TEST(GuiListbox, MultiSelectionTogglesEachRow) {
  tcPanelWorld w;
  tcGuiListbox* list = w.get<tcGuiListbox>("PRESET_LIST");
  list->set_type(tcGuiListbox::kMulti);
  list->set_entries(numbers(4));
  const int rh = list->row_height();
  const auto row = [&](int r) { return QPoint(list->x() + 10, list->y() + r * rh + rh / 2); };
  for (int r : {0, 2, 0}) {
    w.press(row(r));
    w.release(row(r));
  }
  EXPECT_FALSE(list->selected(0));
  EXPECT_TRUE(list->selected(2));
  EXPECT_FALSE(list->selected(1));
}

}  // namespace
