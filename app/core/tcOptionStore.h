#pragma once
// Named option values in sections, kept in one of three back ends chosen at
// construction. Every getter names its default; a missing file or key yields
// it and nothing is ever reported to the user.
#include <QString>
#include <cstdint>

#include "app/core/tcIniXmlCodec.h"
#include "app/core/tcString.h"

class tcOptionStore {
 public:
  enum Mode {
    kRegistry = 0,  // not available here: returns defaults, keeps nothing
    kProfile = 1,   // plain INI profile file, read and written through at once
    kXml = 2,       // INI-as-XML file, loaded at construction, written by flush
  };
  static constexpr int kProfileCapacity = 2048;  // profile texts hold at most 2047 characters
  static constexpr int kNumberCapacity = 20;     // numbers are read from at most 20 characters
  // Larger files are read only this far (option files are a few kilobytes).
  static constexpr qint64 kMaxFileSize = 16 * 1024 * 1024;

  tcOptionStore(const QString& path, int mode);
  ~tcOptionStore();  // flushes
  tcOptionStore(const tcOptionStore&) = delete;
  tcOptionStore& operator=(const tcOptionStore&) = delete;

  // Text of the value, or the default; cut to max_len characters when max_len >= 0.
  tcString get_text(const char* section, const char* name, const char* def, int max_len = -1) const;
  // Leading decimal digits with an optional sign; a value that is not a number reads 0.
  int get_int(const char* section, const char* name, int def) const;
  bool get_bool(const char* section, const char* name, bool def) const;
  double get_float(const char* section, const char* name, double def) const;
  // 32-bit codes: written like integers (so "%d" may show them negative), read
  // back as the same 32 bits whether the file holds the signed or unsigned form.
  uint32_t get_u32(const char* section, const char* name, uint32_t def) const;

  void set_text(const char* section, const char* name, const char* value);
  void set_int(const char* section, const char* name, int value);
  void set_bool(const char* section, const char* name, bool value);
  void set_float(const char* section, const char* name, double value);
  void set_u32(const char* section, const char* name, uint32_t value);

  // XML back end: writes the whole file when modified, through a temporary
  // file renamed over the old one. Returns 0 when written or nothing was due,
  // -1 when writing failed; the old file then stays, the store stays modified
  // and write_error() tells the user what happened.
  int flush();
  const QString& write_error() const { return write_error_; }

  // Drops every value and any pending write (the file is being deleted).
  void discard();

  int mode() const { return mode_; }
  const QString& path() const { return path_; }
  bool modified() const { return modified_; }
  const tcIniXmlCodec::Map& values() const { return map_; }

  // Text to number as the getters convert it (exposed for the key accessors' users).
  static qint64 to_int64(const QByteArray& text);
  static double to_double(const QByteArray& text);

 private:
  // The stored text of the key, false when absent.
  bool lookup(const char* section, const char* name, QByteArray* out) const;
  void store(const char* section, const char* name, const QByteArray& value);

  const int mode_;
  const QString path_;
  bool modified_ = false;
  tcIniXmlCodec::Map map_;
  QString write_error_;
};
