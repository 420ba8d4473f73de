#pragma once
// A scrolling list with "SINGLE" or "MULTI" selection.
#include <vector>

#include "skin/objects/tcGuiListColours.h"
#include "skin/objects/tcGuiObject.h"

class tcGuiListbox : public tcGuiObject, public tcGuiListColours {
 public:
  enum Type { kSingle, kMulti };

  tcGuiListbox(tcBench* bench, int id, const tcString& name);
  ~tcGuiListbox() override;

  static constexpr int kRailWidth = 8;

  std::unique_ptr<tcGuiObject> clone(int id, const tcString& name) const override;
  void finish() override;
  bool left_press(int x, int y) override;
  void release(int x, int y) override;
  void drag(int x, int y, int modifiers) override;
  void hover(int x, int y) override;
  void double_click(int x, int y) override;
  bool accepts_double_click() const override { return true; }
  bool accepts_hover() const override { return true; }
  void paint(QPainter& painter) override;

  void set_entries(const std::vector<tcString>& entries);
  const std::vector<tcString>& entries() const { return entries_; }
  // "SINGLE": the selected row (value), -1 for none. "MULTI": one flag a row.
  void set_selected(int row, bool on);
  bool selected(int row) const;
  int current() const { return current_; }
  int top() const { return top_; }
  void scroll_to(int top);
  int row_height() const { return row_h_; }
  int visible_rows() const;

  int type() const { return type_; }
  // A new type clears the selection.
  void set_type(int type);
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
  // The row under a point, or -1; the rail answers -1 too.
  int row_at(int x, int y) const;
  bool has_rail() const;
  // A chosen row: selected (toggled for "MULTI") and reported.
  void pick(int row);

  int type_ = kSingle;
  const tcGuiFont* item_font_ = nullptr;
  bool sclickable_ = false;
  const tcGuiImage* image_ = nullptr;
  std::vector<tcString> entries_;
  std::vector<bool> marks_;  // "MULTI" selection
  int current_ = -1;
  int hover_row_ = -1;
  int top_ = 0;
  int row_h_ = 16;
};
