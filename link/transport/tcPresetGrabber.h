#pragma once
// One blocking preset transfer with the processor: fetching a slot's values
// (grab_preset) or storing a preset into a slot (push_preset). The GUI thread
// waits by processing events; the transport thread delivers the answer through
// take_part() / take_directory_entry() and sets the done flag.
#include <atomic>
#include <cstdint>
#include <mutex>

#include "link/protocol/tcApCodec.h"

class SETTINGS;
class tcApIface;
class tcPresetHeader;

class tcPresetGrabber {
 public:
  static constexpr uint8_t kIdle = 255;

  // Sends the preset data request for `slot` and waits until its last part has
  // been written into `target` (source 0) or the link drops. 0 when the transfer
  // completed, -1 when the link was not connected or went away first; `target`
  // then holds whatever arrived. Slot 255 (kIdle) is refused at once with -1.
  int grab_preset(tcApIface& link, uint8_t slot, SETTINGS& target);
  // Sends `source` as preset data parts for `slot`, then the slot's directory
  // entry, and waits until the processor's own entry for that slot comes back or
  // the link drops. 0 when confirmed, -1 otherwise; slot 255 is refused at once.
  int push_preset(tcApIface& link, uint8_t slot, const SETTINGS& source,
                  const tcPresetHeader& header);

  // Transport thread: a preset data part. Written into the fetch target only
  // while a fetch of that slot waits; the last part sets the done flag.
  void take_part(const tcApCodec::PresetPart& part);
  // Transport thread: the processor's directory entry for `slot` confirms a push.
  void take_directory_entry(uint8_t slot);

  // Ends a wait (link gone): the waiting side stops and uses what it has.
  void set_done() { done_.store(true); }
  bool done() const { return done_.load(); }
  // The slot being transferred, kIdle when none.
  uint8_t slot() const { return slot_.load(); }

 private:
  enum class Mode { kIdle, kFetch, kPush };

  // Arms the grabber for a transfer of a slot; the target is null for a push.
  void begin(Mode mode, uint8_t slot, SETTINGS* target);
  // Processes GUI events until done or the link drops; the link is not touched
  // once done is set, since a link that goes away sets it on its way out.
  void wait(tcApIface& link);
  // Back to idle; true when the transfer finished before the link dropped.
  bool finish();

  std::atomic<bool> done_{false};
  std::atomic<uint8_t> slot_{kIdle};
  Mode mode_ = Mode::kIdle;  // under lock_
  bool complete_ = false;    // under lock_
  // Held while the transport thread writes into the target, so the target is
  // never written after the waiting side went idle.
  std::mutex lock_;
  SETTINGS* target_ = nullptr;  // under lock_
};
