#pragma once
// One selectable entry of a radio group, with its own position, text, colour,
// font and image.
#include "skin/objects/tcGuiObject.h"

class tcGuiRadioGroup;

class tcGuiRadioItem : public tcGuiObject {
 public:
  tcGuiRadioItem(tcBench* bench, int id, const tcString& name);
  ~tcGuiRadioItem() override;

  std::unique_ptr<tcGuiObject> clone(int id, const tcString& name) const override;
  void finish() override;
  bool left_press(int x, int y) override;
  void release(int x, int y) override;
  void drag(int x, int y, int modifiers) override;
  bool accepts_hover() const override { return true; }
  void paint(QPainter& painter) override;
  // Selected (1) or not (0), as the group sets it.
  void set_value(int selected);
  bool armed() const { return armed_; }

  tcGuiRadioGroup* group_object() const { return group_; }
  void set_group_object(tcGuiRadioGroup* group) { group_ = group; }
  bool x_set() const { return x_set_; }
  bool y_set() const { return y_set_; }
  bool tx_set() const { return tx_set_; }
  bool ty_set() const { return ty_set_; }
  const tcGuiImage* image() const { return image_; }

  static const tcXmlData::AttrRow kAttrs[];

 private:
  static void set_attr(tcXmlData& x, const char* value, int arg);
  // The item's own picture, else the group's item picture, else none.
  const tcGuiImage* picture() const;

  tcGuiRadioGroup* group_ = nullptr;
  bool x_set_ = false;
  bool y_set_ = false;
  bool tx_set_ = false;
  bool ty_set_ = false;
  const tcGuiImage* image_ = nullptr;
  bool armed_ = false;
};
