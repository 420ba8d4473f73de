#pragma once
// The meter listener's thread: receives datagrams until the listener stops it.
#include <QThread>

class tcMeterIface;

class tcMeterThrd : public QThread {
 public:
  explicit tcMeterThrd(tcMeterIface& listener) : listener_(listener) {}

 protected:
  void run() override;

 private:
  tcMeterIface& listener_;
};
