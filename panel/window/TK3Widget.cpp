#include "panel/window/TK3Widget.h"

TK3Widget::TK3Widget(QWidget* parent) : tcApWidget(parent) {}
