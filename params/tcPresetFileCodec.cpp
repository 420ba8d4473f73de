#include "params/tcPresetFileCodec.h"

#include <cstring>
#include <limits>

#include "app/core/tcLeBytes.h"
#include "params/tcRc4.h"

namespace {

// Fields of a split text line: the first runs to the first colon, the second to
// the next one, the third is the rest.
struct Fields {
  QByteArray first;
  QByteArray second;
  QByteArray rest;
};

// One line as a 1024-byte line buffer reads it: up to and including the line
// feed, at most kLineLimit bytes. Returns false at the end of the data.
bool next_line(const QByteArray& bytes, int* pos, QByteArray* line) {
  if (*pos >= bytes.size()) return false;
  const int limit = qMin(bytes.size() - *pos, tcPresetFileCodec::kLineLimit);
  const char* start = bytes.constData() + *pos;
  const void* feed = std::memchr(start, '\n', static_cast<size_t>(limit));
  const int taken = feed ? static_cast<int>(static_cast<const char*>(feed) - start) + 1 : limit;
  *line = QByteArray(start, taken);
  *pos += taken;
  return true;
}

Fields split(const QByteArray& line) {
  int end = 0;
  while (end < line.size() && line[end] != '\0' && line[end] != '\r' && line[end] != '\n') ++end;
  const QByteArray text = line.left(end);
  Fields fields;
  const int first = text.indexOf(':');
  if (first < 0) {
    fields.first = text;
    return fields;
  }
  fields.first = text.left(first);
  const int second = text.indexOf(':', first + 1);
  if (second < 0) {
    fields.second = text.mid(first + 1);
    return fields;
  }
  fields.second = text.mid(first + 1, second - first - 1);
  fields.rest = text.mid(second + 1);
  return fields;
}

int skip_blanks(const QByteArray& text, int pos) {
  while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) ++pos;
  return pos;
}

int skip_digits(const QByteArray& text, int pos) {
  while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') ++pos;
  return pos;
}

// Leading blanks, a sign and digits, like a C decimal conversion; saturates
// instead of overflowing. No digits reads as 0.
int64_t leading_integer(const QByteArray& text) {
  int pos = skip_blanks(text, 0);
  const bool negative = pos < text.size() && text[pos] == '-';
  if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) ++pos;
  int64_t value = 0;
  constexpr int64_t kLimit = std::numeric_limits<int64_t>::max() / 10 - 1;
  for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos) {
    if (value < kLimit) value = value * 10 + (text[pos] - '0');
  }
  return negative ? -value : value;
}

// The longest leading decimal number ("-6.5", "1e3"), independent of the
// process locale; no number reads as 0.
double leading_float(const QByteArray& text) {
  const int begin = skip_blanks(text, 0);
  int pos = begin;
  if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) ++pos;
  pos = skip_digits(text, pos);
  if (pos < text.size() && text[pos] == '.') pos = skip_digits(text, pos + 1);
  if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
    int exp = pos + 1;
    if (exp < text.size() && (text[exp] == '-' || text[exp] == '+')) ++exp;
    const int exp_end = skip_digits(text, exp);
    if (exp_end > exp) pos = exp_end;
  }
  bool ok = false;
  const double value = text.mid(begin, pos - begin).toDouble(&ok);
  return ok ? value : 0.0;
}

void put_complemented(QByteArray* out, const uint8_t* field, int length) {
  for (int n = 0; n < length; ++n) out->append(static_cast<char>(~field[n]));
}

void get_complemented(const uint8_t* p, uint8_t* field, int length) {
  for (int n = 0; n < length; ++n) field[n] = static_cast<uint8_t>(~p[n]);
}

// The name as the text line may carry it: a line break would end the line early
// and shift the key stream, so it becomes a blank.
QByteArray line_name(const QByteArray& name) {
  QByteArray text = name.left(tcPresetFileImage::kNameLength);
  const int zero = text.indexOf('\0');
  if (zero >= 0) text.truncate(zero);
  for (char& c : text) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  return text;
}

int decode_text(const QByteArray& bytes, int pos, tcPresetFileCodec::Scope scope,
                const tcPresetFileCodec::TypeOf& type_of, tcPresetFileImage* image) {
  if (scope == tcPresetFileCodec::kHeaderOnly) return tcPresetFileCodec::kOk;
  QByteArray line;
  while (next_line(bytes, &pos, &line)) {
    const Fields fields = split(line);
    const auto id = static_cast<uint16_t>(leading_integer(fields.first));
    if (id == 0) continue;
    const int type = type_of ? type_of(id) : -1;
    tcPresetFileImage::Record record;
    record.id = id;
    if (type == 1) {
      record.value = tcPresetFileCodec::bits_of(static_cast<float>(leading_float(fields.second)));
    } else if (type == 2 || type == 3) {
      record.value = static_cast<uint32_t>(leading_integer(fields.second));
    } else {
      continue;  // unknown ids are skipped when applied anyway
    }
    image->records.push_back(record);
  }
  return tcPresetFileCodec::kOk;
}

