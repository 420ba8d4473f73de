#include "link/transport/tcMeterThrd.h"

#include "link/transport/tcMeterIface.h"

void tcMeterThrd::run() {
  while (!listener_.stop_.load()) listener_.receive_once();
  listener_.running_.store(false, std::memory_order_release);
}
