#pragma once
// Analysis measurement settings, "qx770xpro_analysis.ini"; the section is the
// analysis view's name.
#include <QString>

#include "app/core/tcOptionStore.h"

class tcAnalysisOptions {
 public:
  static constexpr const char* kFileName = "qx770xpro_analysis.ini";

  explicit tcAnalysisOptions(const QString& path) : store_(path, tcOptionStore::kXml) {}

  tcOptionStore& store() { return store_; }
  int flush() { return store_.flush(); }
  const QString& write_error() const { return store_.write_error(); }

  double intg_time(const char* view, double def) const {
    return store_.get_float(view, "intg_time", def);
  }
  void set_intg_time(const char* view, double t) { store_.set_float(view, "intg_time", t); }
  int rls_rate(const char* view) const { return store_.get_int(view, "rls_rate", 10); }
  void set_rls_rate(const char* view, int rate) { store_.set_int(view, "rls_rate", rate); }
  bool peak_hold(const char* view, bool def = false) const {
    return store_.get_bool(view, "peak_hold", def);
  }
  void set_peak_hold(const char* view, bool on) { store_.set_bool(view, "peak_hold", on); }

 private:
  tcOptionStore store_;
};
