#include "skin/objects/tcGuiLabel.h"

tcGuiLabel::tcGuiLabel(tcBench* bench, int id, const tcString& name)
    : tcGuiObject(bench, kLabel, id, name) {}

tcGuiLabel::~tcGuiLabel() = default;

std::unique_ptr<tcGuiObject> tcGuiLabel::clone(int id, const tcString& name) const {
  return clone_as<tcGuiLabel>(id, name);
}
