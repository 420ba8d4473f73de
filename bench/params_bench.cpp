// The parameter model's hot paths: an engineering-to-raw conversion through a
// value table, a whole-set copy, the three group check sums, and a preset file
// written to bytes and read back.
#include <benchmark/benchmark.h>

#include <QByteArray>

#include "params/SETTINGS.h"
#include "params/tcPresetFile.h"
#include "params/tcPresetHeader.h"

namespace {

constexpr uint16_t kDrive = 0x1407;  // a gain-table parameter

void BM_EngToRawThroughTable(benchmark::State& state) {
  const SETTINGS set;
  float value = -12.0f;
  for (auto _ : state) {
    benchmark::DoNotOptimize(set.eng_to_raw(kDrive, value));
    value = value > 6.0f ? -12.0f : value + 0.37f;
  }
}
BENCHMARK(BM_EngToRawThroughTable);

void BM_CopyWholeSet(benchmark::State& state) {
  SETTINGS from, to;
  from.set_float(kDrive, -3.0f, kSourceSilent);
  for (auto _ : state) benchmark::DoNotOptimize(tcSettings::copy(&from, &to, 0));
}
BENCHMARK(BM_CopyWholeSet)->Unit(benchmark::kMicrosecond);

void BM_ThreeCheckSums(benchmark::State& state) {
  const SETTINGS set;
  uint16_t count = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(set.checksum(tcSettings::kNormal, &count));
    benchmark::DoNotOptimize(set.checksum(tcSettings::kIo, &count));
    benchmark::DoNotOptimize(set.checksum(tcSettings::kSecret, &count));
  }
}
BENCHMARK(BM_ThreeCheckSums)->Unit(benchmark::kMicrosecond);

void BM_PresetWriteAndRead(benchmark::State& state) {
  SETTINGS set, back;
  tcPresetHeader header, read;
  header.set_name("Morning Drive");
  for (auto _ : state) {
    const QByteArray bytes = tcPresetFile::encode(header, set, 0x5F000000u);
    benchmark::DoNotOptimize(tcPresetFile::load_bytes(bytes, &read, &back));
  }
}
BENCHMARK(BM_PresetWriteAndRead)->Unit(benchmark::kMicrosecond);

}  // namespace
