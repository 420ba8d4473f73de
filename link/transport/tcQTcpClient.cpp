#include "link/transport/tcQTcpClient.h"

#include <arpa/inet.h>

tcQTcpClient::tcQTcpClient(const char* address, uint16_t port, const LinkCallbacks& callbacks,
                           const LinkTiming& timing)
    : tcQTcpClient(address, port, callbacks, timing, DeferStart()) {
  start();
}

tcQTcpClient::tcQTcpClient(const char* address, uint16_t port, const LinkCallbacks& callbacks,
                           const LinkTiming& timing, DeferStart)
    : tcQTcp(port, callbacks, timing), address_(::inet_addr(address ? address : "")) {}

// The worker calls connect() through this object; it must be gone before this
// part of the object is.
tcQTcpClient::~tcQTcpClient() {
  stop();
}

bool tcQTcpClient::connect() {
  sockaddr_in peer = {};
  peer.sin_family = AF_INET;
  peer.sin_port = htons(port());
  peer.sin_addr.s_addr = address_;
  return connect_to(peer);
}
