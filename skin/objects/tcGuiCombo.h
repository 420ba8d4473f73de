#pragma once
// A value list: "DROP" opens a list pop-up, "ROLL" steps through the list by
// its arrows, "USER" reports the steps and leaves the value to its owner.
#include <memory>
#include <vector>

#include "skin/objects/tcGuiEditModes.h"
#include "skin/objects/tcGuiListColours.h"
#include "skin/objects/tcGuiObject.h"

class tcComboPopup;

class tcGuiCombo : public tcGuiObject, public tcGuiListColours, public tcGuiEditModes {
 public:
  enum Type { kDrop, kRoll, kUser };

  tcGuiCombo(tcBench* bench, int id, const tcString& name);
  ~tcGuiCombo() override;

  std::unique_ptr<tcGuiObject> clone(int id, const tcString& name) const override;
  void finish() override;
  void hide() override;
  bool left_press(int x, int y) override;
  void release(int x, int y) override;
  void drag(int x, int y, int modifiers) override;
  void hover(int x, int y) override;
  void double_click(int x, int y) override;
  bool accepts_double_click() const override { return true; }
  bool accepts_hover() const override { return true; }
  void animate() override;
  void paint(QPainter& painter) override;

  // The value list; the owner's index is shown, not reported.
  void set_entries(const std::vector<tcString>& entries);
  const std::vector<tcString>& entries() const { return entries_; }
  void set_index(int index);
  int index() const { return value_; }
  // The arrow held down: +1 up, -1 down, 0 none (before `reverse`).
  int held() const { return held_; }
  // A step as the arrows make it; "USER" combos report the step itself.
  void step(int amount);
  tcComboPopup* popup() const { return popup_.get(); }
  int arrow_width() const;

  int type() const { return type_; }
  void set_type(int type) { type_ = type == kRoll || type == kUser ? type : kDrop; }
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
  // +1 or -1 for a point on the arrow area, 0 elsewhere.
  int arrow_at(int x, int y) const;
  void open_popup();
  void choose(int index);

  int type_ = kDrop;
  int rows_ = 8;
  const tcGuiFont* drop_font_ = nullptr;
  bool reverse_ = false;
  bool autoroll_ = false;
  const tcGuiImage* image_ = nullptr;
  std::vector<tcString> entries_;
  int held_ = 0;
  int hover_arrow_ = 0;
  int ticks_ = 0;
  std::unique_ptr<tcComboPopup> popup_;
};
