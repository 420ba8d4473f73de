#pragma once
// The packed skin file: a 16-byte header ("SKIN" and 12 reserved bytes) followed
// by flat entries (marker, name length N with its NUL, content size S, name,
// content), little-endian, up to the end of the file. This codec only turns
// entries into bytes and back; the packer tool and the console's unpacker do the
// file work around it.
#include <QByteArray>
#include <QList>
#include <QString>
#include <cstdint>

struct tcSkinEntry {
  QByteArray name;  // bare file name, 8-bit, without the NUL
  QByteArray data;
};

class tcSkinFile {
 public:
  static constexpr uint32_t kMagic = 0x4E494B53;  // "SKIN" read little-endian
  static constexpr uint16_t kEntryMarker = 0x4A47;
  static constexpr int kHeaderSize = 16;
  static constexpr int kEntryHeaderSize = 8;

  enum Verdict {
    kOk = 0,
    kShortHeader,  // fewer than 16 bytes
    kBadMagic,
    kUnsafeName,  // empty, unterminated, "." or "..", or holding a path separator
    kTruncated,   // the last entry's content runs past the end of the file
  };

  struct Decoded {
    Verdict verdict = kOk;
    QList<tcSkinEntry> entries;  // every entry before the one that failed
    int bad_entry = -1;          // index of the entry that failed, -1 if none
    QByteArray bad_name;         // its name as far as it could be read
  };

  // True when the name can only ever denote a file directly inside the target
  // folder.
  static bool is_safe_name(const QByteArray& name);

  static QByteArray encode_header();
  // Empty when the entry can't be stored: an unsafe name, or a name or content
  // too long for its length field.
  static QByteArray encode_entry(const tcSkinEntry& entry);
  // Empty when any entry can't be stored.
  static QByteArray encode(const QList<tcSkinEntry>& entries);

  // Entries are read until fewer than 8 bytes of an entry header are left. A
  // truncated entry is kept with the bytes that are there.
  static Decoded decode(const QByteArray& bytes);

  // The message for a damaged file (verdict kUnsafeName or kTruncated), naming
  // the skin file by skin_name.
  static QString damage_text(const Decoded& decoded, const QString& skin_name);
};
