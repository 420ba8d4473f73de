#include "skin/tcGuiSlider.h"

#include <cstring>

#include "skin/tcBenchMaster.h"
#include "skin/tcGuiImage.h"

namespace {
enum ImageArg { kRail, kThumb };
}

const tcXmlData::AttrRow tcGuiSlider::kAttrs[] = {
    {"inherit", 0, &tcGuiObject::set_inherit},
    {"direction", 0, &tcGuiSlider::set_direction},
    {nullptr, 0, nullptr},
};

const tcXmlData::AttrRow tcGuiSlider::kBitmapAttrs[] = {
    {"rail", kRail, &tcGuiObject::set_bitmap},
    {"thumb", kThumb, &tcGuiObject::set_bitmap},
    {nullptr, 0, nullptr},
};

tcGuiSlider::tcGuiSlider(tcBench* bench, int id, const tcString& name)
    : tcGuiObject(bench, kSlider, id, name) {}

tcGuiSlider::~tcGuiSlider() = default;

void tcGuiSlider::finish() {
  size_from(rail_);
  if (thumb_) {
    thumb_w_ = thumb_->section_width();
    thumb_h_ = thumb_->section_height();
  }
  tcGuiObject::finish();
}

void tcGuiSlider::set_image(int arg, tcGuiImage* image) {
  (arg == kThumb ? thumb_ : rail_) = image;
}

void tcGuiSlider::copy_look(const tcGuiObject& source) {
  const auto& other = static_cast<const tcGuiSlider&>(source);
  horizontal_ = other.horizontal_;
  rail_ = other.rail_;
  thumb_ = other.thumb_;
}

void tcGuiSlider::set_direction(tcXmlData& x, const char* value, int) {
  if (tcGuiSlider* self = tcBenchMaster::target<tcGuiSlider>(x)) {
    self->horizontal_ = std::strcmp(value, "horz") == 0;
  }
}
