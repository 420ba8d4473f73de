#include "link/transport/tcDeviceInfo.h"

void tcDeviceInfo::set_version(const tcVersionRecord& version) {
  tcMutexHold hold(lock_);
  version_ = version;
  has_version_ = true;
}

void tcDeviceInfo::set_mac(const tcMacRecord& mac) {
  tcMutexHold hold(lock_);
  mac_ = mac;
  has_mac_ = true;
}

void tcDeviceInfo::clear() {
  tcMutexHold hold(lock_);
  version_ = tcVersionRecord();
  mac_ = tcMacRecord();
  has_version_ = has_mac_ = false;
}

tcVersionRecord tcDeviceInfo::version() const {
  tcMutexHold hold(lock_);
  return version_;
}

tcMacRecord tcDeviceInfo::mac() const {
  tcMutexHold hold(lock_);
  return mac_;
}

bool tcDeviceInfo::has_version() const {
  tcMutexHold hold(lock_);
  return has_version_;
}

bool tcDeviceInfo::has_mac() const {
  tcMutexHold hold(lock_);
  return has_mac_;
}
