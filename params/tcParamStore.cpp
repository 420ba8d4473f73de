#include "params/tcParamStore.h"

#include <cstring>

namespace {
constexpr const char* kUnknownText = "????????";
constexpr const char* kOffText = "OFF     ";

std::unique_ptr<MAP_TYPE> make_map(const tcParamRow& row) {
  std::unique_ptr<MAP_TYPE> map;
  switch (row.type) {
    case MAP_TYPE::kFloat: {
      const tcMapEntry* entries = tcValueTables::entries(row.table);
      const uint32_t count = entries
                                 ? tcValueTables::count(row.table)
                                 : MAP_FLOAT::steps(row.float_min, row.float_max, row.resolution);
      map = std::make_unique<MAP_FLOAT>(row.id, row.float_default, row.float_min, row.float_max,
                                        entries, count, row.name);
      break;
    }
    case MAP_TYPE::kInt:
      if (row.labels)
        map = std::make_unique<MAP_INT>(row.id, row.int_default, row.int_min, row.int_max,
                                        row.labels, row.label_count, row.name);
      else if (row.records)
        map = std::make_unique<MAP_INT>(row.id, row.int_default, row.int_min, row.int_max,
                                        row.records, row.label_count, row.name);
      else
        map =
            std::make_unique<MAP_INT>(row.id, row.int_default, row.int_min, row.int_max, row.name);
      break;
    default:
      map = std::make_unique<MAP_BOOL>(row.id, row.bool_default, row.labels, row.name);
      break;
  }
  map->set_format(row.format);
  return map;
}

int copy_out(const tcString& text, char* buf, size_t size) {
  if (!buf || size == 0) return 0;
  const size_t n = static_cast<size_t>(text.length()) < size ? text.length() : size - 1;
  std::memcpy(buf, text.c_str(), n);
  buf[n] = '\0';
  return static_cast<int>(n);
}

// Texts that replace the map's own for a few parameters.
tcString ruled_text(tcDisplayRule rule, const MAP_TYPE& map, uint32_t raw) {
  const uint32_t v =
      raw < map.raw_min() ? map.raw_min() : (raw > map.raw_max() ? map.raw_max() : raw);
  tcString text;
  switch (rule) {
    case tcDisplayRule::kOffAtMin:
      if (v == map.raw_min()) return tcString(kOffText);
      break;
    case tcDisplayRule::kBracketed:
      text.format("[%d]", static_cast<int>(v));
      return text;
    case tcDisplayRule::kSign:
      return tcString(v ? "-" : "+");
    case tcDisplayRule::kDelay:
      // Tenths of a millisecond; 10 s and above show as the maximum.
      if (v == 0) return tcString(kOffText);
      if (v < 100000) {
        text.format("%4d.%dmS", static_cast<int>(v / 10), static_cast<int>(v % 10));
        return text;
      }
      return tcString("10.0000S");
    case tcDisplayRule::kMap:
      break;
  }
  return map.format_raw(raw);
}
}  // namespace

tcParamStore::tcParamStore(const tcParamTable& table, tcMutex& lock) : table_(table), lock_(lock) {
  maps_.reserve(table_.count());
  for (int i = 0; i < table_.count(); ++i) maps_.push_back(make_map(table_.rows()[i]));
}

tcParamStore::~tcParamStore() = default;

tcString tcParamStore::format_raw(uint16_t id, uint32_t raw) const {
  tcMutexHold hold(lock_);
  const int i = table_.index_of(id);
  if (i < 0) return tcString(kUnknownText);
  return ruled_text(table_.rows()[i].display, *maps_[i], raw);
}

tcString tcParamStore::format(uint16_t id) const {
  tcMutexHold hold(lock_);
  const MAP_TYPE* m = map(id);
  return m ? format_raw(id, m->raw()) : tcString(kUnknownText);
}

int tcParamStore::format(uint16_t id, char* buf, size_t size) const {
  return copy_out(format(id), buf, size);
}

tcString tcParamStore::name(uint16_t id) const {
  const MAP_TYPE* m = map(id);
  return m ? m->name() : tcString("???");
}

