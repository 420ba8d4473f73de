#include "metering/meters/tcMeterInputs.h"

#include <algorithm>

#include "link/protocol/tcMeterRecord.h"

namespace {

// Record bytes of each chain; -1 where the chain has no such stage.
struct ChainBytes {
  int vbms;
  int bands;       // 31 bytes
  int bands_clip;  // 31 more, the smaller of the two is shown; -1 none
  int final_l;     // with final_l + 1
  int mpx_l;       // with mpx_l + 1
  int bs412;
};

constexpr ChainBytes kChains[2] = {
    {82, 83, 114, 78, 80, 183},   // FM
    {151, 152, -1, 149, -1, -1},  // HD: no MPX, no BS.412
};
constexpr int kSst = 69;
constexpr int kBandMain = 59;
constexpr int kBandMarker = 64;
constexpr int kBands = 5;

// Record bytes of the VU meters A to D: main L, R then marker L, R.
constexpr int kVuMeters[4] = {46, 74, 70, 145};

uint8_t smaller(const tcMeterRecord& r, int a, int b) {
  return std::min(r.byte(a), r.byte(b));
}

}  // namespace

tcMeterInputs::Gr tcMeterInputs::gr(const tcMeterRecord& r, int chain) {
  const ChainBytes& c = kChains[chain == 1 ? 1 : 0];
  Gr in;
  in[kGrSst] = r.byte(kSst);
  for (int b = 0; b < kBands; ++b) {
    in[kGrBandMain + b] = r.byte(kBandMain + b);
    in[kGrBandMarker + b] = r.byte(kBandMarker + b);
  }
  in[kGrVbms] = r.byte(c.vbms);
  for (int i = 0; i < kMultibands; ++i)
    in[kGrMultiband + i] =
        c.bands_clip < 0 ? r.byte(c.bands + i) : smaller(r, c.bands + i, c.bands_clip + i);
  in[kGrFinal] = smaller(r, c.final_l, c.final_l + 1);
  in[kGrMpx] = c.mpx_l < 0 ? tcMeterRecord::kNoValue : smaller(r, c.mpx_l, c.mpx_l + 1);
  in[kGrBs412] = c.bs412 < 0 ? tcMeterRecord::kNoValue : r.byte(c.bs412);
  return in;
}

tcMeterInputs::Vu tcMeterInputs::vu(const tcMeterRecord& r) {
  Vu in;
  for (int m = 0; m < 4; ++m)
    for (int ch = 0; ch < 2; ++ch) {
      in[m * 2 + ch] = r.byte(kVuMeters[m] + ch);
      in[8 + m * 2 + ch] = r.byte(kVuMeters[m] + 2 + ch);
    }
  return in;
}
