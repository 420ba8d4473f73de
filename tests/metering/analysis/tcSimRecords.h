#pragma once
// Meter records as the simulated processor sends them, one every 101 ms, with
// the analysis type and chain the console asked for.
#include <array>

#include "link/protocol/tcMeterRecord.h"
#include "tools/simulator/tcSimMeters.h"
#include "tools/simulator/tcSimState.h"

class tcSimRecords {
 public:
  static constexpr double kPeriod = 0.101;

  // A processor with every stage in, so that every meter moves.
  tcSimRecords() {
    for (uint16_t id : {0x1400, 0x1401, 0x1440, 0x1500, 0x1601, 0x161D, 0x1700, 0x1802})
      state_.bank(0).set->set_int(id, 1, 0);
  }

  tcMeterRecord next(int type, int chain) {
    state_.globals().set_int(tcSimState::kAnalysisId, static_cast<uint32_t>(type), 0);
    state_.globals().set_int(tcSimState::kAnalysisChainId, static_cast<uint32_t>(chain), 0);
    std::array<uint8_t, tcMeterRecord::kSize> bytes{};
    meters_.build(bytes.data(), t_, 0, state_, 1765000000);
    t_ += kPeriod;
    tcMeterRecord r;
    r.decode(bytes.data(), bytes.size());
    return r;
  }

 private:
  tcSimState state_;
  tcSimMeters meters_;
  double t_ = 10.0;
};
