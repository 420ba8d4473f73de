#include "services/events/tsAPWeekEvent.h"

namespace tcIddApGui {

namespace {
const tcBitMember<tsAPWeekEvent> kFields[] = {
    {tsAPWeekEvent::kDays, &tsAPWeekEvent::days},
    {tsAPWeekEvent::kHour, &tsAPWeekEvent::hour},
    {tsAPWeekEvent::kMinute, &tsAPWeekEvent::minute},
    {tsAPWeekEvent::kSecond, &tsAPWeekEvent::second},
};
}  // namespace

tsAPWeekEvent tsAPWeekEvent::decode(const tsAPEvent& event) {
  tsAPWeekEvent out;
  tcBitMember<tsAPWeekEvent>::unpack(event.word0, kFields, out);
  out.slot = event.word1;
  return out;
}

tsAPEvent tsAPWeekEvent::encode() const {
  tsAPEvent out;
  out.word0 = tcBitMember<tsAPWeekEvent>::pack(kKindBits.put(0, kKind), kFields, *this);
  out.word1 = slot;
  return out;
}

}  // namespace tcIddApGui
