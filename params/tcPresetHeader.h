#pragma once
// The record that describes one preset or live bank. Its wire form is the 160-byte
// preset summary block, its file form the preset file's head; text fields are kept
// here uncomplemented.
#include <cstdint>

#include "app/core/tcString.h"

class tcSettings;

class tcPresetHeader {
 public:
  static constexpr int kNameSize = 40;
  static constexpr int kTextSize = 40;
  // Check word and count positions.
  static constexpr int kNormal = 0;
  static constexpr int kIo = 1;
  static constexpr int kSecret = 2;
  static constexpr int kProcessor = 3;  // filled only by the processor's directory
  static constexpr uint16_t kVersionTweaked = 0xFFFE;
  static constexpr uint16_t kVersionFactory = 0xFFFF;

  // A fresh header: all zero, present flag 1, map version 0xFFFF.
  tcPresetHeader() { reset(); }
  void reset();
  // All zero (a cleared directory entry, or a header before a file is read).
  void clear();

  // Name: up to 40 characters, zero-padded, no terminator when 40 long.
  tcString name_text() const;
  void set_name(const char* text);

  // Equal when name, map version, the four counts, the four check words, the status
  // byte and the present flag are equal; words A and B and the text fields take no part.
  bool operator==(const tcPresetHeader& other) const;
  bool operator!=(const tcPresetHeader& other) const { return !(*this == other); }
  // Header copy: the fields that equality compares, nothing else. (Plain assignment
  // copies everything.)
  void copy_from(const tcPresetHeader& other);
  // The set's three group check sums and counts (normal, I/O, secret).
  void take_checksums(const tcSettings& set);

  char name[kNameSize];
  uint8_t present;
  uint8_t status;  // lock state in the processor's directory: 0, 1 locked, 2 factory
  uint32_t check[4];
  uint16_t count[4];
  uint32_t word_a;
  uint32_t word_b;
  uint8_t text_a[kTextSize];
  uint8_t text_b[kTextSize];
  uint16_t map_version;
};
