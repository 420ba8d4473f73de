#include "skin/tcGuiCheckBox.h"

tcGuiCheckBox::tcGuiCheckBox(tcBench* bench, int id, const tcString& name)
    : tcGuiObject(bench, kCheckBox, id, name) {}

tcGuiCheckBox::~tcGuiCheckBox() = default;

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
