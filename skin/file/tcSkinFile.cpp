#include "skin/file/tcSkinFile.h"

#include "app/core/tcLeBytes.h"

bool tcSkinFile::is_safe_name(const QByteArray& name) {
  if (name.isEmpty() || name == "." || name == "..") return false;
  // Backslash too: the file may be unpacked where it separates folders.
  return !name.contains('/') && !name.contains('\\') && !name.contains('\0');
}

QByteArray tcSkinFile::encode_header() {
  QByteArray out;
  tcLeBytes::append_u32(out, kMagic);
  out.append(kHeaderSize - 4, '\0');
  return out;
}

QByteArray tcSkinFile::encode_entry(const tcSkinEntry& entry) {
  if (!is_safe_name(entry.name) || entry.name.size() + 1 > 0xFFFF) return QByteArray();
  QByteArray out;
  out.reserve(kEntryHeaderSize + entry.name.size() + 1 + entry.data.size());
  tcLeBytes::append_u16(out, kEntryMarker);
  tcLeBytes::append_u16(out, static_cast<uint16_t>(entry.name.size() + 1));
  tcLeBytes::append_u32(out, static_cast<uint32_t>(entry.data.size()));
  out.append(entry.name);
  out.append('\0');
  out.append(entry.data);
  return out;
}

QByteArray tcSkinFile::encode(const QList<tcSkinEntry>& entries) {
  QByteArray out = encode_header();
  for (const tcSkinEntry& entry : entries) {
    const QByteArray bytes = encode_entry(entry);
    if (bytes.isEmpty()) return QByteArray();
    out.append(bytes);
  }
  return out;
}

tcSkinFile::Decoded tcSkinFile::decode(const QByteArray& bytes) {
  Decoded result;
  if (bytes.size() < kHeaderSize) {
    result.verdict = kShortHeader;
    return result;
  }
  // Bytes 4 to 15 are reserved and not looked at.
  if (tcLeBytes::get_u32(bytes.constData()) != kMagic) {
    result.verdict = kBadMagic;
    return result;
  }
  int pos = kHeaderSize;
  const int size = bytes.size();
  while (size - pos >= kEntryHeaderSize) {
    // The marker at pos is written but deliberately not checked.
    const int name_len = static_cast<int>(tcLeBytes::get_u16(bytes.constData() + pos + 2));
    const uint32_t data_len = tcLeBytes::get_u32(bytes.constData() + pos + 4);
    pos += kEntryHeaderSize;

    const int name_avail = qMin(name_len, size - pos);
    const int nul = bytes.indexOf('\0', pos);
    const int index = result.entries.size();
    if (nul < 0 || nul >= pos + name_avail) {
      // Not terminated within its N bytes: where the name ends is unknown.
      result.verdict = kUnsafeName;
      result.bad_entry = index;
      result.bad_name = bytes.mid(pos, name_avail);
      return result;
    }
    tcSkinEntry entry;
    entry.name = bytes.mid(pos, nul - pos);
    if (!is_safe_name(entry.name)) {
      result.verdict = kUnsafeName;
      result.bad_entry = index;
      result.bad_name = entry.name;
      return result;
    }
    pos += name_avail;
    const int data_avail = static_cast<int>(qMin<int64_t>(data_len, size - pos));
    entry.data = bytes.mid(pos, data_avail);
    pos += data_avail;
    result.entries.append(entry);
    if (name_avail < name_len || static_cast<uint32_t>(data_avail) < data_len) {
      result.verdict = kTruncated;
      result.bad_entry = index;
      result.bad_name = entry.name;
      return result;
    }
  }
  return result;
}

QString tcSkinFile::damage_text(const Decoded& decoded, const QString& skin_name) {
  const QString name = QString::fromLocal8Bit(decoded.bad_name);
  if (decoded.verdict == kTruncated)
    return QString("Skin \"%1\" is damaged: file \"%2\" is cut short").arg(skin_name, name);
  return QString("Skin \"%1\" is damaged: entry %2 has an unsafe file name \"%3\"")
      .arg(skin_name)
      .arg(decoded.bad_entry + 1)
      .arg(name);
}
