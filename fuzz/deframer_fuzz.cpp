// Arbitrary bytes into the link's deframer and dispatcher, with live stores
// attached. What the link would send is dropped.
#include <QtGlobal>
#include <cstddef>
#include <cstdint>
#include <memory>

#include "link/tcApIface.h"
#include "link/tcDeviceInfo.h"
#include "link/tcEventList.h"
#include "link/tcLinkSignals.h"
#include "link/tcMeterIface.h"
#include "link/tcPresetDirectory.h"
#include "link/tcPresetGrabber.h"
#include "params/GLOBALS.h"
#include "params/SETTINGS.h"
#include "params/tcChangeRouter.h"
#include "params/tcGlobalsDirty.h"
#include "params/tcLiveSettings.h"
#include "params/tcLiveSettingsDirty.h"

namespace {

// The transport never starts: the fuzzer is the only one feeding the deframer.
class SilentLink : public tcApIface {
 public:
  explicit SilentLink(const tcLinkStores& stores)
      : tcApIface("256.0.0.1", kPort, stores, nullptr, nullptr, LinkTiming(), DeferStart{}) {}
  ~SilentLink() override { stop(); }

 protected:
  int transmit(const uint8_t*, int length) override { return length; }
};

void drop_line(void*, const char*) {}
void drop_message(QtMsgType, const QMessageLogContext&, const QString&) {}

struct World {
  tcLiveSettingsDirty bank_send;
  tcLiveSettingsDirty bank_panel;
  tcGlobalsDirty globals_send;
  tcGlobalsDirty globals_panel;
  tcChangeRouter router{bank_send, bank_panel, globals_send, globals_panel};
  tcLiveSettings banks{&tcChangeRouter::on_settings, &router};
  GLOBALS globals{&tcChangeRouter::on_globals, &router};
  tcPresetDirectory directory;
  tcDeviceInfo device;
  tcEventList events;
  tcMeterIface meters;
  tcPresetGrabber fetch;
  tcPresetGrabber push;
  tcLinkSignals link_signals;
  std::unique_ptr<SilentLink> link;

  World() {
    qInstallMessageHandler(&drop_message);
    tcLinkStores s;
    s.banks = &banks;
    s.bank_send = &bank_send;
    s.globals = &globals;
    s.directory = &directory;
    s.device = &device;
    s.events = &events;
    s.meters = &meters;
    s.fetch = &fetch;
    s.push = &push;
    s.link_signals = &link_signals;
    link = std::make_unique<SilentLink>(s);
    link->set_trace(&drop_line, nullptr);  // the trace lines get formatted too
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static World world;
  world.link->reset();
  if (size == 0) return 0;
  // The first byte picks the block size, so frames also arrive split.
  const size_t block = data[0] % 97 + 1;
  for (size_t at = 1; at < size; at += block)
    world.link->recv(data + at, std::min(block, size - at));
  return 0;
}
