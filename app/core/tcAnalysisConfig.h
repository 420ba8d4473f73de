#pragma once
// Analysis and meter display settings, "qx770xpro_analysis_cfg.ini"; the
// section is the view's or meter panel's name. Keys whose default differs
// between views take it from the caller.
#include <QString>

#include "app/core/tcOptionStore.h"

class tcAnalysisConfig {
 public:
  static constexpr const char* kFileName = "qx770xpro_analysis_cfg.ini";

  explicit tcAnalysisConfig(const QString& path) : store_(path, tcOptionStore::kXml) {}

  tcOptionStore& store() { return store_; }
  int flush() { return store_.flush(); }
  const QString& write_error() const { return store_.write_error(); }

  int db_top(const char* s, int def) const { return store_.get_int(s, "db_top", def); }
  void set_db_top(const char* s, int v) { store_.set_int(s, "db_top", v); }
  int db_range(const char* s, int def) const { return store_.get_int(s, "db_range", def); }
  void set_db_range(const char* s, int v) { store_.set_int(s, "db_range", v); }
  bool h_grid(const char* s, bool def) const { return store_.get_bool(s, "h_grid", def); }
  void set_h_grid(const char* s, bool v) { store_.set_bool(s, "h_grid", v); }
  bool v_grid(const char* s, bool def) const { return store_.get_bool(s, "v_grid", def); }
  void set_v_grid(const char* s, bool v) { store_.set_bool(s, "v_grid", v); }
  bool gaxis(const char* s, bool def) const { return store_.get_bool(s, "gaxis", def); }
  void set_gaxis(const char* s, bool v) { store_.set_bool(s, "gaxis", v); }
  tcString gradient(const char* s, const char* def) const {
    return store_.get_text(s, "gradient", def);
  }
  void set_gradient(const char* s, const char* v) { store_.set_text(s, "gradient", v); }
  bool fft_ghost(const char* s) const { return store_.get_bool(s, "fft_ghost", true); }
  void set_fft_ghost(const char* s, bool v) { store_.set_bool(s, "fft_ghost", v); }
  bool legend(const char* s) const { return store_.get_bool(s, "legend", true); }
  void set_legend(const char* s, bool v) { store_.set_bool(s, "legend", v); }
  // Colours are six hex digits RRGGBB.
  tcString bar_color(const char* s, const char* def) const {
    return store_.get_text(s, "bar_color", def);
  }
  void set_bar_color(const char* s, const char* v) { store_.set_text(s, "bar_color", v); }
  tcString lpk_color(const char* s) const { return store_.get_text(s, "lpk_color", "00C0FF"); }
  void set_lpk_color(const char* s, const char* v) { store_.set_text(s, "lpk_color", v); }
  tcString hpk_color(const char* s) const { return store_.get_text(s, "hpk_color", "FF3333"); }
  void set_hpk_color(const char* s, const char* v) { store_.set_text(s, "hpk_color", v); }
  bool hipkhld(const char* s) const { return store_.get_bool(s, "hipkhld", true); }
  void set_hipkhld(const char* s, bool v) { store_.set_bool(s, "hipkhld", v); }
  bool lopkhld(const char* s, bool def) const { return store_.get_bool(s, "lopkhld", def); }
  void set_lopkhld(const char* s, bool v) { store_.set_bool(s, "lopkhld", v); }
  int space(const char* s) const { return store_.get_int(s, "space", 1); }
  void set_space(const char* s, int v) { store_.set_int(s, "space", v); }
  int oline(const char* s) const { return store_.get_int(s, "oline", 0); }
  void set_oline(const char* s, int v) { store_.set_int(s, "oline", v); }
  int xshift(const char* s) const { return store_.get_int(s, "xshift", 2); }
  void set_xshift(const char* s, int v) { store_.set_int(s, "xshift", v); }
  int yshift(const char* s) const { return store_.get_int(s, "yshift", 2); }
  void set_yshift(const char* s, int v) { store_.set_int(s, "yshift", v); }
  int numleds(const char* s, int def) const { return store_.get_int(s, "numleds", def); }
  void set_numleds(const char* s, int v) { store_.set_int(s, "numleds", v); }
  tcString fg_gradient(const char* s, const char* def) const {
    return store_.get_text(s, "fg_gradient", def);
  }
  void set_fg_gradient(const char* s, const char* v) { store_.set_text(s, "fg_gradient", v); }
  tcString bg_gradient(const char* s, const char* def) const {
    return store_.get_text(s, "bg_gradient", def);
  }
  void set_bg_gradient(const char* s, const char* v) { store_.set_text(s, "bg_gradient", v); }

 private:
  tcOptionStore store_;
};
