#include "presets/dialogs/tcPresetIcons.h"

#include <array>

#include "app/startup/tcAppContext.h"

namespace {
const char* const kPaths[tcPresetIcons::kCount] = {
    ":/Resources/folder.png",   ":/Resources/ofolder.png", ":/Resources/pfolder.png",
    ":/Resources/opfolder.png", ":/Resources/doc.png",     ":/Resources/pdoc.png",
    ":/Resources/updoc.png",    ":/Resources/mpdoc.png",   ":/Resources/ldoc.png",
    ":/Resources/pldoc.png",    ":/Resources/user.png"};
}  // namespace

const QIcon& tcPresetIcons::get(Icon icon) {
  static const std::array<QIcon, kCount> icons = [] {
    tcAppContext::load_resources();
    std::array<QIcon, kCount> loaded;
    for (int i = 0; i < kCount; ++i) loaded[i] = QIcon(QString::fromLatin1(kPaths[i]));
    return loaded;
  }();
  return icons[icon];
}

const QIcon& tcPresetIcons::lock_state(int status) {
  return get(status == 0 ? kUnlocked : status == 1 ? kLocked : kFactory);
}
