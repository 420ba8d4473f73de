#include "services/events/tsAPLongEvent.h"

namespace tcIddApGui {

namespace {
const tcBitMember<tsAPLongEvent> kFields[] = {
    {tsAPLongEvent::kMonth, &tsAPLongEvent::month},
    {tsAPLongEvent::kDay, &tsAPLongEvent::day},
    {tsAPLongEvent::kHour, &tsAPLongEvent::hour},
    {tsAPLongEvent::kMinute, &tsAPLongEvent::minute},
    {tsAPLongEvent::kSecond, &tsAPLongEvent::second},
};
}  // namespace

tsAPLongEvent tsAPLongEvent::decode(const tsAPEvent& event) {
  tsAPLongEvent out;
  tcBitMember<tsAPLongEvent>::unpack(event.word0, kFields, out);
  out.slot = event.word1;
  return out;
}

tsAPEvent tsAPLongEvent::encode() const {
  tsAPEvent out;
  out.word0 = tcBitMember<tsAPLongEvent>::pack(kKindBits.put(0, kKind), kFields, *this);
  out.word1 = slot;
  return out;
}

}  // namespace tcIddApGui
