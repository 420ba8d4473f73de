#pragma once
// A text of the panel; takes no mouse.
#include "skin/objects/tcGuiObject.h"

class tcGuiLabel : public tcGuiObject {
 public:
  tcGuiLabel(tcBench* bench, int id, const tcString& name);
  ~tcGuiLabel() override;

  std::unique_ptr<tcGuiObject> clone(int id, const tcString& name) const override;
  bool accepts_left() const override { return false; }
};
