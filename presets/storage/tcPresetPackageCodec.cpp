#include "presets/storage/tcPresetPackageCodec.h"

#include <QList>

#include "app/core/tcLeBytes.h"

namespace {

// Data is stored with every byte complemented; the same walk undoes it.
QByteArray complemented(const char* data, int length) {
  QByteArray out(length, Qt::Uninitialized);
  for (int n = 0; n < length; ++n) out[n] = static_cast<char>(~data[n]);
  return out;
}

int refuse(QString* reason, const QString& text, int result) {
  if (reason) *reason = text;
  return result;
}

// Entries are counted from 1, as a user would count them.
QString damaged(int number, int64_t pos, const char* what) {
  return QString("entry %1 (at byte %2) %3").arg(number).arg(pos).arg(QLatin1String(what));
}

}  // namespace

bool tcPresetPackageCodec::is_safe_name(const QByteArray& name) {
  if (name.isEmpty() || name.size() > kNameLimit) return false;
  for (const char c : name) {
    if (static_cast<unsigned char>(c) < 0x20 || c == '\\' || c == ':' || c == 0x7F) return false;
  }
  for (const QByteArray& part : name.split('/')) {
    if (part.isEmpty() || part == "." || part == "..") return false;
  }
  return true;
}

QString tcPresetPackageCodec::unsafe_name_reason(const QByteArray& name) {
  return QString("unsafe entry name \"%1\"").arg(QString::fromLatin1(name));
}

int tcPresetPackageCodec::encode(const QVector<Entry>& entries, QByteArray* out, QString* reason) {
  out->clear();
  QByteArray bytes;
  tcLeBytes::append_u32(bytes, kMagic);
  bytes.append(kHeaderSize - 4, '\0');
  for (const Entry& entry : entries) {
    if (!is_safe_name(entry.name)) {
      return refuse(reason, unsafe_name_reason(entry.name), kBroken);
    }
    tcLeBytes::append_u16(bytes, kEntryMark);
    tcLeBytes::append_u16(bytes, static_cast<uint16_t>(entry.name.size()));
    tcLeBytes::append_u32(bytes, static_cast<uint32_t>(entry.data.size()));
    bytes.append(entry.name);
    bytes.append(complemented(entry.data.constData(), entry.data.size()));
  }
  *out = bytes;
  return kOk;
}

int tcPresetPackageCodec::decode(const QByteArray& bytes, QVector<Entry>* entries,
                                 QString* reason) {
  entries->clear();
  if (bytes.size() < kHeaderSize || tcLeBytes::get_u32(bytes.constData()) != kMagic) {
    return refuse(reason, "not a preset package", kNotPackage);
  }
  QVector<Entry> found;
  // Sizes in 64 bits: a hostile length must not wrap around the bounds checks.
  const int64_t size = bytes.size();
  int64_t pos = kHeaderSize;
  // A few bytes after the last entry that cannot hold an entry head end the list.
  while (size - pos >= kEntryHeadSize) {
    const char* head = bytes.constData() + pos;
    const int number = found.size() + 1;
    if (tcLeBytes::get_u16(head) != kEntryMark) {
      return refuse(reason, damaged(number, pos, "has a wrong entry mark"), kBroken);
    }
    const int64_t name_length = tcLeBytes::get_u16(head + 2);
    const int64_t data_length = tcLeBytes::get_u32(head + 4);
    pos += kEntryHeadSize;
    if (name_length > kNameLimit || name_length > size - pos) {
      return refuse(reason,
                    damaged(number, pos - kEntryHeadSize, "has a name that runs past the end"),
                    kBroken);
    }
    Entry entry;
    entry.name = bytes.mid(static_cast<int>(pos), static_cast<int>(name_length));
    if (!is_safe_name(entry.name)) {
      return refuse(reason, QString("entry %1: %2").arg(number).arg(unsafe_name_reason(entry.name)),
                    kBroken);
    }
    if (data_length > size - pos - name_length) {
      return refuse(reason,
                    QString("entry %1 (\"%2\") runs past the end of the package")
                        .arg(number)
                        .arg(QString::fromLatin1(entry.name)),
                    kBroken);
    }
    pos += name_length;
    entry.data = complemented(bytes.constData() + pos, static_cast<int>(data_length));
    pos += data_length;
    found.append(entry);
  }
  *entries = found;
  return kOk;
}
