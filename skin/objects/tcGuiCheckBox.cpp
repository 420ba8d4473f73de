#include "skin/objects/tcGuiCheckBox.h"

#include <QPainter>

#include "skin/objects/tcGuiImage.h"

tcGuiCheckBox::tcGuiCheckBox(tcBench* bench, int id, const tcString& name)
    : tcGuiObject(bench, kCheckBox, id, name) {}

tcGuiCheckBox::~tcGuiCheckBox() = default;

std::unique_ptr<tcGuiObject> tcGuiCheckBox::clone(int id, const tcString& name) const {
  return clone_as<tcGuiCheckBox>(id, name);
}

bool tcGuiCheckBox::left_press(int, int) {
  if (blocked()) return false;
  pressed_ = true;
  armed_ = true;
  repaint();
  return true;
}

void tcGuiCheckBox::drag(int x, int y, int) {
  if (!pressed_) return;
  const bool over = hit_test(x, y);
  if (over == armed_) return;
  armed_ = over;
  repaint();
}

void tcGuiCheckBox::release(int x, int y) {
  drag(x, y, 0);  // the release point decides, whatever moves came before
  const bool toggle = pressed_ && armed_;
  pressed_ = false;
  armed_ = false;
  if (toggle) value_ = value_ ? 0 : 1;
  repaint();
  if (toggle) report(value_);
}

void tcGuiCheckBox::paint(QPainter& painter) {
  paint_backdrop(painter);
  if (image_) {
    int section = hover_ ? 1 : 0;
    if (!disabled_look()) section = (value_ ? 3 : 0) + (armed_ ? 2 : (hover_ ? 1 : 0));
    image_->draw_section(painter, section, x_, y_);
  }
  paint_overlay(painter);
}

void tcGuiCheckBox::finish() {
  size_from(image_);
  tcGuiObject::finish();
}

void tcGuiCheckBox::set_state(int state) {
  const int checked = state != 0 ? 1 : 0;
  if (checked == value_) return;
  value_ = checked;
  repaint();
}

void tcGuiCheckBox::copy_look(const tcGuiObject& source) {
  image_ = static_cast<const tcGuiCheckBox&>(source).image_;
}
