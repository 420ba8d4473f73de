#pragma once
// Saving the live preset: into a processor slot (the processor stores the live
// values under the new name and the live bank takes that name) or as a file in
// a favourite folder; and the slot a save from the main window proposes.
#include <QString>

#include "presets/dialogs/tcPresetContext.h"

class QWidget;
class tcPresetDirectory;

class tcPresetSave {
 public:
  static constexpr const char* kTitle = "Save preset";
  static constexpr const char* kNoSlotText =
      "Unable to save preset. There are no empty unlocked preset entries available.";

  // The first empty slot, else the first unlocked one; -1 when every slot
  // holds a locked preset.
  static int proposed_slot(const tcPresetDirectory& directory);

  // The main window's "Save..." after its on-line gate: proposes a slot (or
  // tells the user there is none) and runs the save dialog on it.
  static void from_window(QWidget* parent, const tcPresetContext& context);

  // Each tells the user why it refused or failed and returns -1; 0 when saved.
  // Refuses a slot holding a locked preset.
  static int to_slot(QWidget* parent, const tcPresetContext& context, int slot,
                     const QString& name);
  // Refuses a protected (package) folder and a name whose file exists.
  static int to_file(QWidget* parent, const tcPresetContext& context, const QString& folder,
                     const QString& name);
};
