#pragma once
// Bytes of a preset package (".pkg") to and from its entries. Pure: no file
// handle; tcPresetPackage walks folders and writes files around it.
#include <QByteArray>
#include <QString>
#include <QVector>
#include <cstdint>

class tcPresetPackageCodec {
 public:
  enum Result {
    kOk = 0,
    kNotPackage = 1,  // shorter than the header or the wrong first word
    kBroken = 2,      // an entry is cut short, carries a wrong mark or an unsafe name
  };

  static constexpr uint32_t kMagic = 0xAAAABBBBu;
  static constexpr uint16_t kEntryMark = 0xABCD;
  static constexpr int kHeaderSize = 16;
  static constexpr int kEntryHeadSize = 8;
  static constexpr int kNameLimit = 1023;

  // name: path below the package root with "/" separators; data: the plain bytes.
  struct Entry {
    QByteArray name;
    QByteArray data;
  };

  // Refuses (kBroken, nothing in out) an entry whose name is unsafe.
  static int encode(const QVector<Entry>& entries, QByteArray* out, QString* reason = nullptr);
  // All entries or none: a broken package yields kBroken and an empty list.
  static int decode(const QByteArray& bytes, QVector<Entry>* entries, QString* reason = nullptr);

  // A name that stays below the folder it is extracted into: not empty, at most
  // kNameLimit bytes, relative, "/"-separated components that are neither empty,
  // "." nor "..", and no backslash, colon or control character.
  static bool is_safe_name(const QByteArray& name);
  // The reason given when a name is refused.
  static QString unsafe_name_reason(const QByteArray& name);
};
