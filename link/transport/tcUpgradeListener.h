#pragma once
// Receiver of the processor's firmware-upgrade replies (message 0x0012). The
// firmware downloader registers one with the link while it runs. Called on the
// transport thread: an implementation only posts queued signals.
#include "link/protocol/tcApCodec.h"

class tcUpgradeListener {
 public:
  virtual ~tcUpgradeListener() = default;
  virtual void upgrade_reply(const tcApCodec::UpgradeReply& reply) = 0;
};
