#pragma once
// A named screen of the skin: a list of references to panel objects, each
// with its own offset and meta text.
#include <vector>

#include "app/core/tcString.h"

class tcGuiScreen {
 public:
  struct Ref {
    tcString object;
    tcString meta;
    int x_offset = 0;
    int y_offset = 0;
  };

  explicit tcGuiScreen(const tcString& screen_name) : name(screen_name) {}

  // The reference to the named object, appended when the screen has none yet.
  Ref& ref(const tcString& object_name);

  tcString name;
  bool visible = false;
  tcString image;
  tcString meta;
  tcString title;
  int number = 0;
  int x = 0;
  int y = 0;
  std::vector<Ref> refs;
};
