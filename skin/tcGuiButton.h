#pragma once
// A push button drawn from the twelve sections of its image; `autorepeat`
// repeats the click while it is held.
#include "skin/tcGuiObject.h"

class tcGuiButton : public tcGuiObject {
 public:
  tcGuiButton(tcBench* bench, int id, const tcString& name);
  ~tcGuiButton() override;

  void finish() override;
  void set_state(int state) override;
  bool accepts_hover() const override { return true; }

  const tcGuiImage* image() const { return image_; }
  bool autorepeat() const { return autorepeat_; }
  int display_state() const { return display_state_; }

  static const tcXmlData::AttrRow kModeAttrs[];

 protected:
  void set_image(int, tcGuiImage* image) override { image_ = image; }
  void copy_look(const tcGuiObject& source) override;

 private:
  static void set_autorepeat(tcXmlData& x, const char* value, int arg);

  const tcGuiImage* image_ = nullptr;
  bool autorepeat_ = false;
  int display_state_ = 0;
};
