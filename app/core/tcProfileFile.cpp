#include "app/core/tcProfileFile.h"

namespace {

bool same_name(const QByteArray& a, const QByteArray& b) {
  return a.compare(b, Qt::CaseInsensitive) == 0;
}

// The section name of a header line, or false for any other line.
bool header_name(const QByteArray& line, QByteArray* name) {
  const QByteArray t = line.trimmed();
  if (!t.startsWith('[')) return false;
  const int close = t.indexOf(']');
  if (close < 0) return false;
  *name = t.mid(1, close - 1).trimmed();
  return true;
}

bool is_comment(const QByteArray& trimmed) {
  return trimmed.startsWith(';') || trimmed.startsWith('#');
}

// Key and value of a "key=value" line.
bool key_value(const QByteArray& line, QByteArray* key, QByteArray* value) {
  const QByteArray t = line.trimmed();
  if (t.isEmpty() || is_comment(t)) return false;
  const int eq = t.indexOf('=');
  if (eq <= 0) return false;
  *key = t.left(eq).trimmed();
  QByteArray v = t.mid(eq + 1).trimmed();
  if (v.size() >= 2 && v.startsWith('"') && v.endsWith('"')) v = v.mid(1, v.size() - 2);
  if (value) *value = v;
  return true;
}

bool fits_one_line(const QByteArray& text) {
  return !text.contains('\n') && !text.contains('\r');
}

}  // namespace

tcProfileFile::tcProfileFile(const QByteArray& bytes) {
  lines_ = bytes.split('\n');
  if (!lines_.isEmpty() && lines_.last().isEmpty()) lines_.removeLast();
  for (QByteArray& line : lines_) {
    if (line.endsWith('\r')) line.chop(1);
  }
}

int tcProfileFile::find_section(const QByteArray& section) const {
  QByteArray name;
  for (int i = 0; i < lines_.size(); ++i) {
    if (header_name(lines_[i], &name) && same_name(name, section)) return i;
  }
  return -1;
}

int tcProfileFile::section_end(int header) const {
  QByteArray name;
  int i = header + 1;
  while (i < lines_.size() && !header_name(lines_[i], &name)) ++i;
  return i;
}

int tcProfileFile::find_key(int header, const QByteArray& key) const {
  const int end = section_end(header);
  QByteArray name;
  for (int i = header + 1; i < end; ++i) {
    if (key_value(lines_[i], &name, nullptr) && same_name(name, key)) return i;
  }
  return -1;
}

bool tcProfileFile::value(const QByteArray& section, const QByteArray& key, QByteArray* out) const {
  const int header = find_section(section);
  if (header < 0) return false;
  const int line = find_key(header, key);
  if (line < 0) return false;
  QByteArray name;
  return key_value(lines_[line], &name, out);
}

int tcProfileFile::set_value(const QByteArray& section, const QByteArray& key,
                             const QByteArray& value) {
  const QByteArray s = section.trimmed();
  const QByteArray k = key.trimmed();
  if (s.isEmpty() || k.isEmpty() || s.contains(']') || k.contains('=') || k.startsWith('[') ||
      is_comment(k) || !fits_one_line(s) || !fits_one_line(k) || !fits_one_line(value)) {
    return -1;
  }
  const QByteArray line = k + '=' + value;
  int header = find_section(s);
  if (header < 0) {
    lines_.append('[' + s + ']');
    lines_.append(line);
    return 0;
  }
  const int at = find_key(header, k);
  if (at >= 0) {
    lines_[at] = line;
    return 0;
  }
  // After the section's last non-blank line, so that a blank separator stays.
  int end = section_end(header);
  while (end - 1 > header && lines_[end - 1].trimmed().isEmpty()) --end;
  lines_.insert(end, line);
  return 0;
}

QByteArray tcProfileFile::bytes() const {
  QByteArray out;
  for (const QByteArray& line : lines_) out.append(line).append('\n');
  return out;
}
