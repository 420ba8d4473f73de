#include "params/tcValueTables.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

namespace {
struct Named {
  tcValueTable table;
  uint32_t index;
  float value;
  const char* label;
};
}  // namespace

TEST(tcValueTables, SizesOrderAndLabels) {
  const struct {
    tcValueTable table;
    uint32_t count;
  } sizes[] = {{tcValueTable::kGain, 256},      {tcValueTable::kTime, 256},
               {tcValueTable::kFrequency, 256}, {tcValueTable::kOctave, 128},
               {tcValueTable::kFullScale, 256}, {tcValueTable::kRatio, 256},
               {tcValueTable::kTrim, 16}};
  for (const auto& s : sizes) {
    SCOPED_TRACE(static_cast<int>(s.table));
    ASSERT_EQ(tcValueTables::count(s.table), s.count);
    const tcMapEntry* e = tcValueTables::entries(s.table);
    std::set<std::string> labels;
    for (uint32_t i = 0; i < s.count; ++i) {
      if (i > 0 && e[i].value != 100.0f) {
        EXPECT_LT(e[i - 1].value, e[i].value) << i;
      }
      if (e[i].value == 100.0f && s.table != tcValueTable::kTime) {
        EXPECT_STREQ(e[i].label, "????????");
        continue;
      }
      if (s.table != tcValueTable::kTrim) {
        EXPECT_EQ(std::strlen(e[i].label), 8u) << i;
      }
      EXPECT_TRUE(labels.insert(e[i].label).second) << e[i].label;
    }
  }
  EXPECT_EQ(tcValueTables::entries(tcValueTable::kNone), nullptr);
  EXPECT_EQ(tcValueTables::count(tcValueTable::kNone), 0u);
}

TEST(tcValueTables, NamedEntries) {
  const Named named[] = {
      {tcValueTable::kGain, 0, -80, "-80.0 dB"},
      {tcValueTable::kGain, 20, -60, "-60.0 dB"},
      {tcValueTable::kGain, 140, 0, " +0.0 dB"},
      {tcValueTable::kGain, 255, 57.5f, "+57.5 dB"},
      {tcValueTable::kTime, 0, 0, "  0.0 mS"},
      {tcValueTable::kTime, 50, 5, "  5.0 mS"},
      {tcValueTable::kTime, 75, 10, " 10.0 mS"},
      {tcValueTable::kTime, 180, 500, "500.0 mS"},
      {tcValueTable::kTime, 205, 1000, "1.000 S "},
      {tcValueTable::kTime, 255, 7000, "7.000 S "},
      {tcValueTable::kFrequency, 0, 16, " 16.0 Hz"},
      {tcValueTable::kFrequency, 1, 16.08f, nullptr},
      {tcValueTable::kFrequency, 50, 66.2f, " 66.2 Hz"},
      {tcValueTable::kFrequency, 100, 272.6f, " 273  Hz"},
      {tcValueTable::kFrequency, 144, 971.5f, " 972  Hz"},
      {tcValueTable::kFrequency, 145, 1000, "1.00 kHz"},
      {tcValueTable::kFrequency, 200, 4896, "4.90 kHz"},
      {tcValueTable::kFrequency, 255, 23972.9f, "24.0 kHz"},
      {tcValueTable::kOctave, 0, 0.10f, "0.10 oct"},
      {tcValueTable::kOctave, 50, 0.70f, "0.70 oct"},
      {tcValueTable::kOctave, 51, 0.73f, nullptr},
      {tcValueTable::kOctave, 53, 0.80f, nullptr},
      {tcValueTable::kOctave, 127, 4.5f, "4.50 oct"},
      {tcValueTable::kFullScale, 140, 0, "  0.0 FS"},
      {tcValueTable::kFullScale, 141, 100, "????????"},
      {tcValueTable::kRatio, 0, 1, "1.00 : 1"},
      {tcValueTable::kRatio, 1, 1.02f, nullptr},
      {tcValueTable::kRatio, 50, 2.69f, nullptr},
      {tcValueTable::kRatio, 100, 7.25f, nullptr},
      {tcValueTable::kRatio, 150, 19.5f, nullptr},
      {tcValueTable::kRatio, 151, 20, "20.0 : 1"},
      {tcValueTable::kRatio, 152, 100, "????????"},
      {tcValueTable::kTrim, 0, -2, "-2"},
      {tcValueTable::kTrim, 8, 2, "+2"},
      {tcValueTable::kTrim, 14, 8, "+8"},
      {tcValueTable::kTrim, 15, 9.5f, "OFF"},
  };
  for (const Named& n : named) {
    const tcMapEntry& e = tcValueTables::entries(n.table)[n.index];
    EXPECT_FLOAT_EQ(e.value, n.value) << static_cast<int>(n.table) << " " << n.index;
    if (n.label) {
      EXPECT_STREQ(e.label, n.label);
    }
  }
}
