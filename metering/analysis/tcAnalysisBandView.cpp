#include "metering/analysis/tcAnalysisBandView.h"

#include <cmath>

#include "app/core/tcAnalysisOptions.h"
#include "link/protocol/tcSpectrum.h"

tcAnalysisBandView::tcAnalysisBandView(int type, const char* section, unsigned keys,
                                       tcAnalysisConfig& config, tcAnalysisOptions& options)
    : tcAnalysisView(type, section, keys, config), options_(options) {}

void tcAnalysisBandView::read_settings() {
  tcAnalysisView::read_settings();
  const double frames = options_.intg_time(section(), kDefaultIntgFrames);
  dynamics_.set_frames(std::isfinite(frames) && std::fabs(frames) < 1e6
                           ? static_cast<int>(std::lround(frames))
                           : kDefaultIntgFrames);
  dynamics_.set_release(options_.rls_rate(section()));
  peak_hold_ = options_.peak_hold(section(), true);
}

void tcAnalysisBandView::set_intg_time(int frames) {
  dynamics_.set_frames(frames);
  options_.set_intg_time(section(), dynamics_.frames());
}

void tcAnalysisBandView::set_rls_rate(int rate) {
  dynamics_.set_release(rate);
  options_.set_rls_rate(section(), dynamics_.release());
}

void tcAnalysisBandView::set_peak_hold(bool on) {
  peak_hold_ = on;
  options_.set_peak_hold(section(), on);
}

void tcAnalysisBandView::take(const uint8_t* block) {
  dynamics_.add(tcSpectrum::band_levels(block));
}

void tcAnalysisBandView::clear() {
  dynamics_.reset();
}

QRect tcAnalysisBandView::band_rect(int band, const QRect& plot) const {
  const double pitch = static_cast<double>(plot.width()) / tcSpectrum::kBands;
  const int left = plot.left() + static_cast<int>(band * pitch + pitch * 0.15);
  const int right = plot.left() + static_cast<int>((band + 1) * pitch - pitch * 0.15);
  return QRect(left, plot.top(), std::max(1, right - left), plot.height());
}
