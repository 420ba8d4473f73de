// Meter records come straight off the network: whatever arrives must be either
// decoded within its 684 bytes or refused.
#include <cstddef>
#include <cstdint>

#include "link/protocol/tcMeterRecord.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  tcMeterRecord record;
  const bool whole = tcMeterRecord::is_record(data, size);
  if ((record.decode(data, size) == 0) != whole) __builtin_trap();
  if (!whole) {
    // A refused record leaves the decoder as it was: all zero.
    for (size_t i = 0; i < tcMeterRecord::kSize; ++i) {
      if (record.byte(i) != 0) __builtin_trap();
    }
    return 0;
  }
  unsigned sum = record.format() + record.request_tag() + record.year() + record.month() +
                 record.day() + record.weekday() + record.hour() + record.minute() +
                 record.second() + record.sntp_mode() + record.sntp_server()[3] +
                 static_cast<unsigned>(record.time_zone_offset()) + record.analysis()[0];
  for (size_t i = 0; i <= tcMeterRecord::kMetersSize; ++i) sum += record.meter(i);
  if (!record.same_clock(record)) __builtin_trap();
  if (record.byte(tcMeterRecord::kSize) != 0) __builtin_trap();
  volatile unsigned sink = sum;  // keeps the reads
  (void)sink;
  return 0;
}
