#pragma once
// A two-state button drawn from the six sections of its image.
#include "skin/objects/tcGuiObject.h"

class tcGuiCheckBox : public tcGuiObject {
 public:
  tcGuiCheckBox(tcBench* bench, int id, const tcString& name);
  ~tcGuiCheckBox() override;

  std::unique_ptr<tcGuiObject> clone(int id, const tcString& name) const override;
  void finish() override;
  void set_state(int state) override;
  bool left_press(int x, int y) override;
  void release(int x, int y) override;
  void drag(int x, int y, int modifiers) override;
  bool accepts_hover() const override { return true; }
  void paint(QPainter& painter) override;

  bool armed() const { return armed_; }

  const tcGuiImage* image() const { return image_; }
  bool checked() const { return value_ != 0; }

 protected:
  void set_image(int, tcGuiImage* image) override { image_ = image; }
  void copy_look(const tcGuiObject& source) override;

 private:
  const tcGuiImage* image_ = nullptr;
  bool armed_ = false;
};
