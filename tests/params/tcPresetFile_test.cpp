#include "params/tcPresetFile.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstring>
#include <limits>
#include <random>

#include "params/SETTINGS.h"
#include "params/tcPresetFileTexts.h"
#include "params/tcRc4.h"
#include "tests/params/tcPresetFileGolden.h"
#include "tests/support/tcFileSizeLimit.h"

namespace {

// Every parameter somewhere in its raw range, the same each run.
void scramble(SETTINGS* set) {
  std::mt19937 random(770);
  for (uint16_t id = set->first_id(); id != tcParamTable::kEndId; id = set->next_id(id)) {
    const MAP_TYPE* map = set->map(id);
    std::uniform_int_distribution<uint32_t> pick(map->raw_min(), map->raw_max());
    set->set_raw(id, pick(random), kSourceSilent);
  }
}

void expect_same_values(const SETTINGS& a, const SETTINGS& b) {
  for (uint16_t id = a.first_id(); id != tcParamTable::kEndId; id = a.next_id(id)) {
    EXPECT_EQ(a.raw(id), b.raw(id)) << std::hex << id;
  }
}

void put(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

QByteArray get(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct Reports {
  int loaded = 0;
  int other = 0;
  static void count(void* context, uint16_t, uint16_t, int source) {
    auto* self = static_cast<Reports*>(context);
    (source == kSourceLoaded ? self->loaded : self->other)++;
  }
};

}  // namespace

TEST(tcPresetFile, WritesDefaultsInTableOrder) {
  SETTINGS set;
  tcPresetHeader header;
  header.set_name("Golden");
  const QByteArray bytes = tcPresetFile::encode(header, set, 0x12345678);
  const QByteArray start = golden::defaults_start();
  EXPECT_EQ(bytes.left(start.size()).toHex(), start.toHex());
  const int line = bytes.indexOf('\n') + 1;
  ASSERT_EQ(bytes.size(), line + 94 + 457 * 6);

  // Every record, deciphered, carries the next table id and its default.
  QByteArray body = bytes.mid(line);
  tcRc4::preset().apply(reinterpret_cast<uint8_t*>(body.data()), static_cast<size_t>(body.size()));
  const tcParamTable& table = tcParamTable::presets();
  for (int n = 0; n < table.count(); ++n) {
    const tcParamRow& row = table.rows()[n];
    uint16_t id = 0;
    uint32_t value = 0;
    std::memcpy(&id, body.constData() + 94 + 6 * n, 2);
    std::memcpy(&value, body.constData() + 96 + 6 * n, 4);
    ASSERT_EQ(id, row.id) << n;
    if (row.type == MAP_TYPE::kFloat) {
      EXPECT_EQ(tcPresetFileCodec::float_of(value), set.eng(row.id)) << std::hex << row.id;
    } else {
      EXPECT_EQ(value, set.int_value(row.id)) << std::hex << row.id;
    }
  }
}

TEST(tcPresetFile, RoundTripKeepsEveryRawValueAndTheTextFields) {
  SETTINGS written;
  scramble(&written);
  tcPresetHeader header;
  header.set_name("Round Trip");
  header.map_version = 17;
  header.word_a = 0x11111111;
  header.word_b = 0x22222222;
  for (int n = 0; n < tcPresetHeader::kTextSize; ++n) {
    header.text_a[n] = static_cast<uint8_t>(0xF0 + n);
    header.text_b[n] = static_cast<uint8_t>(n * 7);
  }

  SETTINGS read;
  Reports reports;
  read.set_callback(&Reports::count, &reports);
  tcPresetHeader loaded;
  ASSERT_EQ(tcPresetFile::load_bytes(tcPresetFile::encode(header, written, 1), &loaded, &read), 0);
  expect_same_values(written, read);
  EXPECT_GT(reports.loaded, 0);
  EXPECT_EQ(reports.other, 0);

  EXPECT_STREQ(loaded.name_text().c_str(), "Round Trip");
  EXPECT_EQ(loaded.map_version, 17);
  EXPECT_EQ(loaded.present, 1);
  EXPECT_EQ(loaded.word_a, 0u);
  EXPECT_EQ(loaded.word_b, 0u);
  EXPECT_EQ(std::memcmp(loaded.text_a, header.text_a, sizeof header.text_a), 0);
  EXPECT_EQ(std::memcmp(loaded.text_b, header.text_b, sizeof header.text_b), 0);
  tcPresetHeader sums;
  sums.take_checksums(written);
  EXPECT_EQ(std::memcmp(loaded.check, sums.check, sizeof sums.check), 0);
  EXPECT_EQ(loaded.count[tcPresetHeader::kNormal], 406);
}

TEST(tcPresetFile, ReadsTheOlderBinaryForm) {
  SETTINGS set;
  tcPresetHeader header;
  ASSERT_EQ(tcPresetFile::load_bytes(golden::older(), &header, &set), 0);
  EXPECT_STREQ(header.name_text().c_str(), "Old Rock");
  EXPECT_EQ(header.map_version, 0);
  EXPECT_STREQ(tcPresetFileTexts::map_version_text(header.map_version).c_str(), "Legacy Preset");
  EXPECT_EQ(header.word_a, 0xA1A2A3A4u);
  EXPECT_EQ(set.raw(0x1001), set.eng_to_raw(0x1001, -6.5f));
  EXPECT_EQ(set.bool_value(0x1005), 1);
  EXPECT_EQ(set.int_value(0x1300), 1u);
}

TEST(tcPresetFile, RefusalsLeaveTheSetAlone) {
  const SETTINGS defaults;
  const QByteArray line_only("QUESSA TK9000 SG PRESET:Cut: \n");
  const QByteArray cases[] = {QByteArray("MZ\x90\x00", 4), QByteArray(), line_only,
                              golden::current().left(line_only.size() + 93)};
  const int results[] = {1, 1, 2, 2};
  for (int n = 0; n < 4; ++n) {
    SETTINGS set;
    tcPresetHeader header;
    EXPECT_EQ(tcPresetFile::load_bytes(cases[n], &header, &set), results[n]) << n;
    EXPECT_EQ(header.present, 0) << n;
    expect_same_values(defaults, set);
  }
}

TEST(tcPresetFile, NonFiniteFloatsAreSkipped) {
  tcPresetFileImage image;
  image.records = {{0x1001, tcPresetFileCodec::bits_of(std::numeric_limits<float>::quiet_NaN())},
                   {0x1008, tcPresetFileCodec::bits_of(std::numeric_limits<float>::infinity())},
                   {0x1002, tcPresetFileCodec::bits_of(6.0f)}};
  SETTINGS set;
  tcPresetHeader header;
  ASSERT_EQ(tcPresetFile::load_bytes(tcPresetFileCodec::encode(image), &header, &set), 0);
  EXPECT_EQ(set.eng(0x1001), 0.0f);
  EXPECT_EQ(set.eng(0x1008), 0.0f);
  EXPECT_EQ(set.eng(0x1002), 6.0f);
}

class tcPresetFileDisk : public ::testing::Test {
 protected:
  QString path(const char* name) const { return QDir(dir_.path()).filePath(name); }
  QTemporaryDir dir_;
};

TEST_F(tcPresetFileDisk, WriteThenLoadAndReadHeader) {
  SETTINGS written;
  scramble(&written);
  tcPresetHeader header;
  header.set_name("On Disk");
  ASSERT_EQ(tcPresetFile::write(header, written, path("a.qx770x")), 0);

  tcPresetHeader only;
  ASSERT_EQ(tcPresetFile::read_header(path("a.qx770x"), &only), 0);
  EXPECT_STREQ(only.name_text().c_str(), "On Disk");
  EXPECT_EQ(only.map_version, 0xFFFF);

  SETTINGS read;
  tcPresetHeader loaded;
  ASSERT_EQ(tcPresetFile::load(path("a.qx770x"), &loaded, &read), 0);
  expect_same_values(written, read);
}

TEST_F(tcPresetFileDisk, MissingFileLoadsAsEmptySuccess) {
  SETTINGS set;
  set.set_float(0x1001, 3.0f, kSourceSilent);
  tcPresetHeader header;
  EXPECT_EQ(tcPresetFile::load(path("none.qx770x"), &header, &set), 0);
  EXPECT_STREQ(header.name_text().c_str(), "");
  EXPECT_EQ(header.present, 1);
  EXPECT_EQ(set.eng(0x1001), 3.0f);
  EXPECT_EQ(tcPresetFile::read_header(path("none.qx770x"), &header), 0);
}

TEST_F(tcPresetFileDisk, FailedWriteKeepsTheOldFile) {
  SETTINGS set;
  tcPresetHeader header;
  header.set_name("Old");
  ASSERT_EQ(tcPresetFile::write(header, set, path("keep.qx770x")), 0);
  const QByteArray before = get(path("keep.qx770x"));

  header.set_name("New");
  int result = 0;
  {
    const tcFileSizeLimit cut_short(100);
    result = tcPresetFile::write(header, set, path("keep.qx770x"));
  }

  EXPECT_EQ(result, -1);
  EXPECT_EQ(get(path("keep.qx770x")), before);
  EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList({"keep.qx770x"}));
  EXPECT_EQ(tcPresetFile::write(header, set, path("no/such/folder.qx770x")), -1);
}

TEST_F(tcPresetFileDisk, OversizedFileIsNotAPreset) {
  put(path("big.qx770x"), golden::current() + QByteArray(tcPresetFile::kSizeLimit, '\0'));
  SETTINGS set;
  tcPresetHeader header;
  EXPECT_EQ(tcPresetFile::load(path("big.qx770x"), &header, &set), 1);
  // The header alone still reads: it needs only the start of the file.
  EXPECT_EQ(tcPresetFile::read_header(path("big.qx770x"), &header), 0);
}
