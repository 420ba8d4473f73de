#pragma once
// The default skin, packed and compiled into the program: the panel the
// console falls back to when no skin on disk loads.
#include <QByteArray>

class tcBuiltinSkin {
 public:
  // The packed default skin compiled into the program (a skin file's bytes).
  static QByteArray bytes();
};
