#include "link/transport/tcQTcpThrd.h"

#include "link/transport/tcQTcp.h"

void tcQTcpThrd::run() {
  Priority priority = HighestPriority;
  const auto set = [&](Priority wanted) {
    if (priority != wanted) setPriority(priority = wanted);
  };
  while (!link_.stop_.load()) {
    if (link_.connected_.load()) {
      set(HighestPriority);
      link_.receive_once();
      continue;
    }
    set(LowPriority);
    msleep(1);
    if (link_.stop_.load()) {
      set(HighestPriority);  // end quickly
      break;
    }
    if (link_.connect()) link_.mark_up();
  }
  link_.worker_finished();
}
