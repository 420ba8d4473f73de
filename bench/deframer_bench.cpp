// Deframer throughput beside a plain copy of the same bytes, both in the
// transport's 8192-byte receive blocks.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "bench/tcBaseline.h"
#include "link/protocol/tcApCodec.h"
#include "link/protocol/tcIddApGui.h"

namespace {

constexpr size_t kBlock = 8192;

class CountingDeframer : public tcIddApGui::tcCmndRecvState {
 public:
  size_t frames = 0;

 protected:
  void handle_message(uint32_t, uint32_t, const uint8_t* frame) override {
    frames += frame[4];
    benchmark::DoNotOptimize(frames);
  }
};

// About 1 MB of full bank-parameter frames with a few meter messages between.
const std::vector<uint8_t>& stream() {
  static const std::vector<uint8_t> bytes = [] {
    std::vector<uint8_t> out;
    ParamRecord recs[tcApCodec::kRecordsPerFrame];
    for (int i = 0; i < tcApCodec::kRecordsPerFrame; ++i)
      recs[i] = ParamRecord::of_float(static_cast<uint16_t>(0x1001 + i), -0.5f * i);
    const tcFrame bank = tcApCodec::bank_params(0, recs, tcApCodec::kRecordsPerFrame);
    uint8_t record[tcApCodec::kMeterRecordSize] = {};
    const tcFrame meter = tcApCodec::meter_record(record);
    while (out.size() < (1u << 20)) {
      out.insert(out.end(), bank.data(), bank.data() + bank.length());
      out.insert(out.end(), meter.data(), meter.data() + meter.length());
    }
    return out;
  }();
  return bytes;
}

void BM_Deframer(benchmark::State& state) {
  const std::vector<uint8_t>& in = stream();
  CountingDeframer deframer;
  std::vector<uint8_t> out(kBlock);
  const tcBaseline copy("memcpy", [&] {
    for (size_t at = 0; at < in.size(); at += kBlock) {
      std::memcpy(out.data(), in.data() + at, std::min(kBlock, in.size() - at));
      benchmark::ClobberMemory();
    }
  });
  for (auto _ : state) {
    for (size_t at = 0; at < in.size(); at += kBlock)
      deframer.recv(in.data() + at, std::min(kBlock, in.size() - at));
  }
  copy.report(state);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * in.size()));
}
BENCHMARK(BM_Deframer);

}  // namespace
