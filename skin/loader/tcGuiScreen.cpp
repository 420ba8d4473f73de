#include "skin/loader/tcGuiScreen.h"

tcGuiScreen::Ref& tcGuiScreen::ref(const tcString& object_name) {
  for (Ref& r : refs) {
    if (r.object == object_name) return r;
  }
  refs.push_back(Ref{object_name, tcString(), 0, 0});
  return refs.back();
}
