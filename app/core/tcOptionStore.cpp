#include "app/core/tcOptionStore.h"

#include <QFile>
#include <algorithm>
#include <limits>

#include "app/core/tcAtomicFile.h"
#include "app/core/tcProfileFile.h"

namespace {

// Whole file, or empty when it cannot be read.
QByteArray read_file(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.read(tcOptionStore::kMaxFileSize);
}

bool is_blank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}
bool is_digit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

tcOptionStore::tcOptionStore(const QString& path, int mode) : mode_(mode), path_(path) {
  if (mode_ != kXml) return;
  const QByteArray bytes = read_file(path_);
  if (!bytes.isEmpty()) tcIniXmlCodec::decode(bytes, map_);
}

tcOptionStore::~tcOptionStore() {
  flush();
}

qint64 tcOptionStore::to_int64(const QByteArray& text) {
  int i = 0;
  while (i < text.size() && is_blank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  // Saturates rather than wrapping on absurdly long digit runs.
  constexpr qint64 kMax = std::numeric_limits<qint64>::max() / 10 - 9;
  qint64 value = 0;
  for (; i < text.size() && is_digit(text[i]); ++i) {
    if (value < kMax) value = value * 10 + (text[i] - '0');
  }
  return negative ? -value : value;
}

double tcOptionStore::to_double(const QByteArray& text) {
  // The longest leading decimal number, read without regard to the user's locale.
  int i = 0;
  while (i < text.size() && is_blank(text[i])) ++i;
  const int start = i;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
  int digits = 0;
  for (; i < text.size() && is_digit(text[i]); ++i) ++digits;
  if (i < text.size() && text[i] == '.') {
    for (++i; i < text.size() && is_digit(text[i]); ++i) ++digits;
  }
  if (digits == 0) return 0.0;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    int j = i + 1;
    if (j < text.size() && (text[j] == '-' || text[j] == '+')) ++j;
    if (j < text.size() && is_digit(text[j])) {
      while (j < text.size() && is_digit(text[j])) ++j;
      i = j;
    }
  }
  bool ok = false;
  const double value = text.mid(start, i - start).toDouble(&ok);
  return ok ? value : 0.0;
}

bool tcOptionStore::lookup(const char* section, const char* name, QByteArray* out) const {
  switch (mode_) {
    case kXml: {
      const auto it = map_.find({QByteArray(section), QByteArray(name)});
      if (it == map_.end()) return false;
      *out = it->second;
      return true;
    }
    case kProfile:
      if (!tcProfileFile(read_file(path_)).value(section, name, out)) return false;
      out->truncate(kProfileCapacity - 1);
      return true;
    default:
      return false;
  }
}

void tcOptionStore::store(const char* section, const char* name, const QByteArray& value) {
  modified_ = true;
  switch (mode_) {
    case kXml:
      map_[{QByteArray(section), QByteArray(name)}] = value;
      break;
    case kProfile: {
      tcProfileFile file(read_file(path_));
      if (file.set_value(section, name, value) == 0) tcAtomicFile::write(path_, file.bytes());
      break;
    }
    default:
      break;
  }
}

tcString tcOptionStore::get_text(const char* section, const char* name, const char* def,
                                 int max_len) const {
  QByteArray value;
  const bool found = lookup(section, name, &value);
  const size_t limit = max_len < 0 ? static_cast<size_t>(-1) : static_cast<size_t>(max_len);
  return found ? tcString(value.constData(), std::min(limit, static_cast<size_t>(value.size())))
               : tcString(def, limit);
}

int tcOptionStore::get_int(const char* section, const char* name, int def) const {
  QByteArray value;
  if (!lookup(section, name, &value)) return def;
  const qint64 v = to_int64(value.left(kNumberCapacity));
  if (v > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
  if (v < std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
  return static_cast<int>(v);
}

bool tcOptionStore::get_bool(const char* section, const char* name, bool def) const {
  return get_int(section, name, def ? 1 : 0) > 0;
}

double tcOptionStore::get_float(const char* section, const char* name, double def) const {
  QByteArray value;
  return lookup(section, name, &value) ? to_double(value) : def;
}

uint32_t tcOptionStore::get_u32(const char* section, const char* name, uint32_t def) const {
  QByteArray value;
  if (!lookup(section, name, &value)) return def;
  return static_cast<uint32_t>(static_cast<quint64>(to_int64(value.left(kNumberCapacity))));
}

void tcOptionStore::set_text(const char* section, const char* name, const char* value) {
  store(section, name, QByteArray(value ? value : ""));
}

void tcOptionStore::set_int(const char* section, const char* name, int value) {
  store(section, name, QByteArray::number(value));
}

void tcOptionStore::set_bool(const char* section, const char* name, bool value) {
  set_int(section, name, value ? 1 : 0);
}

void tcOptionStore::set_float(const char* section, const char* name, double value) {
  store(section, name, QByteArray::number(value, 'f', 6));
}

void tcOptionStore::set_u32(const char* section, const char* name, uint32_t value) {
  set_int(section, name, static_cast<int>(value));
}

int tcOptionStore::flush() {
  if (!modified_ || mode_ != kXml) return 0;
  QString reason = QStringLiteral("No file name.");
  if (path_.isEmpty() || tcAtomicFile::write(path_, tcIniXmlCodec::encode(map_), &reason) != 0) {
    write_error_ = tcAtomicFile::failure_text(path_, reason);
    return -1;
  }
  write_error_.clear();
  modified_ = false;
  return 0;
}

void tcOptionStore::discard() {
  map_.clear();
  modified_ = false;
}
