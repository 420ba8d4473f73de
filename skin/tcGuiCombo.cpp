#include "skin/tcGuiCombo.h"

#include <cstring>

#include "skin/tcBenchMaster.h"

namespace {
enum Arg { kType, kRows, kDropFont, kReverse, kAutoroll };
}

const tcXmlData::AttrRow tcGuiCombo::kAttrs[] = {
    {"inherit", 0, &tcGuiObject::set_inherit},
    {"type", kType, &tcGuiCombo::set_attr},
    {nullptr, 0, nullptr},
};

const tcXmlData::AttrRow tcGuiCombo::kDropAttrs[] = {
    {"rows", kRows, &tcGuiCombo::set_attr},
    {"font", kDropFont, &tcGuiCombo::set_attr},
    {nullptr, 0, nullptr},
};

const tcXmlData::AttrRow tcGuiCombo::kModeAttrs[] = {
    {"type", kType, &tcGuiCombo::set_attr},
    {"reverse", kReverse, &tcGuiCombo::set_attr},
    {"autoroll", kAutoroll, &tcGuiCombo::set_attr},
    {"editable", tcGuiEditModes::kEditable, &tcGuiEditModes::set_mode},
    {"units", tcGuiEditModes::kUnits, &tcGuiEditModes::set_mode},
    {"dlgregexp", tcGuiEditModes::kDlgRegExp, &tcGuiEditModes::set_mode},
    {"dclickable", tcGuiEditModes::kDClickable, &tcGuiEditModes::set_mode},
    {nullptr, 0, nullptr},
};

tcGuiCombo::tcGuiCombo(tcBench* bench, int id, const tcString& name)
    : tcGuiObject(bench, kCombo, id, name) {}

tcGuiCombo::~tcGuiCombo() = default;

int tcGuiCombo::type_of(const char* text) {
  if (std::strcmp(text, "ROLL") == 0) return kRoll;
  if (std::strcmp(text, "USER") == 0) return kUser;
  return kDrop;
}

void tcGuiCombo::finish() {
  if (!drop_font_ && bench()) drop_font_ = bench()->default_font();
  tcGuiObject::finish();
}

void tcGuiCombo::set_attr(tcXmlData& x, const char* value, int arg) {
  tcGuiCombo* self = tcBenchMaster::target<tcGuiCombo>(x);
  if (!self) return;
  switch (arg) {
    case kType:
      self->type_ = type_of(value);
      break;
    case kRows:
      self->rows_ = tcBenchMaster::of(x).expression(value);
      break;
    case kDropFont:
      if (const tcGuiFont* font = tcBenchMaster::of(x).find_font(value)) self->drop_font_ = font;
      break;
    case kReverse:
      self->reverse_ = tcBenchMaster::flag(value);
      break;
    default:
      self->autoroll_ = tcBenchMaster::flag(value);
      break;
  }
}
