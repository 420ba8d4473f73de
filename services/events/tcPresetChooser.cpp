#include "services/events/tcPresetChooser.h"

#include "link/transport/tcPresetDirectory.h"
#include "services/events/tcEventText.h"

tcPresetChooser::tcPresetChooser(const tcPresetDirectory& directory, uint32_t slot, QWidget* parent)
    : QComboBox(parent) {
  for (int s = 0; s < tcPresetDirectory::kSlots; ++s)
    addItem(tcEventText::preset(directory, static_cast<uint32_t>(s)));
  setCurrentIndex(slot < static_cast<uint32_t>(tcPresetDirectory::kSlots) ? static_cast<int>(slot)
                                                                          : 0);
}
