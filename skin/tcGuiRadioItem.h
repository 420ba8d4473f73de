#pragma once
// One selectable entry of a radio group, with its own position, text, colour,
// font and image.
#include "skin/tcGuiObject.h"

class tcGuiRadioGroup;

class tcGuiRadioItem : public tcGuiObject {
 public:
  tcGuiRadioItem(tcBench* bench, int id, const tcString& name);
  ~tcGuiRadioItem() override;

  bool accepts_hover() const override { return true; }

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

  tcGuiRadioGroup* group_ = nullptr;
  bool x_set_ = false;
  bool y_set_ = false;
  bool tx_set_ = false;
  bool ty_set_ = false;
  const tcGuiImage* image_ = nullptr;
};
