#pragma once
// An indicator that shows the image section of the state its owner sets.
#include "skin/objects/tcGuiObject.h"

class tcGuiLamp : public tcGuiObject {
 public:
  tcGuiLamp(tcBench* bench, int id, const tcString& name);
  ~tcGuiLamp() override;

  std::unique_ptr<tcGuiObject> clone(int id, const tcString& name) const override;
  void finish() override;
  void set_state(int state) override;
  void paint(QPainter& painter) override;

  const tcGuiImage* image() const { return image_; }

 protected:
  void set_image(int, tcGuiImage* image) override { image_ = image; }
  void copy_look(const tcGuiObject& source) override;

 private:
  const tcGuiImage* image_ = nullptr;
};
