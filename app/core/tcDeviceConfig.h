#pragma once
// One processor's settings, "<device name>.cfg" in the maps directory: its
// address, remembered access codes and the preset file kept for each slot.
// Every change is written to the file at once.
#include <QString>
#include <cstdint>

#include "app/core/tcOptionStore.h"

class tcDeviceConfig {
 public:
  static constexpr const char* kExtension = ".cfg";
  static constexpr const char* kNoAddress = "0.0.0.0";
  static constexpr int kPresetSlots = 80;

  // The file of the named device in `maps_dir`.
  tcDeviceConfig(const QString& maps_dir, const QString& device_name);
  explicit tcDeviceConfig(const QString& path);

  static QString file_name(const QString& device_name) { return device_name + kExtension; }
  // "P000" .. "P079".
  static QByteArray preset_key(int slot);

  const QString& path() const { return store_.path(); }

  tcString ip_addr() const { return store_.get_text(kDevice, "IPAddr", kNoAddress); }
  uint32_t ucrc() const { return store_.get_u32(kAccess, "ucrc", 0); }
  uint32_t uflg() const { return store_.get_u32(kAccess, "uflg", 0); }
  bool ulck() const { return store_.get_int(kAccess, "ulck", 0) != 0; }
  uint32_t rcrc() const { return store_.get_u32(kAccess, "rcrc", 0); }
  uint32_t rcrd() const { return store_.get_u32(kAccess, "rcrd", 0); }
  // Base name (without ".qx770x") of the preset file kept for the slot; "" when
  // none or the slot is out of range.
  tcString preset(int slot) const;

  // Each setter writes the file at once and returns the flush result (0, or -1
  // when the file could not be written; the values are kept in memory then).
  int set_ip_addr(const char* address);
  int set_access(uint32_t code, uint32_t mask, bool locked);
  int set_locked(bool locked);
  int set_rcrc(uint32_t code);
  int set_preset(int slot, const char* base_name);

  // Deletes the file (the device leaves the list).
  int remove();

  // The user's text for the last failed write.
  const QString& write_error() const { return store_.write_error(); }

 private:
  static constexpr const char* kDevice = "Device";
  static constexpr const char* kAccess = "Access";
  static constexpr const char* kPresets = "Presets";

  tcOptionStore store_;
};
