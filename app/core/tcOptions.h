#pragma once
// The general options, "qx770xpro.ini" in the data directory. Every section,
// key and default lives here so that no caller spells a key.
#include <QString>

#include "app/core/tcOptionStore.h"

class tcOptions {
 public:
  static constexpr const char* kFileName = "qx770xpro.ini";
  static constexpr int kDeviceNameMax = 40;
  static constexpr int kSkinNameMax = 49;
  static constexpr const char* kNoDevice = "????????";
  static constexpr const char* kDefaultSkin = "default";

  explicit tcOptions(const QString& path) : store_(path, tcOptionStore::kXml) {}

  tcOptionStore& store() { return store_; }
  const tcOptionStore& store() const { return store_; }
  int flush() { return store_.flush(); }
  const QString& write_error() const { return store_.write_error(); }

  // OPTIONS
  int online() const { return store_.get_int(kOptions, "ONLINE", 0); }
  void set_online(int on) { store_.set_int(kOptions, "ONLINE", on); }
  int tcp_meters() const { return store_.get_int(kOptions, "TCPMETERS", 0); }
  void set_tcp_meters(int on) { store_.set_int(kOptions, "TCPMETERS", on); }
  int control_page() const { return store_.get_int(kOptions, "CONTROL", 0); }
  void set_control_page(int page) { store_.set_int(kOptions, "CONTROL", page); }
  // The default is the graph's current range.
  int spectra_range(int current) const {
    return store_.get_int(kOptions, "SPECTRA_RANGE", current);
  }
  void set_spectra_range(int range) { store_.set_int(kOptions, "SPECTRA_RANGE", range); }
  int time_24hour() const { return store_.get_int(kOptions, "TIME24HOUR", 0); }
  void set_time_24hour(int on) { store_.set_int(kOptions, "TIME24HOUR", on); }
  bool deq_view() const { return store_.get_bool(kOptions, "DEQVIEW", false); }
  void set_deq_view(bool on) { store_.set_bool(kOptions, "DEQVIEW", on); }
  bool hide_password() const { return store_.get_bool(kOptions, "dialog_hide_pswd", true); }
  void set_hide_password(bool on) { store_.set_bool(kOptions, "dialog_hide_pswd", on); }

  // AGCCOMP: which AGC/compressor graphs are shown
  int show_cgc() const { return store_.get_int(kAgcComp, "show_cgc", 1); }
  void set_show_cgc(int on) { store_.set_int(kAgcComp, "show_cgc", on); }
  int show_agc() const { return store_.get_int(kAgcComp, "show_agc", 1); }
  void set_show_agc(int on) { store_.set_int(kAgcComp, "show_agc", on); }
  int show_cmp() const { return store_.get_int(kAgcComp, "show_cmp", 0); }
  void set_show_cmp(int on) { store_.set_int(kAgcComp, "show_cmp", on); }

  // FACTORY
  bool guru() const { return store_.get_bool(kFactory, "GURU", false); }
  void set_guru(bool on) { store_.set_bool(kFactory, "GURU", on); }
  int tech() const { return store_.get_int(kFactory, "TECH", 0); }
  bool tech_mode() const { return tech() > 0; }
  void set_tech(int level) { store_.set_int(kFactory, "TECH", level); }
  bool stay_virgin() const { return store_.get_bool(kFactory, "STAY_VIRGIN", false); }
  void set_stay_virgin(bool on) { store_.set_bool(kFactory, "STAY_VIRGIN", on); }

  // DEVICE
  tcString device_name() const {
    return store_.get_text(kDevice, "name", kNoDevice, kDeviceNameMax);
  }
  void set_device_name(const char* name) { store_.set_text(kDevice, "name", name); }
  int force_connect() const { return store_.get_int(kDevice, "forceconnect", 0); }
  void set_force_connect(int on) { store_.set_int(kDevice, "forceconnect", on); }

  // SKIN
  tcString skin_name() const { return store_.get_text(kSkin, "name", kDefaultSkin, kSkinNameMax); }
  void set_skin_name(const char* name) { store_.set_text(kSkin, "name", name); }
  int skin_file() const { return store_.get_int(kSkin, "file", 1); }
  void set_skin_file(int packed) { store_.set_int(kSkin, "file", packed); }

  // ANALYSIS: the analysis window's geometry and pane visibility
  tcString analysis_geometry() const { return store_.get_text(kAnalysis, "geometry", ""); }
  void set_analysis_geometry(const char* hex) { store_.set_text(kAnalysis, "geometry", hex); }
  int analysis_vwnd() const { return store_.get_int(kAnalysis, "vwnd", 1); }
  void set_analysis_vwnd(int on) { store_.set_int(kAnalysis, "vwnd", on); }
  int analysis_awnd() const { return store_.get_int(kAnalysis, "awnd", 1); }
  void set_analysis_awnd(int on) { store_.set_int(kAnalysis, "awnd", on); }
  int analysis_gwnd() const { return store_.get_int(kAnalysis, "gwnd", 1); }
  void set_analysis_gwnd(int on) { store_.set_int(kAnalysis, "gwnd", on); }

  // PRESETS
  tcString packages() const { return store_.get_text(kPresets, "packages", ""); }
  void set_packages(const char* list) { store_.set_text(kPresets, "packages", list); }

 private:
  static constexpr const char* kOptions = "OPTIONS";
  static constexpr const char* kAgcComp = "AGCCOMP";
  static constexpr const char* kFactory = "FACTORY";
  static constexpr const char* kDevice = "DEVICE";
  static constexpr const char* kSkin = "SKIN";
  static constexpr const char* kAnalysis = "ANALYSIS";
  static constexpr const char* kPresets = "PRESETS";

  tcOptionStore store_;
};
