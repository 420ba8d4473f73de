#include "skin/tcGuiListbox.h"

#include <cstring>

#include "skin/tcBenchMaster.h"

namespace {
enum Arg { kType, kItemFont, kSClickable };
}

const tcXmlData::AttrRow tcGuiListbox::kAttrs[] = {
    {"inherit", 0, &tcGuiObject::set_inherit},
    {"type", kType, &tcGuiListbox::set_attr},
    {nullptr, 0, nullptr},
};

const tcXmlData::AttrRow tcGuiListbox::kItemAttrs[] = {
    {"font", kItemFont, &tcGuiListbox::set_attr},
    {nullptr, 0, nullptr},
};

const tcXmlData::AttrRow tcGuiListbox::kModeAttrs[] = {
    {"type", kType, &tcGuiListbox::set_attr},
    {"sclickable", kSClickable, &tcGuiListbox::set_attr},
    {nullptr, 0, nullptr},
};

tcGuiListbox::tcGuiListbox(tcBench* bench, int id, const tcString& name)
    : tcGuiObject(bench, kListbox, id, name) {}

tcGuiListbox::~tcGuiListbox() = default;

void tcGuiListbox::finish() {
  if (!item_font_ && bench()) item_font_ = bench()->default_font();
  tcGuiObject::finish();
}

void tcGuiListbox::set_attr(tcXmlData& x, const char* value, int arg) {
  tcGuiListbox* self = tcBenchMaster::target<tcGuiListbox>(x);
  if (!self) return;
  switch (arg) {
    case kType:
      self->type_ = std::strcmp(value, "MULTI") == 0 ? kMulti : kSingle;
      break;
    case kItemFont:
      if (const tcGuiFont* font = tcBenchMaster::of(x).find_font(value)) self->item_font_ = font;
      break;
    default:
      self->sclickable_ = tcBenchMaster::flag(value);
      break;
  }
}
