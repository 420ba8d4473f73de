// Time from a console edit (a write with source 2 on the GUI thread) to its
// 0x4000 frame arriving at a processor on loopback: the store's report, the
// queued send slot, the link's frame and the transport, end to end; beside
// the same frame written straight to a loopback socket and received there.
#include <arpa/inet.h>
#include <benchmark/benchmark.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QApplication>
#include <QTemporaryDir>
#include <atomic>
#include <thread>

#include "bench/tcBaseline.h"
#include "link/devices/tcConnection.h"
#include "link/devices/tcDeviceList.h"
#include "link/protocol/tcApCodec.h"
#include "link/protocol/tcFrame.h"
#include "link/protocol/tcIddApGui.h"
#include "link/transport/tcApStores.h"
#include "panel/window/tcApWidget.h"
#include "tests/support/tcLoopback.h"

namespace {

// A processor that only counts the bank-parameter frames it receives.
class CountingPeer : public tcIddApGui::tcCmndRecvState {
 public:
  CountingPeer() {
    listener_ = listen_on_loopback(&port_);
    thread_ = std::thread([this] { serve(); });
  }
  ~CountingPeer() override {
    stop_ = true;
    ::shutdown(listener_, SHUT_RDWR);
    if (client_ >= 0) ::shutdown(client_, SHUT_RDWR);
    thread_.join();
    ::close(listener_);
    if (client_ >= 0) ::close(client_);
  }
  uint16_t port() const { return port_; }
  int frames() const { return frames_.load(); }

 protected:
  void handle_message(uint32_t, uint32_t, const uint8_t* frame) override {
    if (frame[4] == (tcFrame::kBankParams & 0xFF) && frame[5] == (tcFrame::kBankParams >> 8))
      frames_.fetch_add(1);
  }

 private:
  void serve() {
    client_ = ::accept(listener_, nullptr, nullptr);
    uint8_t block[8192];
    while (!stop_ && client_ >= 0) {
      const ssize_t n = ::recv(client_, block, sizeof block, 0);
      if (n <= 0) break;
      recv(block, static_cast<int>(n));
    }
  }

  int listener_ = -1;
  int client_ = -1;
  uint16_t port_ = 0;
  std::atomic<bool> stop_{false};
  std::atomic<int> frames_{0};
  std::thread thread_;
};

void BM_ConsoleEditToProcessor(benchmark::State& state) {
  QTemporaryDir work, docs;
  CountingPeer peer;
  tcApWidget window;
  window.init({{"qx770xpro"}, work.path(), docs.path()});
  window.devices()->add("Bench", "127.0.0.1");
  window.devices()->set_current(window.devices()->index_of("Bench"));
  window.connection()->set_link_target(peer.port(), LinkTiming());
  window.connection()->set_online(true);
  while (!window.connection()->link() || !window.connection()->link()->connected())
    QCoreApplication::processEvents(QEventLoop::AllEvents, 1);

  SETTINGS& bank = *window.stores()->banks().set(0);
  constexpr uint16_t kDrive = 0x1407;

  // The physical part: one frame of the same size over loopback to the same
  // kind of peer.
  CountingPeer raw_peer;
  const int raw = connect_to_loopback(raw_peer.port());
  const ParamRecord record = ParamRecord::of_float(kDrive, -10.0f);
  const tcFrame frame = tcApCodec::bank_params(0, &record, 1);
  const tcBaseline trip("loopback", [&] {
    const int before = raw_peer.frames();
    if (::send(raw, frame.data(), static_cast<size_t>(frame.length()), MSG_NOSIGNAL) < 0) return;
    while (raw_peer.frames() == before) std::this_thread::yield();
  });

  float value = -10.0f;
  for (auto _ : state) {
    const int before = peer.frames();
    value = value < -5.0f ? -2.0f : -10.0f;
    bank.set_float(kDrive, value, kSourceConsole);
    while (peer.frames() == before) QCoreApplication::processEvents();
  }
  trip.report(state);
  ::close(raw);
  window.close();
}
BENCHMARK(BM_ConsoleEditToProcessor)->Unit(benchmark::kMicrosecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
