// Arbitrary bytes into the link's deframer and dispatcher, with live stores
// attached. What the link would send is dropped.
#include <QtGlobal>
#include <cstddef>
#include <cstdint>
#include <memory>

#include "link/transport/tcApIface.h"
#include "tests/link/transport/tcLinkTestWorld.h"

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

struct World : tcLinkTestWorld {
  tcMeterIface meter_listener;
  std::unique_ptr<SilentLink> link;

  World() {
    qInstallMessageHandler(&drop_message);
    tcLinkStores stores = link_stores();
    stores.meters = &meter_listener;
    link = std::make_unique<SilentLink>(stores);
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
