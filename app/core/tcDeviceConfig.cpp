#include "app/core/tcDeviceConfig.h"

#include <QDir>
#include <QFile>

tcDeviceConfig::tcDeviceConfig(const QString& maps_dir, const QString& device_name)
    : tcDeviceConfig(QDir(maps_dir).filePath(file_name(device_name))) {}

tcDeviceConfig::tcDeviceConfig(const QString& path) : store_(path, tcOptionStore::kXml) {}

QByteArray tcDeviceConfig::preset_key(int slot) {
  return QByteArray("P") + QByteArray::number(slot).rightJustified(3, '0');
}

tcString tcDeviceConfig::preset(int slot) const {
  if (slot < 0 || slot >= kPresetSlots) return tcString();
  return store_.get_text(kPresets, preset_key(slot).constData(), "");
}

int tcDeviceConfig::set_ip_addr(const char* address) {
  store_.set_text(kDevice, "IPAddr", address);
  return store_.flush();
}

int tcDeviceConfig::set_access(uint32_t code, uint32_t mask, bool locked) {
  store_.set_u32(kAccess, "ucrc", code);
  store_.set_u32(kAccess, "uflg", mask);
  store_.set_int(kAccess, "ulck", locked ? 1 : 0);
  return store_.flush();
}

int tcDeviceConfig::set_locked(bool locked) {
  store_.set_int(kAccess, "ulck", locked ? 1 : 0);
  return store_.flush();
}

int tcDeviceConfig::set_rcrc(uint32_t code) {
  store_.set_u32(kAccess, "rcrc", code);
  return store_.flush();
}

int tcDeviceConfig::set_preset(int slot, const char* base_name) {
  if (slot < 0 || slot >= kPresetSlots) return -1;
  store_.set_text(kPresets, preset_key(slot).constData(), base_name);
  return store_.flush();
}

int tcDeviceConfig::remove() {
  store_.discard();
  return QFile::remove(store_.path()) ? 0 : -1;
}
