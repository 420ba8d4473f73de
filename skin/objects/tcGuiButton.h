#pragma once
// A push button drawn from the twelve sections of its image; `autorepeat`
// repeats the click while it is held.
#include "skin/objects/tcGuiObject.h"

class tcGuiButton : public tcGuiObject {
 public:
  tcGuiButton(tcBench* bench, int id, const tcString& name);
  ~tcGuiButton() override;

  // States reported to the value callback.
  enum Report { kPressed = 0, kReleased = 1, kLeft = 2, kReentered = 3 };

  std::unique_ptr<tcGuiObject> clone(int id, const tcString& name) const override;
  void finish() override;
  void set_state(int state) override;
  // The text offsets of a button shift its text while it is held down.
  void set_text_dx(int dx) override { press_dx_ = clamp_coord(dx); }
  void set_text_dy(int dy) override { press_dy_ = clamp_coord(dy); }
  bool left_press(int x, int y) override;
  void release(int x, int y) override;
  void drag(int x, int y, int modifiers) override;
  bool accepts_hover() const override { return true; }
  void animate() override;
  void paint(QPainter& painter) override;

  void set_click_callback(ClickCallback callback) { click_callback_ = callback; }
  bool down() const { return down_; }

  const tcGuiImage* image() const { return image_; }
  bool autorepeat() const { return autorepeat_; }
  int display_state() const { return display_state_; }

  static const tcXmlData::AttrRow kModeAttrs[];

 protected:
  void set_image(int, tcGuiImage* image) override { image_ = image; }
  void copy_look(const tcGuiObject& source) override;

 private:
  static void set_autorepeat(tcXmlData& x, const char* value, int arg);
  QPoint text_origin() const override;
  void click() const;

  const tcGuiImage* image_ = nullptr;
  bool autorepeat_ = false;
  int display_state_ = 0;
  int press_dx_ = 1;
  int press_dy_ = 1;
  bool down_ = false;
  int repeat_ = 0;
  bool repeated_ = false;
  ClickCallback click_callback_ = nullptr;
};
