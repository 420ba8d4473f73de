#include "skin/objects/tcGuiRadioGroup.h"

#include <algorithm>

#include "app/core/tcLog.h"
#include "skin/objects/tcBench.h"
#include "skin/objects/tcGuiImage.h"
#include "skin/objects/tcGuiRadioItem.h"

const tcXmlData::AttrRow tcGuiRadioGroup::kBitmapAttrs[] = {
    {"item", 0, &tcGuiObject::set_bitmap},
    {nullptr, 0, nullptr},
};

tcGuiRadioGroup::tcGuiRadioGroup(tcBench* bench, int id, const tcString& name)
    : tcGuiObject(bench, kRadioGroup, id, name) {}

tcGuiRadioGroup::~tcGuiRadioGroup() = default;

std::unique_ptr<tcGuiObject> tcGuiRadioGroup::clone(int id, const tcString& name) const {
  return clone_as<tcGuiRadioGroup>(id, name);
}

void tcGuiRadioGroup::finish() {
  // An item without a picture takes the group's width and an equal share of
  // its height, so that neighbouring items do not overlap.
  const int n = static_cast<int>(items_.size());
  for (tcGuiRadioItem* item : items_) {
    const tcGuiImage* picture = item->image() ? item->image() : item_image_;
    if (picture && !picture->picture().isNull()) {
      item->set_width(picture->section_width());
      item->set_height(picture->section_height());
    } else {
      item->set_width(w_);
      item->set_height(n > 0 && h_ / n > 0 ? h_ / n : h_);
    }
    item->set_value(item == items_.front() ? 1 : 0);
  }
  value_ = 0;
  if (items_.empty()) {
    tcLog::message(bench() ? bench()->log_owner() : 0, tcLog::kError,
                   "WARNING: Radio group \"%s\" has no defined radio items.", name().c_str());
  }
  tcGuiObject::finish();
}

void tcGuiRadioGroup::add_item(tcGuiRadioItem* item) {
  if (std::find(items_.begin(), items_.end(), item) == items_.end()) items_.push_back(item);
}

void tcGuiRadioGroup::show(bool on) {
  if (!on) {
    hide();
    return;
  }
  tcGuiObject::show(true);
  for (tcGuiRadioItem* item : items_) item->show(true);
}

void tcGuiRadioGroup::hide() {
  tcGuiObject::hide();
  for (tcGuiRadioItem* item : items_) item->hide();
}

void tcGuiRadioGroup::set_state(int index) {
  if (index < 0 || index >= static_cast<int>(items_.size())) return;
  value_ = index;
  for (size_t i = 0; i < items_.size(); ++i) items_[i]->set_value(static_cast<int>(i) == index);
}

void tcGuiRadioGroup::choose(const tcGuiRadioItem* item) {
  for (size_t i = 0; i < items_.size(); ++i) {
    if (items_[i] != item) continue;
    const bool changed = static_cast<int>(i) != value_;
    set_state(static_cast<int>(i));
    if (changed) report(value_);
    return;
  }
}

void tcGuiRadioGroup::paint(QPainter& painter) {
  paint_backdrop(painter);
  paint_overlay(painter);
}
