#pragma once
// The transport towards one peer address: the connect operation of tcQTcp.
#include "link/transport/tcQTcp.h"

class tcQTcpClient : public tcQTcp {
 public:
  // `address` is a dotted-quad IPv4 text; an unparsable text gives the
  // all-ones address, which never connects. Starts the worker.
  tcQTcpClient(const char* address, uint16_t port, const LinkCallbacks& callbacks,
               const LinkTiming& timing = LinkTiming());
  ~tcQTcpClient() override;

  // Peer address in network byte order.
  uint32_t address() const { return address_; }

 protected:
  // For derived links: construct without starting the worker; the derived
  // constructor calls start() as its last step.
  struct DeferStart {};
  tcQTcpClient(const char* address, uint16_t port, const LinkCallbacks& callbacks,
               const LinkTiming& timing, DeferStart);

  bool connect() override;

 private:
  const uint32_t address_;
};
