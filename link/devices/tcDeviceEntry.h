#pragma once
// One processor of the device list: its name and its ".cfg" file in the maps
// directory, which holds the address and the remembered access data. Every
// setter writes the file at once; when that fails the values stay in memory.
#include <QString>
#include <cstdint>

#include "app/core/tcDeviceConfig.h"
#include "app/core/tcString.h"

class tcDeviceEntry {
 public:
  static constexpr int kNameMax = 40;

  // Opens (or prepares, when missing) the file of `name` in `maps_dir`.
  tcDeviceEntry(const QString& maps_dir, const char* name);

  const tcString& name() const { return name_; }
  tcString address() const { return config_.ip_addr(); }
  uint32_t ucrc() const { return config_.ucrc(); }
  uint32_t uflg() const { return config_.uflg(); }
  bool ulck() const { return config_.ulck(); }
  uint32_t rcrc() const { return config_.rcrc(); }
  uint32_t rcrd() const { return config_.rcrd(); }
  const QString& path() const { return config_.path(); }

  // 0, or -1 when the file could not be written.
  int set_address(const char* address) { return config_.set_ip_addr(address); }
  // GUI access: code, restriction flags and lock state are written together.
  int set_access(uint32_t code, uint32_t flags, bool locked) {
    return config_.set_access(code, flags, locked);
  }
  int set_locked(bool locked) { return config_.set_locked(locked); }
  int set_rcrc(uint32_t code) { return config_.set_rcrc(code); }
  // Base name of the preset file a processor slot was filled from ("" when none).
  tcString preset(int slot) const { return config_.preset(slot); }
  int set_preset(int slot, const char* base_name) { return config_.set_preset(slot, base_name); }

  // Deletes the file; the entry is leaving the list.
  int remove_file() { return config_.remove(); }
  // The user's text for the last failed write.
  const QString& write_error() const { return config_.write_error(); }

  // Whether `name` may name a device: 1 to 40 letters, digits, spaces or
  // underscores (the name is also the file name).
  static bool valid_name(const char* name);

 private:
  const tcString name_;
  tcDeviceConfig config_;
};
