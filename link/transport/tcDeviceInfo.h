#pragma once
// What the processor told about itself: the version reply and the MAC address.
// Written by the link on the transport thread, read by the version dialog on
// the GUI thread; the lock makes every read a whole record.
#include "app/core/tcMutex.h"
#include "link/protocol/tcMacRecord.h"
#include "link/protocol/tcVersionRecord.h"

class tcDeviceInfo {
 public:
  void set_version(const tcVersionRecord& version);
  void set_mac(const tcMacRecord& mac);
  // Both records back to zero (on every link change, so the displays blank).
  void clear();

  tcVersionRecord version() const;
  tcMacRecord mac() const;
  bool has_version() const;
  bool has_mac() const;

 private:
  mutable tcMutex lock_;
  tcVersionRecord version_;
  tcMacRecord mac_;
  bool has_version_ = false;
  bool has_mac_ = false;
};
