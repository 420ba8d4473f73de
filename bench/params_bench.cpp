// The parameter model's hot paths, each beside the plain memory work it stands
// on: an engineering-to-raw conversion through a value table beside a binary
// search of a table of the same size, a whole-set copy beside a copy of the
// same bytes, the three group check sums beside a CRC-32 of the set's values,
// and a preset file written to bytes and read back beside a copy of those bytes.
#include <benchmark/benchmark.h>

#include <QByteArray>
#include <algorithm>
#include <cstring>
#include <vector>

#include "app/core/tcCrc32.h"
#include "bench/tcBaseline.h"
#include "params/SETTINGS.h"
#include "params/tcParamTable.h"
#include "params/tcPresetFile.h"
#include "params/tcPresetHeader.h"

namespace {

constexpr uint16_t kDrive = 0x1407;  // a gain-table parameter

// The bytes of a set's values: four per preset parameter.
size_t value_bytes() {
  return static_cast<size_t>(tcParamTable::kPresetCount) * sizeof(uint32_t);
}

void BM_EngToRawThroughTable(benchmark::State& state) {
  const SETTINGS set;
  std::vector<float> sorted(256);
  for (size_t i = 0; i < sorted.size(); ++i) sorted[i] = -40.0f + 0.25f * static_cast<float>(i);
  float value = -12.0f;
  const tcBaseline search("search", [&] {
    benchmark::DoNotOptimize(std::lower_bound(sorted.begin(), sorted.end(), value));
  });
  for (auto _ : state) {
    benchmark::DoNotOptimize(set.eng_to_raw(kDrive, value));
    value = value > 6.0f ? -12.0f : value + 0.37f;
  }
  search.report(state);
}
BENCHMARK(BM_EngToRawThroughTable);

void BM_CopyWholeSet(benchmark::State& state) {
  SETTINGS from, to;
  from.set_float(kDrive, -3.0f, kSourceSilent);
  std::vector<char> a(value_bytes()), b(value_bytes());
  const tcBaseline copy("memcpy", [&] {
    std::memcpy(b.data(), a.data(), a.size());
    benchmark::ClobberMemory();
  });
  for (auto _ : state) benchmark::DoNotOptimize(tcSettings::copy(&from, &to, 0));
  copy.report(state);
}
BENCHMARK(BM_CopyWholeSet)->Unit(benchmark::kMicrosecond);

void BM_ThreeCheckSums(benchmark::State& state) {
  const SETTINGS set;
  uint16_t count = 0;
  const std::vector<char> values(value_bytes());
  const tcBaseline crc(
      "crc32", [&] { benchmark::DoNotOptimize(tcCrc32::compute(values.data(), values.size())); });
  for (auto _ : state) {
    benchmark::DoNotOptimize(set.checksum(tcSettings::kNormal, &count));
    benchmark::DoNotOptimize(set.checksum(tcSettings::kIo, &count));
    benchmark::DoNotOptimize(set.checksum(tcSettings::kSecret, &count));
  }
  crc.report(state);
}
BENCHMARK(BM_ThreeCheckSums)->Unit(benchmark::kMicrosecond);

void BM_PresetWriteAndRead(benchmark::State& state) {
  SETTINGS set, back;
  tcPresetHeader header, read;
  header.set_name("Morning Drive");
  const QByteArray file = tcPresetFile::encode(header, set, 0x5F000000u);
  std::vector<char> copy_to(static_cast<size_t>(file.size()));
  const tcBaseline copy("memcpy", [&] {
    std::memcpy(copy_to.data(), file.constData(), copy_to.size());
    benchmark::ClobberMemory();
  });
  for (auto _ : state) {
    const QByteArray bytes = tcPresetFile::encode(header, set, 0x5F000000u);
    benchmark::DoNotOptimize(tcPresetFile::load_bytes(bytes, &read, &back));
  }
  copy.report(state);
}
BENCHMARK(BM_PresetWriteAndRead)->Unit(benchmark::kMicrosecond);

}  // namespace
