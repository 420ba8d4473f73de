#include "link/transport/tcApStores.h"

tcApStores::tcApStores(const QString& presets_dir, const tcChangeRouter::Hooks& hooks,
                       Meters meters)
    : grab_set_(std::make_unique<SETTINGS>()),
      router_(bank_send_, bank_panel_, globals_send_, globals_panel_) {
  router_.set_hooks(hooks);
  globals_ = std::make_unique<GLOBALS>(&tcChangeRouter::on_globals, &router_);
  banks_ = std::make_unique<tcLiveSettings>(&tcChangeRouter::on_settings, &router_, kLiveBanks);
  quick_save_ = std::make_unique<tcQuickSave>(presets_dir);
  if (meters == Meters::kListen) meters_ = std::make_unique<tcMeterIface>();
}

tcApStores::~tcApStores() {
  meters_.reset();
  quick_save_.reset();
  banks_.reset();
  globals_.reset();
}

tcLinkStores tcApStores::link_stores() {
  tcLinkStores stores;
  stores.banks = banks_.get();
  stores.bank_send = &bank_send_;
  stores.globals = globals_.get();
  stores.directory = &directory_;
  stores.device = &device_info_;
  stores.events = &events_;
  stores.meters = meters_.get();
  stores.fetch = &fetch_;
  stores.push = &push_;
  stores.link_signals = &link_signals_;
  return stores;
}
