#pragma once
// Events for the scheduler's tests: a weekly one on some days, a long-term one
// on 1 January, each taking a slot.
#include "services/events/tsAPLongEvent.h"
#include "services/events/tsAPWeekEvent.h"

inline tcIddApGui::tsAPEvent week(uint8_t days, uint32_t slot) {
  tcIddApGui::tsAPWeekEvent w;
  w.days = days;
  w.slot = slot;
  return w.encode();
}

inline tcIddApGui::tsAPEvent long_term(uint32_t slot) {
  tcIddApGui::tsAPLongEvent l;
  l.slot = slot;
  return l.encode();
}
