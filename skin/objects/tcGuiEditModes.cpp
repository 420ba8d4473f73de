#include "skin/objects/tcGuiEditModes.h"

#include "skin/objects/tcObjectReader.h"

tcGuiEditModes::~tcGuiEditModes() = default;

void tcGuiEditModes::set_mode(tcXmlData& x, const char* value, int arg) {
  auto* self = tcObjectReader::target<tcGuiEditModes>(x);
  if (!self) return;
  switch (arg) {
    // Present means editable, whatever the text: skins write editable="0" too.
    case kEditable:
      self->editable_ = true;
      break;
    case kUnits:
      self->units_ = value;
      break;
    case kDlgRegExp:
      self->dlg_regexp_ = value;
      break;
    default:
      self->dclickable_ = tcObjectReader::flag(value);
      break;
  }
}
