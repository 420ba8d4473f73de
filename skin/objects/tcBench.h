#pragma once
// The bench: the panel objects of a skin in creation order (also the painting
// and hit-test order), the skin scale, and the dispatch of paint and pointer
// events from the host widget to the objects.
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "skin/xml/tcXmlData.h"

#include <QFont>
#include <QPoint>
#include <QPointer>
#include <QWidget>

class QPainter;
class QRect;
class tcGuiFont;
class tcGuiObject;

class tcBench : public tcXmlData {
 public:
  // Answers of left_press().
  enum Press { kCaptured = 0, kRefused = 1, kNoObject = 2 };

  explicit tcBench(const tcString& path = tcString());
  ~tcBench() override;

  // Appends an object; the first object of a name is the one found by it.
  tcGuiObject* add_object(std::unique_ptr<tcGuiObject> object);
  tcGuiObject* find_object(const char* name) const;
  const std::vector<std::unique_ptr<tcGuiObject>>& objects() const { return objects_; }
  int next_object_id() { return next_id_++; }
  const tcGuiFont* default_font() const { return default_font_; }
  // The application's font, made once: a new object starts from a copy, which
  // costs a reference count where a new font would resolve the application's.
  const QFont& base_qfont() const { return base_qfont_; }

  // Both factors 1.0 switch scaling off. Factors that are not positive and
  // finite are taken as 1.0, so no mapping divides by zero.
  void set_scale(float x, float y);
  bool scaled() const { return scaled_; }
  float scale_x() const { return scale_x_; }
  float scale_y() const { return scale_y_; }
  int to_widget_x(int v) const { return scale_up(v, scale_x_); }
  int to_widget_y(int v) const { return scale_up(v, scale_y_); }
  int to_skin_x(int v) const { return scale_down(v, scale_x_); }
  int to_skin_y(int v) const { return scale_down(v, scale_y_); }

  // The widget that shows the bench; repaints and pop-ups go through it.
  void set_host(QWidget* host) { host_ = host; }
  QWidget* host() const { return host_; }
  // A skin position as a global screen position (the position itself without a host).
  QPoint to_global(int skin_x, int skin_y) const;
  // A skin rectangle in widget coordinates, rounded outward.
  QRect to_widget(const QRect& skin_rect) const;

  // Events in widget coordinates. Attached labels and frames are painted by
  // their holders, so the list skips them.
  virtual void paint(QPainter& painter, const QRect& dirty);
  int left_press(int x, int y);
  bool right_press(int x, int y);
  void release(int x, int y);
  void drag(int x, int y, int modifiers);
  void hover(int x, int y);
  void wheel(int x, int y, int step, int modifiers);
  void double_click(int x, int y);
  void animate();

  // Whether the controls of a group ignore the user; no group is locked here.
  virtual bool group_locked(int group) const;
  // Asks for a repaint of a rectangle in skin coordinates; the host widget
  // updates the scaled rectangle.
  virtual void invalidate(const QRect& skin_rect);
  // Paints the objects that meet a rectangle of skin coordinates, in list order.
  void paint_objects(QPainter& painter, const QRect& skin_rect);

 protected:
  void clear_objects();
  void set_default_font(const tcGuiFont* font) { default_font_ = font; }
  void restart_ids() { next_id_ = 10001; }

 private:
  static int scale_up(int v, float factor);
  static int scale_down(int v, float factor);
  template <class Accepts>
  tcGuiObject* object_at(int x, int y, Accepts accepts) const;

  std::vector<std::unique_ptr<tcGuiObject>> objects_;
  std::unordered_map<std::string, tcGuiObject*> by_name_;
  int next_id_ = 10001;
  const tcGuiFont* default_font_ = nullptr;
  const QFont base_qfont_;
  bool scaled_ = false;
  float scale_x_ = 1.0f;
  float scale_y_ = 1.0f;
  tcGuiObject* captured_ = nullptr;  // the object that took the last press
  QPointer<QWidget> host_;
};
