#include "link/protocol/tcVersionRecord.h"

#include <algorithm>
#include <cstring>

#include "link/protocol/tcFrame.h"
#include "link/protocol/tcFrameView.h"

tcVersionRecord tcVersionRecord::decode(const tcFrameView& frame) {
  tcVersionRecord record;
  record.major = frame.u16(kMajorOffset);
  record.minor = frame.u16(kMinorOffset);
  record.build = frame.u16(kBuildOffset);
  for (int i = 0; i < 3; ++i) {
    // Copy what the frame holds of the line; the rest stays zero.
    const int held = std::clamp(frame.length() - kLineOffset[i], 0, kLineSize);
    if (held > 0) std::memcpy(record.lines[i].data(), frame.data() + kLineOffset[i], held);
  }
  record.boot_id = frame.u32(kBootIdOffset);
  record.boot_major = frame.u8(kBootMajorOffset);
  record.boot_minor = frame.u8(kBootMinorOffset);
  record.boot_check = frame.u16(kBootCheckOffset);
  return record;
}

tcFrame tcVersionRecord::encode() const {
  tcFrame frame(tcFrame::kVersionReply, kFrameLength);
  frame.put_u16(kMajorOffset, major);
  frame.put_u16(kMinorOffset, minor);
  frame.put_u16(kBuildOffset, build);
  for (int i = 0; i < 3; ++i)
    frame.put_bytes(kLineOffset[i], lines[i].data(),
                    static_cast<int>(strnlen(lines[i].data(), kLineSize)));
  frame.put_u32(kBootIdOffset, boot_id);
  frame.put_u8(kBootMajorOffset, boot_major);
  frame.put_u8(kBootMinorOffset, boot_minor);
  frame.put_u16(kBootCheckOffset, boot_check);
  return frame;
}

bool tcVersionRecord::operator==(const tcVersionRecord& other) const {
  return major == other.major && minor == other.minor && build == other.build &&
         lines == other.lines && boot_id == other.boot_id && boot_major == other.boot_major &&
         boot_minor == other.boot_minor && boot_check == other.boot_check;
}
