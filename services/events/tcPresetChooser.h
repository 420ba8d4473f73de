#pragma once
// The "Preset:" list of the event dialogs: the processor's 80 slots, each shown
// as its number and name.
#include <QComboBox>
#include <cstdint>

class tcPresetDirectory;

class tcPresetChooser : public QComboBox {
  Q_OBJECT

 public:
  tcPresetChooser(const tcPresetDirectory& directory, uint32_t slot, QWidget* parent = nullptr);
  uint32_t slot() const { return static_cast<uint32_t>(currentIndex()); }
};
