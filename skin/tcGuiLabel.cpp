#include "skin/tcGuiLabel.h"

tcGuiLabel::tcGuiLabel(tcBench* bench, int id, const tcString& name)
    : tcGuiObject(bench, kLabel, id, name) {}

tcGuiLabel::~tcGuiLabel() = default;
