#pragma once
// A scrolling list with "SINGLE" or "MULTI" selection.
#include "skin/tcGuiListColours.h"
#include "skin/tcGuiObject.h"

class tcGuiListbox : public tcGuiObject, public tcGuiListColours {
 public:
  enum Type { kSingle, kMulti };

  tcGuiListbox(tcBench* bench, int id, const tcString& name);
  ~tcGuiListbox() override;

  void finish() override;
  bool accepts_double_click() const override { return true; }
  bool accepts_hover() const override { return true; }

  int type() const { return type_; }
  const tcGuiFont* item_font() const { return item_font_; }
  bool sclickable() const { return sclickable_; }
  const tcGuiImage* image() const { return image_; }

  static const tcXmlData::AttrRow kAttrs[];
  static const tcXmlData::AttrRow kItemAttrs[];
  static const tcXmlData::AttrRow kModeAttrs[];

 protected:
  void set_image(int, tcGuiImage* image) override { image_ = image; }

 private:
  static void set_attr(tcXmlData& x, const char* value, int arg);

  int type_ = kSingle;
  const tcGuiFont* item_font_ = nullptr;
  bool sclickable_ = false;
  const tcGuiImage* image_ = nullptr;
};
