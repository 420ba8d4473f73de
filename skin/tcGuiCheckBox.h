#pragma once
// A two-state button drawn from the six sections of its image.
#include "skin/tcGuiObject.h"

class tcGuiCheckBox : public tcGuiObject {
 public:
  tcGuiCheckBox(tcBench* bench, int id, const tcString& name);
  ~tcGuiCheckBox() override;

  void finish() override;
  void set_state(int state) override;
  bool accepts_hover() const override { return true; }

  const tcGuiImage* image() const { return image_; }
  bool checked() const { return value_ != 0; }

 protected:
  void set_image(int, tcGuiImage* image) override { image_ = image; }
  void copy_look(const tcGuiObject& source) override;

 private:
  const tcGuiImage* image_ = nullptr;
};
