#include "skin/tcGuiLamp.h"

tcGuiLamp::tcGuiLamp(tcBench* bench, int id, const tcString& name)
    : tcGuiObject(bench, kLamp, id, name) {}

tcGuiLamp::~tcGuiLamp() = default;

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
