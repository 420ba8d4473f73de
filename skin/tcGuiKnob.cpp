#include "skin/tcGuiKnob.h"

#include <cstring>

#include "skin/tcBenchMaster.h"

namespace {
enum ImageArg { kKnobImage, kLedImage };
// In style code order.
const char* const kStyleNames[] = {"SIMPLE",      "RING_DOT", "RING_BAR", "RING_REBAR",
                                   "RING_SPREAD", "RING_Q",   "RING_PAN"};
}  // namespace

const tcXmlData::AttrRow tcGuiKnob::kAttrs[] = {
    {"inherit", 0, &tcGuiObject::set_inherit},
    {"type", 0, &tcGuiKnob::set_type},
    {nullptr, 0, nullptr},
};

const tcXmlData::AttrRow tcGuiKnob::kBitmapAttrs[] = {
    {"kimage", kKnobImage, &tcGuiObject::set_bitmap},
    {"limage", kLedImage, &tcGuiObject::set_bitmap},
    {nullptr, 0, nullptr},
};

tcGuiKnob::tcGuiKnob(tcBench* bench, int id, const tcString& name)
    : tcGuiObject(bench, kKnob, id, name) {
  set_width(20);
  set_height(20);
}

tcGuiKnob::~tcGuiKnob() = default;

int tcGuiKnob::style_of(const char* text) {
  for (int i = 0; i < static_cast<int>(sizeof kStyleNames / sizeof kStyleNames[0]); ++i) {
    if (std::strcmp(text, kStyleNames[i]) == 0) return i;
  }
  return kSimple;
}

void tcGuiKnob::finish() {
  size_from(knob_image_);
  tcGuiObject::finish();
}

void tcGuiKnob::set_image(int arg, tcGuiImage* image) {
  (arg == kLedImage ? led_image_ : knob_image_) = image;
}

void tcGuiKnob::copy_look(const tcGuiObject& source) {
  const auto& other = static_cast<const tcGuiKnob&>(source);
  style_ = other.style_;
  knob_image_ = other.knob_image_;
  led_image_ = other.led_image_;
}

void tcGuiKnob::set_type(tcXmlData& x, const char* value, int) {
  if (tcGuiKnob* self = tcBenchMaster::target<tcGuiKnob>(x)) self->style_ = style_of(value);
}
