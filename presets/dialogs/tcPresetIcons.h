#pragma once
// The images of the preset trees, loaded once from the built-in resources.
#include <QIcon>

class tcPresetIcons {
 public:
  enum Icon {
    kFolder,       // closed folder
    kOpenFolder,   // open folder
    kPackage,      // closed package folder
    kOpenPackage,  // open package folder
    kFile,         // preset file
    kPreset,       // processor preset
    kUnlocked,     // processor preset, unlocked
    kCurrent,      // processor preset that is the live one
    kFactory,      // factory-locked processor preset
    kLocked,       // locked processor preset
    kUser,         // the processor itself
    kCount
  };

  static const QIcon& get(Icon icon);
  // The icon of a processor slot's lock state (0, 1, 2).
  static const QIcon& lock_state(int status);
};
