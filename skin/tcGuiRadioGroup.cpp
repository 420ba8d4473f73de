#include "skin/tcGuiRadioGroup.h"

#include <algorithm>

#include "app/tcLog.h"
#include "skin/tcBench.h"

const tcXmlData::AttrRow tcGuiRadioGroup::kBitmapAttrs[] = {
    {"item", 0, &tcGuiObject::set_bitmap},
    {nullptr, 0, nullptr},
};

tcGuiRadioGroup::tcGuiRadioGroup(tcBench* bench, int id, const tcString& name)
    : tcGuiObject(bench, kRadioGroup, id, name) {}

tcGuiRadioGroup::~tcGuiRadioGroup() = default;

void tcGuiRadioGroup::finish() {
  if (items_.empty()) {
    tcLog::message(bench() ? bench()->log_owner() : 0, tcLog::kError,
                   "WARNING: Radio group \"%s\" has no defined radio items.", name().c_str());
  }
  tcGuiObject::finish();
}

void tcGuiRadioGroup::add_item(tcGuiRadioItem* item) {
  if (std::find(items_.begin(), items_.end(), item) == items_.end()) items_.push_back(item);
}
