#include "panel/groups/tcInputLamp.h"

#include "panel/framework/tcControlGroup.h"

int tcInputLamp::state(uint8_t reading) {
  static const int kStates[] = {kGood, kGood, kFailed, kFailed};
  return reading < 4 ? kStates[reading] : kUnknown;
}

bool tcInputLamp::active(uint8_t reading) {
  return reading == 0 || reading == 2;
}

void tcInputLamp::show(tcControlGroup& g, int lamp, const char* name, uint8_t reading) {
  tcString text(name);
  if (active(reading)) text.append(kActive);
  g.setText(lamp, text);
  g.setState(lamp, state(reading));
}
