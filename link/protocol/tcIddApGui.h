#pragma once
// Receive side of the processor protocol: the byte-wise deframer. Frames are
// found on sync (0xA5 0xA5) and length alone; there is no checksum.
#include <array>
#include <cstddef>
#include <cstdint>

namespace tcIddApGui {

class tcCmndRecvState {
 public:
  static constexpr int kBufferSize = 1220;

  enum State : uint8_t {
    kHunt = 0,      // waiting for the first 0xA5
    kSync = 1,      // one 0xA5 seen
    kLengthLo = 2,  // sync complete; next byte is the low length byte
    kLengthHi = 3,
    kBody = 4,
  };

  tcCmndRecvState() = default;
  virtual ~tcCmndRecvState() = default;
  tcCmndRecvState(const tcCmndRecvState&) = delete;
  tcCmndRecvState& operator=(const tcCmndRecvState&) = delete;

  // Runs the state machine over one received block; calls handle_message for
  // every frame completed inside it.
  void recv(const uint8_t* bytes, size_t count);
  // Drops a partial frame and the context words (on every link change).
  void reset();

  int state() const { return state_; }

 protected:
  // One complete frame: sync and length as reconstructed, then type and body;
  // its total length is in bytes 2-3 and lies in 5..1200.
  virtual void handle_message(uint32_t context1, uint32_t context2, const uint8_t* frame) = 0;

 private:
  uint32_t context1_ = 0;
  uint32_t context2_ = 0;
  uint8_t state_ = kHunt;
  uint16_t expected_ = 0;
  uint16_t index_ = 0;
  std::array<uint8_t, kBufferSize> buffer_{};
};

}  // namespace tcIddApGui