int decode_binary(const QByteArray& bytes, int pos, tcPresetFileCodec::Scope scope,
                  tcPresetFileImage* image) {
  const bool has_version = image->form == tcPresetFileImage::kCurrent;
  const int header_size = tcPresetFileCodec::kCommonHeaderSize + (has_version ? 2 : 0);
  const int available = bytes.size() - pos;
  if (available < header_size) return tcPresetFileCodec::kTruncated;
  const int body = scope == tcPresetFileCodec::kHeaderOnly ? header_size : available;
  QByteArray plain = bytes.mid(pos, body);
  auto* p = reinterpret_cast<uint8_t*>(plain.data());
  tcRc4::preset().apply(p, static_cast<size_t>(plain.size()));

  image->created = tcLeBytes::get_u32(p);
  image->word_a = tcLeBytes::get_u32(p + 4);
  image->word_b = tcLeBytes::get_u32(p + 8);
  constexpr int kField = tcPresetFileImage::kTextFieldLength;
  get_complemented(p + 12, image->text_a.data(), kField);
  get_complemented(p + 12 + kField, image->text_b.data(), kField);
  image->map_version =
      has_version ? tcLeBytes::get_u16(p + tcPresetFileCodec::kCommonHeaderSize) : 0;

  for (int at = header_size; at + tcPresetFileCodec::kRecordSize <= body;
       at += tcPresetFileCodec::kRecordSize) {
    tcPresetFileImage::Record record;
    record.id = tcLeBytes::get_u16(p + at);
    record.value = tcLeBytes::get_u32(p + at + 2);
    if (record.id != 0) image->records.push_back(record);
  }
  return tcPresetFileCodec::kOk;
}

}  // namespace

uint32_t tcPresetFileCodec::bits_of(float value) {
  uint32_t bits = 0;
  std::memcpy(&bits, &value, sizeof bits);
  return bits;
}

float tcPresetFileCodec::float_of(uint32_t bits) {
  float value = 0;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

QByteArray tcPresetFileCodec::encode(const tcPresetFileImage& image) {
  QByteArray out;
  out.reserve(64 + kCommonHeaderSize + 2 + kRecordSize * static_cast<int>(image.records.size()));
  out.append(kMagic);
  out.append(':');
  out.append(line_name(image.name));
  out.append(": \n");
  const int body = out.size();

  tcLeBytes::append_u32(out, image.created);
  tcLeBytes::append_u32(out, 0);  // words A and B are not ours to carry forward
  tcLeBytes::append_u32(out, 0);
  put_complemented(&out, image.text_a.data(), tcPresetFileImage::kTextFieldLength);
  put_complemented(&out, image.text_b.data(), tcPresetFileImage::kTextFieldLength);
  tcLeBytes::append_u16(out, image.map_version);
  for (const tcPresetFileImage::Record& record : image.records) {
    tcLeBytes::append_u16(out, record.id);
    tcLeBytes::append_u32(out, record.value);
  }
  tcRc4::preset().apply(reinterpret_cast<uint8_t*>(out.data()) + body,
                        static_cast<size_t>(out.size() - body));
  return out;
}

int tcPresetFileCodec::decode(const QByteArray& bytes, Scope scope, const TypeOf& type_of,
                              tcPresetFileImage* image) {
  *image = tcPresetFileImage();
  int pos = 0;
  QByteArray line;
  if (!next_line(bytes, &pos, &line)) return kNotPreset;
  const Fields fields = split(line);
  if (fields.first == kMagic) {
    image->form = tcPresetFileImage::kCurrent;
  } else if (fields.first == kOlderMagic) {
    image->form = tcPresetFileImage::kOlderBinary;
  } else if (fields.first == kTextMagic) {
    image->form = tcPresetFileImage::kText;
  } else {
    return kNotPreset;
  }
  image->name = fields.second.left(tcPresetFileImage::kNameLength);
  if (image->form == tcPresetFileImage::kText)
    return decode_text(bytes, pos, scope, type_of, image);
  const int result = decode_binary(bytes, pos, scope, image);
  if (result != kOk) *image = tcPresetFileImage();
  return result;
}
