#pragma once
// A drawn panel object of the skin. The bench owns every object; labels and a
// frame may be attached to an object and are painted with it. Objects report to
// their owner through a value callback (function, cookie, group id).
#include <QFont>
#include <QRect>
#include <QStaticText>
#include <QTransform>
#include <cstdint>
#include <memory>
#include <vector>

#include "app/core/tcString.h"
#include "skin/xml/tcXmlData.h"

class QPainter;
class tcBench;
class tcGuiFont;
class tcGuiEditModes;
class tcGuiFrame;
class tcGuiImage;
class tcGuiLabel;

class tcGuiObject {
 public:
  // Kinds as the control groups count them in their tables.
  enum Kind {
    kLabel = 3,
    kFrame = 4,
    kImage = 5,
    kButton = 6,
    kLamp = 7,
    kCheckBox = 8,
    kDisplay = 9,
    kKnob = 10,
    kSlider = 11,
    kCombo = 12,  // list control
    kListbox = 13,
    kRadioGroup = 14,
    kRadioItem = 15,
    kMeter = 16,
    kApGraph = 17,
    kDynGraph = 18,
  };
  // Modifier flags of drags and wheel steps.
  enum Modifier { kShift = 1, kControl = 2 };

  using ValueCallback = void (*)(void* cookie, int group, int value);
  using EditCallback = void (*)(void* cookie, int group, const tcString& text);
  using ClickCallback = void (*)(void* cookie, int group);

  tcGuiObject(tcBench* bench, int kind, int id, const tcString& name);
  virtual ~tcGuiObject();
  tcGuiObject(const tcGuiObject&) = delete;
  tcGuiObject& operator=(const tcGuiObject&) = delete;

  // A new object of the same class with the same look; kinds that take no part
  // in `inherit` answer none.
  virtual std::unique_ptr<tcGuiObject> clone(int, const tcString&) const { return nullptr; }

  virtual int value() const { return value_; }
  virtual void finish();
  virtual void show(bool on);
  virtual void hide();
  virtual bool is_active() const { return hover_ || pressed_; }
  virtual void set_text(const tcString& text);
  virtual void set_state(int) {}
  virtual void set_x(int x);
  virtual void set_y(int y);
  virtual void set_height(int h);
  virtual void set_width(int w);
  virtual void set_text_dx(int dx) { text_dx_ = clamp_coord(dx); }
  virtual void set_text_dy(int dy) { text_dy_ = clamp_coord(dy); }
  virtual bool hit_test(int x, int y) const;
  virtual bool intersects(const QRect& r) const;
  virtual bool left_press(int, int) { return false; }
  virtual void release(int, int) {}
  virtual bool right_press(int, int) { return false; }
  virtual void hover_down(int, int) {}
  virtual void drag(int, int, int) {}
  virtual void hover(int x, int y);
  virtual void wheel(int, int) {}
  virtual void double_click(int, int) {}
  virtual bool accepts_left() const { return true; }
  virtual bool accepts_right() const { return false; }
  virtual bool accepts_wheel() const { return false; }
  virtual bool accepts_double_click() const { return false; }
  virtual bool accepts_hover() const { return false; }
  virtual bool is_enabled() const { return enabled_; }
  virtual void set_enabled(bool on) { enabled_ = on; }
  virtual void animate() {}
  // The object itself, its text and its attachments.
  virtual void paint(QPainter& painter);
  virtual void layout_text();
  virtual void draw_text(QPainter& painter);
  virtual void draw_focus(QPainter& painter);
  virtual void paint_attachments(QPainter& painter);
  // The attached frame, drawn before the object as its backdrop.
  void paint_backdrop(QPainter& painter);
  // What follows the object's own drawing: text, focus image, attachments.
  void paint_overlay(QPainter& painter);

  // Skin coordinates are held to +-2^24 so that no rectangle edge overflows.
  static int clamp_coord(int v);

  // `inherit`: the common part, then the kind's look when the kinds agree.
  void inherit_from(const tcGuiObject& source);
  // Attachments form a tree: an object is attached once, and never to itself or
  // to one of its own attachments, so painting attachments always ends.
  void attach_label(tcGuiLabel* label);
  void attach_frame(tcGuiFrame* frame);
  void set_callback(ValueCallback callback, void* cookie, int group);
  void set_edit_callback(EditCallback callback) { edit_callback_ = callback; }
  void set_dclick_callback(ClickCallback callback) { dclick_callback_ = callback; }

