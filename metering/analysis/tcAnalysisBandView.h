#pragma once
// A view of the 31 band levels over time (E vs F, SDR): each spectrum frame
// goes through tcBandDynamics; integration length, release rate and peak view
// live in the analysis options file under the view's section.
#include "metering/analysis/tcAnalysisView.h"
#include "metering/analysis/tcBandDynamics.h"

class tcAnalysisOptions;

class tcAnalysisBandView : public tcAnalysisView {
 public:
  static constexpr int kDefaultIntgFrames = 4;
  static constexpr int kDefaultRelease = 10;

  tcAnalysisBandView(int type, const char* section, unsigned keys, tcAnalysisConfig& config,
                     tcAnalysisOptions& options);

  void read_settings() override;

  // Frames integrated (1 to 16), release rate (1 to 50) and peak view; each
  // takes effect at once and is kept in the options file.
  int intg_time() const { return dynamics_.frames(); }
  void set_intg_time(int frames);
  int rls_rate() const { return dynamics_.release(); }
  void set_rls_rate(int rate);
  bool peak_hold() const { return peak_hold_; }
  void set_peak_hold(bool on);

  const tcBandDynamics& dynamics() const { return dynamics_; }
  tcAnalysisOptions& options() { return options_; }

 protected:
  void take(const uint8_t* block) override;
  void clear() override;
  // The pixel span of band `b` on the x axis (a bar with gaps between).
  QRect band_rect(int band, const QRect& plot) const;

  tcBandDynamics dynamics_;

 private:
  tcAnalysisOptions& options_;
  bool peak_hold_ = true;
};
