#pragma once
// One field of a packed 32-bit word (its lowest bit and its width), and the
// packing of a record's byte fields through a table of such fields.
#include <cstddef>
#include <cstdint>

struct tcBitField {
  int shift;
  int width;

  constexpr uint32_t mask() const { return ((1u << width) - 1u) << shift; }
  constexpr uint32_t get(uint32_t word) const { return (word & mask()) >> shift; }
  // The value is cut to the field's width.
  constexpr uint32_t put(uint32_t word, uint32_t value) const {
    return (word & ~mask()) | ((value << shift) & mask());
  }
};

// A byte member of a record and the field of the word it lives in.
template <class T>
struct tcBitMember {
  tcBitField bits;
  uint8_t T::*member;

  template <size_t N>
  static void unpack(uint32_t word, const tcBitMember (&fields)[N], T& out) {
    for (const tcBitMember& f : fields) out.*f.member = static_cast<uint8_t>(f.bits.get(word));
  }
  template <size_t N>
  static uint32_t pack(uint32_t word, const tcBitMember (&fields)[N], const T& in) {
    for (const tcBitMember& f : fields) word = f.bits.put(word, in.*f.member);
    return word;
  }
};
