#pragma once
// A value list: "DROP" opens a list pop-up, "ROLL" steps through the list by
// its arrows, "USER" reports the steps and leaves the value to its owner.
#include "skin/tcGuiEditModes.h"
#include "skin/tcGuiListColours.h"
#include "skin/tcGuiObject.h"

class tcGuiCombo : public tcGuiObject, public tcGuiListColours, public tcGuiEditModes {
 public:
  enum Type { kDrop, kRoll, kUser };

  tcGuiCombo(tcBench* bench, int id, const tcString& name);
  ~tcGuiCombo() override;

  void finish() override;
  bool accepts_double_click() const override { return true; }
  bool accepts_hover() const override { return true; }

  int type() const { return type_; }
  int rows() const { return rows_; }
  const tcGuiFont* drop_font() const { return drop_font_; }
  bool reverse() const { return reverse_; }
  bool autoroll() const { return autoroll_; }
  const tcGuiImage* image() const { return image_; }
  // The type of a `type` text; an unknown text is "DROP".
  static int type_of(const char* text);

  static const tcXmlData::AttrRow kAttrs[];
  static const tcXmlData::AttrRow kDropAttrs[];
  static const tcXmlData::AttrRow kModeAttrs[];

 protected:
  void set_image(int, tcGuiImage* image) override { image_ = image; }

 private:
  static void set_attr(tcXmlData& x, const char* value, int arg);

  int type_ = kDrop;
  int rows_ = 8;
  const tcGuiFont* drop_font_ = nullptr;
  bool reverse_ = false;
  bool autoroll_ = false;
  const tcGuiImage* image_ = nullptr;
};
