#include "params/tcParamTable.h"

#include <gtest/gtest.h>

#include <cstring>

#include "app/core/tcCrc32.h"

namespace {
int linear_index(const tcParamTable& t, uint16_t id) {
  for (int i = 0; t.rows()[i].id != tcParamTable::kEndId; ++i)
    if (t.rows()[i].id == id) return i;
  return -1;
}
}  // namespace

TEST(tcParamTable, PresetRowsInOrderWithNumberedRanges) {
  const tcParamTable& t = tcParamTable::presets();
  ASSERT_EQ(t.count(), 457);
  EXPECT_EQ(t.rows()[457].id, 0xFFFF);
  EXPECT_EQ(t.first_id(), 0x1001);
  EXPECT_EQ(t.rows()[1].id, 0x1008);
  EXPECT_EQ(t.rows()[456].id, 0x1940);
  EXPECT_STREQ(t.find(0x1510)->name, "FM MB 01 Lim Thr");
  EXPECT_STREQ(t.find(0x152E)->name, "FM MB 31 Lim Thr");
  EXPECT_STREQ(t.find(0x15AE)->name, "FM MB 31 Timbral");
  EXPECT_STREQ(t.find(0x132B)->name, "DEQ 4 Lift");
  EXPECT_STREQ(t.find(0x1618)->name, "FM TX2");
  EXPECT_STREQ(t.find(0x1918)->name, "Crip F9");
  EXPECT_STREQ(t.find(0x140A)->name, "AGC/Comp Dff Mkup");
  EXPECT_EQ(t.index_of(0x1511), t.index_of(0x1510) + 1);

  // Ids and names in table order, against a digest of the listed table.
  uint32_t crc = tcCrc32::start();
  for (int i = 0; i < t.count(); ++i) {
    const tcParamRow& r = t.rows()[i];
    const uint8_t id[2] = {static_cast<uint8_t>(r.id), static_cast<uint8_t>(r.id >> 8)};
    crc = tcCrc32::update(crc, id, 2);
    crc = tcCrc32::update(crc, r.name, std::strlen(r.name) + 1);
  }
  EXPECT_EQ(tcCrc32::finish(crc), 0x7C858AEEu);
}

TEST(tcParamTable, IndexedLookupAgreesWithLinearScan) {
  for (const tcParamTable* t : {&tcParamTable::presets(), &tcParamTable::globals()}) {
    // The whole id space of both tables and its edges.
    for (uint32_t id = 0x0F00; id <= 0x4100; ++id)
      ASSERT_EQ(t->index_of(static_cast<uint16_t>(id)), linear_index(*t, static_cast<uint16_t>(id)))
          << std::hex << id;
    for (uint16_t id : {0x0000, 0x0001, 0x8000, 0xFFFE, 0xFFFF}) EXPECT_EQ(t->index_of(id), -1);
  }
  const tcParamTable& t = tcParamTable::presets();
  EXPECT_EQ(t.type_of(0x1001), 1);
  EXPECT_EQ(t.type_of(0x1300), 2);
  EXPECT_EQ(t.type_of(0x1005), 3);
  EXPECT_EQ(t.type_of(0x1000), -1);
  EXPECT_EQ(t.type_of(0xFFFF), -1);
  EXPECT_EQ(t.find(0x2000), nullptr);
}

TEST(tcParamTable, IterationAndFlags) {
  const tcParamTable& t = tcParamTable::presets();
  int n = 0, io = 0, secret = 0;
  for (uint16_t id = t.first_id(); id != 0xFFFF; id = t.next_id(id)) {
    ++n;
    const uint8_t f = t.flags_of(id);
    if (f & tcParamTable::kFlagSecret)
      ++secret;
    else if (f & tcParamTable::kFlagFollowIo)
      ++io;
  }
  EXPECT_EQ(n, 457);
  EXPECT_EQ(io, 23);
  EXPECT_EQ(secret, 28);
  EXPECT_EQ(t.next_id(0x1940), 0xFFFF);
  EXPECT_EQ(t.next_id(0x1000), 0xFFFF);
  EXPECT_EQ(t.flags_of(0x1001), tcParamTable::kFlagFollowIo);
  EXPECT_EQ(t.flags_of(0x1901), tcParamTable::kFlagSecret);
  EXPECT_EQ(t.flags_of(0x1234), 0);

  const tcParamTable& g = tcParamTable::globals();
  ASSERT_EQ(g.count(), 16);
  EXPECT_EQ(g.first_id(), 0x2000);
  EXPECT_EQ(g.next_id(0x200D), 0x3000);
  EXPECT_EQ(g.next_id(0x3000), 0x3002);
  EXPECT_EQ(g.next_id(0x3001), 0x4000);
  for (int i = 0; i < g.count(); ++i) EXPECT_EQ(std::strlen(g.rows()[i].name), 8u);
}
