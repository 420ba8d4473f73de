#pragma once
// The worker thread of a transport: receives while connected, reconnects while
// not, until the transport stops it.
#include <QThread>

class tcQTcp;

class tcQTcpThrd : public QThread {
 public:
  explicit tcQTcpThrd(tcQTcp& link) : link_(link) {}

 protected:
  void run() override;

 private:
  tcQTcp& link_;
};
