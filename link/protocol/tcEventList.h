#pragma once
// The processor's event schedule as last received (message 0x1202, in parts).
// The link fills it on the transport thread; the scheduler dialog copies it out
// on the GUI thread.
#include <vector>

#include "app/core/tcMutex.h"
#include "link/protocol/tcApCodec.h"
#include "link/protocol/tsAPEvent.h"

class tcEventList {
 public:
  static constexpr int kMaxEvents = 1000;

  // Takes one received part. The first event of part 1 starts a new schedule;
  // events past 1000 are dropped. True when the schedule is complete (the last
  // part arrived, or the empty schedule: part 1 of 1 with no events).
  bool take_part(const tcApCodec::EventPart& part);

  std::vector<tcIddApGui::tsAPEvent> events() const;
  int count() const;

 private:
  mutable tcMutex lock_;
  std::vector<tcIddApGui::tsAPEvent> events_;
};
