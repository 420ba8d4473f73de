#pragma once
// Taking a preset: making a preset file or a processor slot the live preset of
// the current bank. The global S_FOLLOW decides whether the preset's I/O
// parameters come along (on) or the live ones stay (off).
#include <QString>
#include <cstdint>

#include "presets/dialogs/tcPresetContext.h"

class GLOBALS;
class QWidget;

class tcPresetTake {
 public:
  static constexpr uint16_t kFollowId = 0x2000;  // S_FOLLOW

  // Copy mask for a file (0 or tcSettings::kMaskSkipIo), and the take mode
  // sent for a slot (the same numbers).
  static uint32_t copy_mask(const GLOBALS& globals);

  // Loads the file into a spare set, copies it into the current live set,
  // gives the live bank the file's header and sends both to the processor
  // while on-line. 0, or -1 after "Error taking preset:" and the reason.
  static int take_file(QWidget* parent, const tcPresetContext& context, const QString& path);
  // Asks the processor to recall a slot into the current live bank. 0, or -1
  // when there is no link.
  static int take_slot(const tcPresetContext& context, int slot);
};
