#include "link/protocol/PresetSummary.h"

#include <cstring>

#include "app/core/tcLeBytes.h"
#include "params/tcPresetHeader.h"

namespace {
void complement(uint8_t* to, const uint8_t* from, int count) {
  for (int i = 0; i < count; ++i) to[i] = static_cast<uint8_t>(~from[i]);
}
}  // namespace

static_assert(PresetSummary::kNameSize == tcPresetHeader::kNameSize, "name field sizes differ");
static_assert(PresetSummary::kTextSize == tcPresetHeader::kTextSize, "text field sizes differ");

void PresetSummary::encode(uint8_t slot, const tcPresetHeader& header, uint8_t* out) {
  std::memset(out, 0, kSize);
  out[kSlotOffset] = slot;
  std::memcpy(out + kNameOffset, header.name, kNameSize);
  out[kPresentOffset] = header.present;
  out[kStatusOffset] = header.status;
  for (int i = 0; i < 4; ++i) {
    tcLeBytes::put_u32(out + kCheckOffset + 4 * i, header.check[i]);
    tcLeBytes::put_u16(out + kCountOffset + 2 * i, header.count[i]);
  }
  tcLeBytes::put_u32(out + kWordAOffset, header.word_a);
  tcLeBytes::put_u32(out + kWordBOffset, header.word_b);
  complement(out + kTextAOffset, header.text_a, kTextSize);
  complement(out + kTextBOffset, header.text_b, kTextSize);
  tcLeBytes::put_u16(out + kMapVersionOffset, header.map_version);
}

uint8_t PresetSummary::decode(const uint8_t* in, tcPresetHeader& out) {
  std::memcpy(out.name, in + kNameOffset, kNameSize);
  out.present = in[kPresentOffset];
  out.status = in[kStatusOffset];
  for (int i = 0; i < 4; ++i) {
    out.check[i] = tcLeBytes::get_u32(in + kCheckOffset + 4 * i);
    out.count[i] = tcLeBytes::get_u16(in + kCountOffset + 2 * i);
  }
  out.word_a = tcLeBytes::get_u32(in + kWordAOffset);
  out.word_b = tcLeBytes::get_u32(in + kWordBOffset);
  complement(out.text_a, in + kTextAOffset, kTextSize);
  complement(out.text_b, in + kTextBOffset, kTextSize);
  out.map_version = tcLeBytes::get_u16(in + kMapVersionOffset);
  return in[kSlotOffset];
}
