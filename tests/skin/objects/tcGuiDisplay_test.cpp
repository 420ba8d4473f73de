#include "skin/objects/tcGuiDisplay.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>

#include "skin/objects/tcDisplayEditDlg.h"
#include "tests/skin/objects/tcPanelWorld.h"

namespace {

struct Edits {
  std::vector<std::string> texts;
  int dclicks = 0;
  static void on_edit(void* cookie, int, const tcString& text) {
    static_cast<Edits*>(cookie)->texts.emplace_back(text.c_str());
  }
  static void on_dclick(void* cookie, int) { ++static_cast<Edits*>(cookie)->dclicks; }
};

// Answers the next entry dialog with a text, or cancels it.
void answer_dialog(const QString& text, bool accept, QPoint* where = nullptr) {
  QTimer::singleShot(0, [=] {
    auto* dialog = qobject_cast<tcDisplayEditDlg*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    if (where) *where = dialog->pos();
    dialog->set_text(text);
    accept ? dialog->accept() : dialog->reject();
  });
}

TEST(GuiDisplay, MaxcharsAndPadShapeTheText) {
  tcPanelWorld w;
  ASSERT_EQ(w.loaded, 0);
  tcGuiDisplay* d = w.get<tcGuiDisplay>("DRIVE::INPUT_DSPY");
  EXPECT_EQ(d->text_colour(), 0xFF60F088u);
  d->set_text("-12.5");
  EXPECT_EQ(d->text(), "-12.5");
  // The marquee display keeps the whole text and scrolls it.
  tcGuiDisplay* name = w.get<tcGuiDisplay>("NAME_DSPY");
  name->set_text("A rather long preset name");
  EXPECT_TRUE(name->scrolling());
  w.tick(3);
  EXPECT_EQ(name->marquee_offset(), 6);
  name->set_text("Short");
  EXPECT_FALSE(name->scrolling());
  EXPECT_EQ(name->marquee_offset(), 0);
  w.tick();
  EXPECT_EQ(name->marquee_offset(), 0);

  // The test skin's gain display holds six characters.
  tcPanelWorld small("testskin");
  tcGuiDisplay* gain = small.get<tcGuiDisplay>("INPUT::GAIN_DSPY");
  ASSERT_EQ(gain->maxchars(), 6);
  gain->set_text("-123.456");
  EXPECT_EQ(gain->text(), "-123.4");
}

TEST(GuiDisplay, WarningAndErrorColours) {
  tcPanelWorld w;
  tcGuiDisplay* d = w.get<tcGuiDisplay>("DRIVE::INPUT_DSPY");
  d->set_text("0.0");
  const QPoint corner(d->x() + 1, d->y() + 1);
  EXPECT_EQ(QColor(w.render().pixel(corner)), QColor(0x0C, 0x10, 0x14));
  d->set_alert(tcGuiDisplay::kWarning);
  EXPECT_EQ(QColor(w.render().pixel(corner)), QColor(0x30, 0x20, 0x00));
  EXPECT_EQ(d->text_colour(), 0xFFFFD040u);
  d->set_alert(tcGuiDisplay::kNormal);
  EXPECT_EQ(d->text_colour(), 0xFF60F088u);
}

TEST(GuiDisplay, DoubleClickOpensTheEntryBelowTheDisplay) {
  tcPanelWorld w;
  tcGuiDisplay* d = w.get<tcGuiDisplay>("DRIVE::INPUT_DSPY");
  Edits edits;
  d->set_callback(nullptr, &edits, 6);
  d->set_edit_callback(&Edits::on_edit);
  d->set_text("1.0");
  QPoint where;
  answer_dialog("2.5", true, &where);
  w.double_click(w.centre_of(d));
  ASSERT_EQ(edits.texts.size(), 1u);
  EXPECT_EQ(edits.texts[0], "2.5");
  EXPECT_EQ(where, w.widget.mapToGlobal(QPoint(d->x(), d->y() + d->height())));
  // Cancelled, empty or off-pattern entries reach nobody.
  answer_dialog("3.5", false);
  w.double_click(w.centre_of(d));
  answer_dialog("", true);
  w.double_click(w.centre_of(d));
  answer_dialog("abc", true);
  w.double_click(w.centre_of(d));
  EXPECT_EQ(edits.texts.size(), 1u);
  // A locked group opens no dialog (a dialog would block here).
  w.bench->locked.insert(6);
  w.double_click(w.centre_of(d));
  EXPECT_EQ(edits.texts.size(), 1u);
}

TEST(GuiDisplay, ComboDoubleClickEditsThenCallsTheDoubleClickCallback) {
  tcPanelWorld w;
  auto* combo = dynamic_cast<tcGuiObject*>(w.bench->find_object("PRESET_COMBO"));
  Edits edits;
  combo->set_callback(nullptr, &edits, 0);
  combo->set_edit_callback(&Edits::on_edit);
  combo->set_dclick_callback(&Edits::on_dclick);
  answer_dialog("-.5", true);
  w.double_click(QPoint(combo->x() + 5, combo->y() + 5));
  ASSERT_EQ(edits.texts.size(), 1u);
  EXPECT_EQ(edits.texts[0], "-.5");
  EXPECT_EQ(edits.dclicks, 1);
  // The combo pops up its list too on the first press of the double click;
  // hide it again.
  combo->hide();
}

}  // namespace