  int kind() const { return kind_; }
  const tcString& name() const { return name_; }
  int id() const { return id_; }
  tcBench* bench() const { return bench_; }
  bool finished() const { return finished_; }
  bool visible() const { return visible_; }
  bool disabled() const { return disabled_; }
  void set_disabled(bool on) { disabled_ = on; }
  // The disabled look, set by the owner: kinds draw their plain section.
  bool disabled_look() const { return disabled_look_; }
  void set_disabled_look(bool on) { disabled_look_ = on; }
  bool hovered() const { return hover_; }
  bool pressed() const { return pressed_; }
  // Attached labels and frames are painted by the object that holds them.
  bool attached() const { return holder_ != nullptr; }
  const QRect& text_area() const { return text_area_; }
  // The text colour as the owner changes it after the load.
  void set_text_colour(uint32_t colour);
  int x() const { return x_; }
  int y() const { return y_; }
  int width() const { return w_; }
  int height() const { return h_; }
  const QRect& area() const { return area_; }
  QRect focus_rect() const { return QRect(focus_x_, focus_y_, focus_w_, focus_h_); }
  const tcGuiImage* focus_image() const { return focus_image_; }
  const tcString& text() const { return text_; }
  int text_dx() const { return text_dx_; }
  int text_dy() const { return text_dy_; }
  int align() const { return align_; }
  uint32_t fg_colour() const { return fg_colour_; }
  uint32_t text_colour() const { return text_colour_; }
  const tcGuiFont* font_record() const { return font_rec_; }
  const QFont& font() const { return font_; }
  int group() const { return group_; }
  const std::vector<tcGuiLabel*>& labels() const { return labels_; }
  const tcGuiFrame* frame() const { return frame_; }

  // Attribute lists of the property elements that every kind shares.
  static const tcXmlData::AttrRow kInheritAttrs[];
  static const tcXmlData::AttrRow kPositionAttrs[];
  static const tcXmlData::AttrRow kTextAttrs[];
  static const tcXmlData::AttrRow kFocusAttrs[];
  static const tcXmlData::AttrRow kBitmapAttrs[];
  static void set_inherit(tcXmlData& x, const char* value, int arg);

 protected:
  // Images named by `bitmap` and the kind's own image attributes, told apart by arg.
  virtual void set_image(int, tcGuiImage*) {}
  // The look that `inherit` copies from an object of the same kind.
  virtual void copy_look(const tcGuiObject&) {}
  void set_font_record(const tcGuiFont* font);
  void repaint();
  void repaint(const QRect& skin_rect);
  // Presses, drags and wheel steps are ignored while disabled or while the
  // bench holds the object's group locked.
  bool blocked() const;
  // The press that starts a drag (knobs, sliders): remembers the pointer and
  // shows the pressed look; false while blocked.
  bool press_for_drag(int x, int y);
  void end_press();
  void report(int value) const;
  // The double click of editable objects: the entry dialog below the object
  // (when editable, with an edit callback, and not blocked), then the
  // double-click callback when `dclickable`.
  void edit_on_double_click(const tcGuiEditModes& modes, const tcString& value);
  // Whether the area or text area, or an attachment's, meets r (skin
  // coordinates, visibility not asked).
  bool meets(const QRect& r) const;
  // The text origin of the layout, relative to the object.
  virtual QPoint text_origin() const;
  template <class T>
  std::unique_ptr<tcGuiObject> clone_as(int id, const tcString& name) const {
    auto copy = std::make_unique<T>(bench_, id, name);
    copy->inherit_from(*this);
    return copy;
  }
  struct TextLine {
    QStaticText text;
    QPointF pos;  // top-left, relative to the object
  };
  std::vector<TextLine> lines_;
  QTransform text_transform_;  // rotation of the font angle about the text origin
  // Width and height from an image section, when the image has a picture.
  void size_from(const tcGuiImage* image);
  bool can_hold(const tcGuiObject* child) const;

  static void set_position(tcXmlData& x, const char* value, int arg);
  static void set_text_attr(tcXmlData& x, const char* value, int arg);
  static void set_focus_attr(tcXmlData& x, const char* value, int arg);
  static void set_bitmap(tcXmlData& x, const char* value, int arg);

  bool finished_ = false;
  bool visible_ = false;
  const int kind_;
  tcBench* const bench_;
  bool disabled_look_ = false;
  bool disabled_ = false;
  int focus_x_ = 0;
  int focus_y_ = 0;
  int focus_w_ = 10;
  int focus_h_ = 10;
  bool focus_w_set_ = false;
  bool focus_h_set_ = false;
  const tcGuiImage* focus_image_ = nullptr;
  tcString name_;
  int value_ = 0;
  const int id_;
  int x_ = 0;
  int y_ = 0;
  int h_ = 100;
  int w_ = 50;
  QRect area_{0, 0, 50, 100};
  QRect text_area_;
  int last_x_ = 0;
  int last_y_ = 0;
  bool hover_ = false;
  bool pressed_ = false;
  bool enabled_ = true;
  uint32_t fg_colour_ = 0xFF000000u;
  uint32_t text_colour_ = 0xFF000000u;
  const tcGuiFont* font_rec_ = nullptr;
  QFont font_;
  tcString text_;
  int text_dx_ = 10;
  int text_dy_ = 10;
  int align_ = Qt::AlignTop | Qt::AlignLeft;
  int text_flags_ = 0;
  int group_ = 0;
  void* cookie_ = nullptr;
  ValueCallback value_callback_ = nullptr;
  EditCallback edit_callback_ = nullptr;
  ClickCallback dclick_callback_ = nullptr;
  std::vector<tcGuiLabel*> labels_;
  tcGuiFrame* frame_ = nullptr;
  const tcGuiObject* holder_ = nullptr;  // the object this one is attached to
};
