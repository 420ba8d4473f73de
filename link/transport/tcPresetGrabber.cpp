#include "link/transport/tcPresetGrabber.h"

#include <QApplication>
#include <QThread>

#include "link/protocol/tcParamWire.h"
#include "link/transport/tcApIface.h"
#include "params/SETTINGS.h"

namespace {
constexpr int kEventSliceMs = 5;
}

void tcPresetGrabber::begin(Mode mode, uint8_t slot, SETTINGS* target) {
  std::lock_guard<std::mutex> hold(lock_);
  mode_ = mode;
  target_ = target;
  complete_ = false;
  done_.store(false);
  slot_.store(slot);
}

void tcPresetGrabber::wait(tcApIface& link) {
  while (!done_.load() && link.connected()) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, kEventSliceMs);
    QThread::msleep(1);
  }
}

bool tcPresetGrabber::finish() {
  std::lock_guard<std::mutex> hold(lock_);
  slot_.store(kIdle);
  mode_ = Mode::kIdle;
  target_ = nullptr;
  const bool complete = complete_;
  complete_ = false;
  return complete;
}

int tcPresetGrabber::grab_preset(tcApIface& link, uint8_t slot, SETTINGS& target) {
  // The idle mark is no slot: no answer could ever end the wait.
  if (slot == kIdle) return -1;
  begin(Mode::kFetch, slot, &target);
  QApplication::setOverrideCursor(Qt::WaitCursor);
  if (link.connected()) {
    link.request_preset(slot);
    wait(link);
  }
  QApplication::restoreOverrideCursor();
  return finish() ? 0 : -1;
}

int tcPresetGrabber::push_preset(tcApIface& link, uint8_t slot, const SETTINGS& source,
                                 const tcPresetHeader& header) {
  if (slot == kIdle) return -1;
  begin(Mode::kPush, slot, nullptr);
  if (link.connected()) {
    link.send_preset_data(slot, source);
    link.send_directory_entry(slot, header);
    wait(link);
  }
  return finish() ? 0 : -1;
}

void tcPresetGrabber::take_part(const tcApCodec::PresetPart& part) {
  std::lock_guard<std::mutex> hold(lock_);
  if (mode_ != Mode::kFetch || done_.load() || part.slot != slot_.load()) return;
  for (int i = 0; i < part.records.count; ++i)
    tcParamWire::apply(*target_, part.records.param(i), kSourceSilent);
  if (part.part == part.parts) {
    complete_ = true;
    done_.store(true);
  }
}

void tcPresetGrabber::take_directory_entry(uint8_t slot) {
  std::lock_guard<std::mutex> hold(lock_);
  if (mode_ != Mode::kPush || done_.load() || slot != slot_.load()) return;
  complete_ = true;
  done_.store(true);
}
