#pragma once
// The QX770HD main window: the generic window plus the model's pages and the
// analysis window.
#include "panel/window/tcApWidget.h"

class TK3Widget : public tcApWidget {
  Q_OBJECT
 public:
  explicit TK3Widget(QWidget* parent = nullptr);
};
