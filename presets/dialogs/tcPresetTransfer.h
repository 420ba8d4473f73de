#pragma once
// Moves presets between the processor's slots and memory through the process'
// preset grabber (fetch) and pusher (store), one slot at a time. More than one
// preset shows "Preset Transfer" with the share done; a preset the processor
// does not deliver (the link went away) stops the run and tells the user.
#include <QVector>

#include "presets/dialogs/tcPresetClip.h"
#include "presets/dialogs/tcPresetContext.h"

class QWidget;

class tcPresetTransfer {
 public:
  tcPresetTransfer(const tcPresetContext& context, QWidget* parent)
      : context_(context), parent_(parent) {}

  // Fetches the presets of `picked` (0 to 79) into `out`, each with its header
  // from the preset directory. 0, or -1 after telling the user.
  int fetch(const QVector<int>& picked, tcPresetClips* out);
  // Stores clips[n] into slot first + n (the caller has cut the list to the
  // last slot and checked the locks). 0, or -1 after telling the user.
  int push(const tcPresetClips& clips, int first);
  // Stores one preset into a slot under the header given.
  int push_one(int slot, const SETTINGS& set, const tcPresetHeader& header);

 private:
  const tcPresetContext& context_;
  QWidget* parent_;
};
