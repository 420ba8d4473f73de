#pragma once
// A plain INI profile file ("[section]" lines, "key=value" lines), kept line by
// line so that rewriting one value leaves comments and the rest untouched.
// Names compare without regard to ASCII case, as the platform profile functions
// that wrote these files did; blanks around names, "=" and values are ignored;
// lines starting with ";" or "#" are comments; of duplicate keys the first counts.
#include <QByteArray>
#include <QList>

class tcProfileFile {
 public:
  tcProfileFile() = default;
  explicit tcProfileFile(const QByteArray& bytes);

  // True and the value when the key exists in the section.
  bool value(const QByteArray& section, const QByteArray& key, QByteArray* out) const;
  // Sets the key, creating section and key when absent. Returns -1 (and changes
  // nothing) for names or values that one line could not hold.
  int set_value(const QByteArray& section, const QByteArray& key, const QByteArray& value);

  QByteArray bytes() const;

 private:
  // Index of the section's header line, -1 when absent.
  int find_section(const QByteArray& section) const;
  // Index of the key's line within the section starting at line `header`, -1 when absent.
  int find_key(int header, const QByteArray& key) const;
  int section_end(int header) const;

  QList<QByteArray> lines_;
};
