#include "skin/tcGuiButton.h"

#include "skin/tcBenchMaster.h"

const tcXmlData::AttrRow tcGuiButton::kModeAttrs[] = {
    {"autorepeat", 0, &tcGuiButton::set_autorepeat},
    {nullptr, 0, nullptr},
};

tcGuiButton::tcGuiButton(tcBench* bench, int id, const tcString& name)
    : tcGuiObject(bench, kButton, id, name) {}

tcGuiButton::~tcGuiButton() = default;

void tcGuiButton::finish() {
  size_from(image_);
  tcGuiObject::finish();
}

void tcGuiButton::set_state(int state) {
  if (state == display_state_) return;
  display_state_ = state;
  repaint();
}

void tcGuiButton::copy_look(const tcGuiObject& source) {
  const auto& other = static_cast<const tcGuiButton&>(source);
  image_ = other.image_;
  autorepeat_ = other.autorepeat_;
}

void tcGuiButton::set_autorepeat(tcXmlData& x, const char* value, int) {
  if (tcGuiButton* self = tcBenchMaster::target<tcGuiButton>(x)) {
    self->autorepeat_ = tcBenchMaster::flag(value);
  }
}
