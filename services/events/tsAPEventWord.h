#pragma once
// What the two event kinds share: word 1 is the preset slot, word 0 the kind
// in its low three bits and the kind's own fields, listed in T::kFields.
#include <cstdint>

#include "link/protocol/tsAPEvent.h"
#include "services/events/tcBitField.h"

namespace tcIddApGui {

template <class T>
struct tsAPEventWord {
  static constexpr tcBitField kKindBits{0, 3};

  uint32_t slot = 0;

  // Whether word 0 holds this kind.
  static bool matches(const tsAPEvent& event) { return kKindBits.get(event.word0) == T::kKind; }
  static T decode(const tsAPEvent& event) {
    T out;
    tcBitMember<T>::unpack(event.word0, T::kFields, out);
    out.slot = event.word1;
    return out;
  }
  // With the kind bits set and every other bit of word 0 from the fields.
  tsAPEvent encode() const {
    tsAPEvent out;
    out.word0 =
        tcBitMember<T>::pack(kKindBits.put(0, T::kKind), T::kFields, static_cast<const T&>(*this));
    out.word1 = slot;
    return out;
  }
  // The event with its kind bits made this kind's.
  static tsAPEvent as_kind(tsAPEvent event) {
    event.word0 = kKindBits.put(event.word0, T::kKind);
    return event;
  }
};

}  // namespace tcIddApGui
