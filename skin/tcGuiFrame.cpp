#include "skin/tcGuiFrame.h"

#include "skin/tcBenchMaster.h"

namespace {
enum Arg { kColour, kFill, kRadius, kBorder, kVGrad, kHGrad, kImageArg };
}

const tcXmlData::AttrRow tcGuiFrame::kAttrs[] = {
    {"inherit", 0, &tcGuiObject::set_inherit},
    {"color", kColour, &tcGuiFrame::set_attr},
    {"fill", kFill, &tcGuiFrame::set_attr},
    {"radius", kRadius, &tcGuiFrame::set_attr},
    {"border", kBorder, &tcGuiFrame::set_attr},
    {"vgrad", kVGrad, &tcGuiFrame::set_attr},
    {"hgrad", kHGrad, &tcGuiFrame::set_attr},
    {"image", kImageArg, &tcGuiFrame::set_attr},
    {nullptr, 0, nullptr},
};

tcGuiFrame::tcGuiFrame(tcBench* bench, int id, const tcString& name)
    : tcGuiObject(bench, kFrame, id, name) {}

tcGuiFrame::~tcGuiFrame() = default;

void tcGuiFrame::set_attr(tcXmlData& x, const char* value, int arg) {
  tcGuiFrame* self = tcBenchMaster::target<tcGuiFrame>(x);
  if (!self) return;
  tcBenchMaster& bench = tcBenchMaster::of(x);
  switch (arg) {
    case kColour:
      self->colour_ = bench.colour(value);
      break;
    case kFill:
      self->fill_ = tcBenchMaster::flag(value);
      break;
    case kRadius:
      self->radius_ = tcBenchMaster::integer(value);
      break;
    case kBorder:
      self->border_ = tcBenchMaster::integer(value);
      break;
    case kVGrad:
    case kHGrad: {
      const tcString* stops = bench.find_gradient(value);
      (arg == kVGrad ? self->vgrad_ : self->hgrad_) = stops ? *stops : tcString();
      break;
    }
    default:
      self->image_ = bench.image(value);
      break;
  }
}
