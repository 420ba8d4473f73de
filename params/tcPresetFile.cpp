#include "params/tcPresetFile.h"

#include <QDateTime>
#include <QFile>
#include <cmath>
#include <cstring>

#include "app/core/tcAtomicFile.h"
#include "params/MAP_TYPE.h"
#include "params/tcParamTable.h"

namespace {

int preset_type(uint16_t id) {
  return tcParamTable::presets().type_of(id);
}

// Enough for the text line and the binary header parts, the most a header read needs.
constexpr qint64 kHeaderBytes =
    tcPresetFileCodec::kLineLimit + tcPresetFileCodec::kCommonHeaderSize + 2;

bool read_file(const QString& path, qint64 limit, QByteArray* bytes) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return false;
  *bytes = file.read(limit);
  return true;
}

void fill_header(const tcPresetFileImage& image, tcPresetHeader* header) {
  header->clear();
  header->set_name(image.name.constData());
  header->word_a = image.word_a;
  header->word_b = image.word_b;
  std::memcpy(header->text_a, image.text_a.data(), sizeof header->text_a);
  std::memcpy(header->text_b, image.text_b.data(), sizeof header->text_b);
  header->map_version = image.map_version;
}

}  // namespace

int tcPresetFile::decode(const QByteArray& bytes, tcPresetFileCodec::Scope scope,
                         tcPresetFileImage* image, tcPresetHeader* header) {
  header->clear();
  const int result = tcPresetFileCodec::decode(bytes, scope, preset_type, image);
  if (result == tcPresetFileCodec::kOk) fill_header(*image, header);
  return result;
}

void tcPresetFile::apply(const tcPresetFileImage& image, tcSettings* set) {
  for (const tcPresetFileImage::Record& record : image.records) {
    switch (set->type(record.id)) {
      case MAP_TYPE::kFloat: {
        // A NaN or infinity from a damaged file has no place in any range.
        const float value = tcPresetFileCodec::float_of(record.value);
        if (std::isfinite(value)) set->set_float(record.id, value, kSourceLoaded);
        break;
      }
      case MAP_TYPE::kInt:
        set->set_int(record.id, record.value, kSourceLoaded);
        break;
      case MAP_TYPE::kBool:
        set->set_bool(record.id, record.value != 0 ? 1 : 0, kSourceLoaded);
        break;
      default:
        break;  // unknown ids are skipped
    }
  }
}

int tcPresetFile::read_header_bytes(const QByteArray& bytes, tcPresetHeader* header) {
  tcPresetFileImage image;
  return decode(bytes, tcPresetFileCodec::kHeaderOnly, &image, header);
}

int tcPresetFile::load_bytes(const QByteArray& bytes, tcPresetHeader* header, tcSettings* set) {
  tcPresetFileImage image;
  const int result = decode(bytes, tcPresetFileCodec::kWhole, &image, header);
  if (result != tcPresetFileCodec::kOk) return result;
  apply(image, set);
  header->take_checksums(*set);
  header->present = 1;
  return result;
}

int tcPresetFile::read_header(const QString& path, tcPresetHeader* header) {
  QByteArray bytes;
  if (!read_file(path, kHeaderBytes, &bytes)) {
    header->clear();
    return tcPresetFileCodec::kOk;
  }
  return read_header_bytes(bytes, header);
}

int tcPresetFile::load(const QString& path, tcPresetHeader* header, tcSettings* set) {
  const int result = load_checked(path, header, set);
  if (result != kUnreadable) return result;
  header->clear();
  header->take_checksums(*set);
  header->present = 1;
  return tcPresetFileCodec::kOk;
}

int tcPresetFile::load_checked(const QString& path, tcPresetHeader* header, tcSettings* set) {
  QByteArray bytes;
  if (!read_file(path, kSizeLimit + 1, &bytes)) return kUnreadable;
  if (bytes.size() > kSizeLimit) {
    header->clear();
    return tcPresetFileCodec::kNotPreset;
  }
  return load_bytes(bytes, header, set);
}

QByteArray tcPresetFile::encode(const tcPresetHeader& header, const tcSettings& set,
                                uint32_t created) {
  tcPresetFileImage image;
  image.name = QByteArray(header.name, static_cast<int>(strnlen(header.name, sizeof header.name)));
  image.created = created;
  std::memcpy(image.text_a.data(), header.text_a, sizeof header.text_a);
  std::memcpy(image.text_b.data(), header.text_b, sizeof header.text_b);
  image.map_version = header.map_version;
  const tcParamTable& table = set.table();
  image.records.reserve(static_cast<size_t>(table.count()));
  // One snapshot: the link thread may be writing the set meanwhile.
  tcMutexHold hold(set.mutex());
  for (int n = 0; n < table.count(); ++n) {
    const tcParamRow& row = table.rows()[n];
    tcPresetFileImage::Record record;
    record.id = row.id;
    if (row.type == MAP_TYPE::kFloat) {
      record.value = tcPresetFileCodec::bits_of(set.eng(row.id));
    } else if (row.type == MAP_TYPE::kInt) {
      record.value = set.int_value(row.id);
    } else {
      record.value = set.bool_value(row.id);
    }
    image.records.push_back(record);
  }
  return tcPresetFileCodec::encode(image);
}

int tcPresetFile::write(const tcPresetHeader& header, const tcSettings& set, const QString& path,
                        QString* reason) {
  const auto now = static_cast<uint32_t>(QDateTime::currentSecsSinceEpoch() & 0xFFFFFFFF);
  return tcAtomicFile::write(path, encode(header, set, now), reason);
}
