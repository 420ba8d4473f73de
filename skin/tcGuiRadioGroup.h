#pragma once
// A group of radio items with exactly one selected; clicks go to the items.
#include <vector>

#include "skin/tcGuiObject.h"

class tcGuiRadioItem;

class tcGuiRadioGroup : public tcGuiObject {
 public:
  tcGuiRadioGroup(tcBench* bench, int id, const tcString& name);
  ~tcGuiRadioGroup() override;

  void finish() override;
  bool hit_test(int, int) const override { return false; }

  void add_item(tcGuiRadioItem* item);
  const std::vector<tcGuiRadioItem*>& items() const { return items_; }
  const tcGuiImage* item_image() const { return item_image_; }

  static const tcXmlData::AttrRow kBitmapAttrs[];

 protected:
  void set_image(int, tcGuiImage* image) override { item_image_ = image; }

 private:
  std::vector<tcGuiRadioItem*> items_;  // owned by the bench
  const tcGuiImage* item_image_ = nullptr;
};
