#pragma once
// A small in-memory console for the link's tests: live banks and globals wired
// to their change records through the router, the directory, the device and
// event records, two grabbers and the link's signals.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <functional>
#include <mutex>
#include <vector>

#include "link/protocol/tcApCodec.h"
#include "link/transport/tcApIface.h"
#include "link/transport/tcApStores.h"

// The window's own store wiring, without a meter listener (it binds a port: a
// test that needs one makes it) and with quick saves in a folder that does not
// exist, so nothing is read or written.
struct tcLinkTestWorld : tcApStores {
  tcLinkTestWorld() : tcApStores(QStringLiteral("/nonexistent/qx770-test"), {}, Meters::kNone) {}
};

// Short connect attempts, so links towards nowhere go away at once.
inline LinkTiming quick_timing() {
  LinkTiming t;
  t.connect_wait_ms = 50;
  return t;
}

// A link fed bytes directly: its transport never runs, so nothing else touches
// the deframer, and what it would send is kept instead.
class tcCapturingLink : public tcApIface {
 public:
  explicit tcCapturingLink(const tcLinkStores& stores)
      : tcApIface("256.0.0.1", kPort, stores, nullptr, nullptr, quick_timing(), DeferStart{}) {}
  ~tcCapturingLink() override { stop(); }

  void feed(const std::vector<uint8_t>& bytes) { recv(bytes.data(), bytes.size()); }
  void feed(const tcFrame& frame) { recv(frame.data(), static_cast<size_t>(frame.length())); }

  std::vector<std::vector<uint8_t>> sent() {
    std::lock_guard<std::mutex> hold(lock_);
    return sent_;
  }
  void clear_sent() {
    std::lock_guard<std::mutex> hold(lock_);
    sent_.clear();
  }

 protected:
  int transmit(const uint8_t* frame, int length) override {
    std::lock_guard<std::mutex> hold(lock_);
    sent_.emplace_back(frame, frame + length);
    return length;
  }

 private:
  std::mutex lock_;
  std::vector<std::vector<uint8_t>> sent_;
};

// Processes GUI events until `done` holds or the time is up.
inline bool wait_until(const std::function<bool()>& done, int timeout_ms = 5000) {
  QElapsedTimer timer;
  timer.start();
  while (!done()) {
    if (timer.elapsed() > timeout_ms) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    QThread::msleep(1);
  }
  return true;
}

// Waits for the end of the processor's login picture, which closes with the
// preset directory in several frames: the answer to a version request sent now
// comes after all of them. Without it a test's own directory edits race the
// frames still on their way.
inline bool wait_for_whole_picture(tcApIface* link, const tcDeviceInfo& info,
                                   int timeout_ms = 8000) {
  if (!link) return false;
  tcFrame ask = tcApCodec::empty(tcFrame::kVersionRequest);
  if (link->send_frame(ask) < 0) return false;
  return wait_until([&] { return info.has_version(); }, timeout_ms);
}
