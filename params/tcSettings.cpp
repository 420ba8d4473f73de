#include "params/tcSettings.h"

#include "app/core/tcCrc32.h"

tcMutex& tcSettings::lock() {
  static tcMutex mutex;
  return mutex;
}

tcSettings::tcSettings(const tcParamTable& table, Callback callback, void* context,
                       uint16_t set_index)
    : tcParamStore(table, lock()), callback_(callback), context_(context), set_index_(set_index) {}

void tcSettings::set_callback(Callback callback, void* context) {
  tcMutexHold hold(mutex());
  callback_ = callback;
  context_ = context;
}

void tcSettings::changed(uint16_t id, int source) {
  report(id, source);
}

void tcSettings::report(uint16_t id, int source) {
  if (callback_) callback_(context_, id, set_index_, source);
}

uint32_t tcSettings::checksum(Group group, uint16_t* count) const {
  tcMutexHold hold(mutex());
  uint32_t crc = tcCrc32::start();
  uint16_t n = 0;
  for (int i = 0; i < table().count(); ++i) {
    const tcParamRow& row = table().rows()[i];
    const Group in = row.secret ? kSecret : (row.follow_io ? kIo : kNormal);
    if (in != group) continue;
    const uint32_t v = map_at(i)->raw();
    const uint8_t bytes[4] = {static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8),
                              static_cast<uint8_t>(v >> 16), static_cast<uint8_t>(v >> 24)};
    crc = tcCrc32::update(crc, bytes, sizeof bytes);
    ++n;
  }
  if (count) *count = n;
  return tcCrc32::finish(crc);
}

int tcSettings::copy(const tcSettings* from, tcSettings* to, uint32_t mask) {
  if (!from || !to || (mask & kMaskRefused)) return -1;
  // One hold for the whole copy (all sets share the lock), so no writer sees half a preset.
  tcMutexHold hold(lock());
  const tcParamTable& table = to->table();
  for (int i = 0; i < table.count(); ++i) {
    const tcParamRow& row = table.rows()[i];
    if (!passes(row, mask)) continue;
    if (row.type == MAP_TYPE::kFloat)
      to->set_float(row.id, from->eng(row.id), kSourceLoaded);
    else
      to->set_int(row.id, from->int_value(row.id), kSourceLoaded);
  }
  return 0;
}
