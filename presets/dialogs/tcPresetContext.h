#pragma once
// What the preset dialogs work on: the window's stores (live banks, globals,
// preset directory, grabber and pusher), the current link (none while
// off-line, and it may change while a dialog is open, so it is asked for each
// time), the device list, the general options and the library folders. The
// dialogs keep a copy; what it points to is the main window's and outlives them.
#include <QString>
#include <functional>

class tcApIface;
class tcApStores;
class tcDeviceEntry;
class tcDeviceList;
class tcOptions;

struct tcPresetContext {
  tcApStores* stores = nullptr;
  std::function<tcApIface*()> link;  // the link while on-line, else none
  std::function<bool()> online;      // on-line mode on and the connection "Online"
  tcDeviceList* devices = nullptr;   // may be none
  tcOptions* options = nullptr;
  QString presets_dir;
  QString favorites_dir;

  tcApIface* current_link() const { return link ? link() : nullptr; }
  // On-line with a link to talk to.
  bool is_online() const { return online && online() && current_link() != nullptr; }
  tcDeviceEntry* device() const;
  // FACTORY/GURU and FACTORY/TECH.
  bool guru() const;
  bool tech() const;
};
