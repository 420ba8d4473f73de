#include "link/protocol/tcMacRecord.h"

#include <cstring>

#include "link/protocol/tcFrame.h"
#include "link/protocol/tcFrameView.h"

int tcMacRecord::decode(const tcFrameView& frame, tcMacRecord& out) {
  const uint8_t* address = frame.bytes(kAddressOffset, kAddressSize);
  if (!address) return -1;
  std::memcpy(out.bytes.data(), address, kAddressSize);
  return 0;
}

tcFrame tcMacRecord::encode() const {
  tcFrame frame(tcFrame::kMacAddress, kFrameLength);
  frame.put_bytes(kAddressOffset, bytes.data(), kAddressSize);
  return frame;
}

tcString tcMacRecord::text() const {
  tcString out;
  out.format("%02X:%02X:%02X:%02X:%02X:%02X", bytes[0], bytes[1], bytes[2], bytes[3], bytes[4],
             bytes[5]);
  return out;
}
