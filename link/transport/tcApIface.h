#pragma once
// The link to one processor: the TCP transport below, the deframer and the
// message dispatcher above it, and one send operation per outgoing message.
// Receive handlers run on the transport thread: they only write the stores
// (under their locks, change source 3), the preset directory, the device and
// event records, and emit the link's signals. Sends run on the caller's thread
// and go through the transport, which drops them while not connected.
#include <atomic>
#include <cstdint>
#include <mutex>

#include "link/protocol/tcApCodec.h"
#include "link/protocol/tcFrameView.h"
#include "link/protocol/tcIddApGui.h"
#include "link/transport/LinkCallbacks.h"
#include "link/transport/LinkTiming.h"
#include "link/transport/tcLinkStores.h"
#include "link/transport/tcQTcpClient.h"

class SETTINGS;
class tcGlobalsDirty;
class tcPresetHeader;
class tcUpgradeListener;

class tcApIface : public tcQTcpClient, public tcIddApGui::tcCmndRecvState {
 public:
  static constexpr uint16_t kPort = 55900;

  // Trace lines of the dispatcher; set by the main window, nothing is formatted
  // while unset.
  using TraceFn = void (*)(void* context, const char* line);

  // Connects to `address` (dotted quad) and keeps reconnecting while it exists.
  // `on_status` (optional) hears every transport status after the decoder has
  // been reset for it.
  tcApIface(const char* address, uint16_t port, const tcLinkStores& stores,
            LinkCallbacks::StatusFn on_status = nullptr, void* status_context = nullptr,
            const LinkTiming& timing = LinkTiming());
  ~tcApIface() override;

  void set_trace(TraceFn trace, void* context);
  // The firmware downloader's receiver of upgrade replies; nullptr unregisters.
  // Once this returns, the previous listener is no longer called.
  void set_upgrade_listener(tcUpgradeListener* listener);
  // The last firmware-upgrade reply received on this link.
  tcApCodec::UpgradeReply last_upgrade_reply() const;

  // Sends.
  // Fills sync and length of a prepared frame and sends it; a frame of 1200
  // bytes or more (or shorter than its header) is dropped. The transport's
  // count, or -1.
  int send_frame(uint8_t* frame, int length);
  int send_frame(tcFrame& frame) { return send_frame(frame.data(), frame.length()); }
  int request_preset(uint8_t slot);
  int send_rename(uint8_t slot, const char* name40);
  int send_delete(uint16_t first, uint16_t count);
  int send_lock(uint8_t slot, uint8_t state);
  // The bank's changed parameters in table order, 148 records a frame; each
  // flag is cleared as its record is taken. Frames sent, 0 when nothing changed
  // or the bank or its send record does not exist.
  int send_bank_changes(uint16_t bank);
  // All 457 values of a set as preset data parts for a slot.
  void send_preset_data(uint8_t slot, const SETTINGS& source);
  // The flagged globals (clearing each flag taken), or all of them without a
  // tracker, in one frame when there is at least one.
  int send_globals(tcGlobalsDirty* tracker);
  int send_keepalive();
  int send_directory_entry(uint8_t slot, const tcPresetHeader& header);
  int send_take(uint16_t bank, uint8_t slot, uint16_t mode);
  int send_bank_summary(uint16_t bank, const tcPresetHeader& header);
  // -1 (nothing sent) for no data or more than 1024 bytes.
  int send_upgrade_block(uint16_t block, uint16_t blocks, const uint8_t* data, int size);
  // The bank is not carried on the wire.
  int send_map_version(uint16_t bank, uint16_t version);
  // Advances the meter listener's request tag and asks for meter records over
  // UDP (to the listener's bound port) or over this connection. -1 without a
  // meter listener.
  int request_meters(bool over_tcp);

 protected:
  // For derived links: construct without starting the transport's worker; the
  // derived constructor calls start() as its last step, or never, for a link that
  // is only fed bytes directly.
  tcApIface(const char* address, uint16_t port, const tcLinkStores& stores,
            LinkCallbacks::StatusFn on_status, void* status_context, const LinkTiming& timing,
            DeferStart);

  // Every outgoing frame ends here; tests capture it.
  virtual int transmit(const uint8_t* frame, int length) { return send(frame, length); }

  // The dispatcher.
  void handle_message(uint32_t context1, uint32_t context2, const uint8_t* frame) override;

  // Receive handlers, one per message type.
  virtual void on_login_reply(const tcFrameView& frame);
  virtual void on_version_reply(const tcFrameView& frame);
  virtual void on_globals(const tcFrameView& frame);
  virtual void on_bank_params(const tcFrameView& frame);
  virtual void on_bank_summary(const tcFrameView& frame);
  virtual void on_preset_data(const tcFrameView& frame);
  virtual void on_directory(const tcFrameView& frame);
  virtual void on_preset_rename(const tcFrameView& frame);
  virtual void on_presets_deleted(const tcFrameView& frame);
  virtual void on_preset_lock(const tcFrameView& frame);
  virtual void on_map_version(const tcFrameView& frame);
  virtual void on_meter_record(const tcFrameView& frame);
  virtual void on_upgrade_reply(const tcFrameView& frame);
  virtual void on_event_list(const tcFrameView& frame);
  virtual void on_mac_address(const tcFrameView& frame);

  void trace(const char* fmt, ...) const __attribute__((format(printf, 2, 3)));

 private:
  struct Route;
  static const Route kRoutes[];

  static void on_data(void* self, const uint8_t* bytes, int count);
  static void on_status(void* self, LinkStatus status);

  const tcLinkStores stores_;
  const LinkCallbacks::StatusFn owner_status_;
  void* const owner_context_;
  std::atomic<TraceFn> trace_{nullptr};
  std::atomic<void*> trace_context_{nullptr};
  // Sends come from the GUI thread and, for the meter acknowledgement, from the
  // transport thread; one frame goes out whole before the next one starts.
  std::mutex send_lock_;
  mutable std::mutex upgrade_lock_;  // the listener and the last reply
  tcUpgradeListener* upgrade_listener_ = nullptr;
  tcApCodec::UpgradeReply last_upgrade_reply_;
};
