#include "skin/objects/tcGuiLamp.h"

#include <QPainter>

#include "skin/objects/tcGuiImage.h"

tcGuiLamp::tcGuiLamp(tcBench* bench, int id, const tcString& name)
    : tcGuiObject(bench, kLamp, id, name) {}

tcGuiLamp::~tcGuiLamp() = default;

std::unique_ptr<tcGuiObject> tcGuiLamp::clone(int id, const tcString& name) const {
  return clone_as<tcGuiLamp>(id, name);
}

void tcGuiLamp::paint(QPainter& painter) {
  paint_backdrop(painter);
  if (image_) {
    const int section = value_ >= 0 && value_ < image_->sections() ? value_ : 0;
    image_->draw_section(painter, section, x_, y_);
  }
  paint_overlay(painter);
}

void tcGuiLamp::finish() {
  size_from(image_);
  tcGuiObject::finish();
}

void tcGuiLamp::set_state(int state) {
  if (state == value_) return;
  value_ = state;
  repaint();
}

void tcGuiLamp::copy_look(const tcGuiObject& source) {
  image_ = static_cast<const tcGuiLamp&>(source).image_;
}