int tcParamStore::name(uint16_t id, char* buf, size_t size) const {
  return copy_out(name(id), buf, size);
}

MAP_TYPE* tcParamStore::map(uint16_t id) const {
  const int i = table_.index_of(id);
  return i < 0 ? nullptr : maps_[i].get();
}

MAP_FLOAT* tcParamStore::float_map(uint16_t id) const {
  MAP_TYPE* m = map(id);
  return m && m->type() == MAP_TYPE::kFloat ? static_cast<MAP_FLOAT*>(m) : nullptr;
}

MAP_INT* tcParamStore::int_map(uint16_t id) const {
  MAP_TYPE* m = map(id);
  return m && m->type() == MAP_TYPE::kInt ? static_cast<MAP_INT*>(m) : nullptr;
}

MAP_BOOL* tcParamStore::bool_map(uint16_t id) const {
  MAP_TYPE* m = map(id);
  return m && m->type() == MAP_TYPE::kBool ? static_cast<MAP_BOOL*>(m) : nullptr;
}

uint32_t tcParamStore::raw(uint16_t id) const {
  tcMutexHold hold(lock_);
  const MAP_TYPE* m = map(id);
  return m ? m->raw() : 0;
}

float tcParamStore::eng(uint16_t id) const {
  tcMutexHold hold(lock_);
  const MAP_FLOAT* m = float_map(id);
  return m ? m->eng() : 0.0f;
}

uint32_t tcParamStore::int_value(uint16_t id) const {
  tcMutexHold hold(lock_);
  const MAP_TYPE* m = map(id);
  return m && m->type() != MAP_TYPE::kFloat ? m->raw() : 0;
}

uint8_t tcParamStore::bool_value(uint16_t id) const {
  tcMutexHold hold(lock_);
  const MAP_BOOL* m = bool_map(id);
  return m ? m->value() : 0;
}

float tcParamStore::float_min(uint16_t id) const {
  const MAP_FLOAT* m = float_map(id);
  return m ? m->minimum() : 0.0f;
}

float tcParamStore::float_max(uint16_t id) const {
  const MAP_FLOAT* m = float_map(id);
  return m ? m->maximum() : 0.0f;
}

float tcParamStore::float_default(uint16_t id) const {
  const MAP_FLOAT* m = float_map(id);
  return m ? m->default_eng() : 0.0f;
}

uint32_t tcParamStore::int_min(uint16_t id) const {
  const MAP_INT* m = int_map(id);
  return m ? m->minimum() : 0;
}

uint32_t tcParamStore::int_max(uint16_t id) const {
  const MAP_INT* m = int_map(id);
  return m ? m->maximum() : 0;
}

uint32_t tcParamStore::int_default(uint16_t id) const {
  const MAP_INT* m = int_map(id);
  return m ? m->default_value() : 0;
}

uint32_t tcParamStore::eng_to_raw(uint16_t id, float value) const {
  const MAP_FLOAT* m = float_map(id);
  return m ? m->eng_to_raw(value) : 0;
}

float tcParamStore::raw_to_eng(uint16_t id, uint32_t raw) const {
  const MAP_FLOAT* m = float_map(id);
  return m ? m->raw_to_eng(raw) : 0.0f;
}

bool tcParamStore::store(MAP_TYPE* map, uint32_t raw, int source) {
  if (!map || !map->set_raw(raw)) return false;
  changed(map->id(), source);
  return true;
}

bool tcParamStore::set_raw(uint16_t id, uint32_t raw, int source) {
  tcMutexHold hold(lock_);
  return store(map(id), raw, source);
}

bool tcParamStore::set_float(uint16_t id, float value, int source) {
  tcMutexHold hold(lock_);
  MAP_FLOAT* m = float_map(id);
  return m && store(m, m->eng_to_raw(value), source);
}

bool tcParamStore::set_int(uint16_t id, uint32_t value, int source) {
  tcMutexHold hold(lock_);
  MAP_TYPE* m = map(id);
  return m && m->type() != MAP_TYPE::kFloat && store(m, value, source);
}

bool tcParamStore::set_bool(uint16_t id, uint8_t value, int source) {
  tcMutexHold hold(lock_);
  return store(bool_map(id), value, source);
}
