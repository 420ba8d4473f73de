#pragma once
// A group of radio items with exactly one selected; clicks go to the items.
#include <vector>

#include "skin/objects/tcGuiObject.h"

class tcGuiRadioItem;

class tcGuiRadioGroup : public tcGuiObject {
 public:
  tcGuiRadioGroup(tcBench* bench, int id, const tcString& name);
  ~tcGuiRadioGroup() override;

  std::unique_ptr<tcGuiObject> clone(int id, const tcString& name) const override;
  void finish() override;
  void show(bool on) override;
  void hide() override;
  bool hit_test(int, int) const override { return false; }
  void paint(QPainter& painter) override;
  // From the owner: the selected item, not reported.
  void set_state(int index) override;

  // An item chosen by the user: selected and reported with its index.
  void choose(const tcGuiRadioItem* item);
  int selected() const { return value_; }
  // The items ignore presses while the group is disabled or locked.
  bool blocked_for_user() const { return blocked(); }

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
