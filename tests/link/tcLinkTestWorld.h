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

#include "link/tcApIface.h"
#include "link/tcDeviceInfo.h"
#include "link/tcEventList.h"
#include "link/tcLinkSignals.h"
#include "link/tcMeterIface.h"
#include "link/tcPresetDirectory.h"
#include "link/tcPresetGrabber.h"
#include "params/GLOBALS.h"
#include "params/tcChangeRouter.h"
#include "params/tcGlobalsDirty.h"
#include "params/tcLiveSettings.h"
#include "params/tcLiveSettingsDirty.h"

struct tcLinkTestWorld {
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
  tcPresetGrabber fetch;
  tcPresetGrabber push;
  tcLinkSignals link_signals;
  tcMeterIface* meters = nullptr;  // a listener binds a port: only where a test needs one

  tcLinkStores stores() {
    tcLinkStores s;
    s.banks = &banks;
    s.bank_send = &bank_send;
    s.globals = &globals;
    s.directory = &directory;
    s.device = &device;
    s.events = &events;
    s.fetch = &fetch;
    s.push = &push;
    s.link_signals = &link_signals;
    s.meters = meters;
    return s;
  }
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
