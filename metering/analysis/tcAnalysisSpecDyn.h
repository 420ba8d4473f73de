#pragma once
// Spectral dynamic range: per band the span between the low- and the
// high-peak envelopes, with the integrated level marked inside it.
#include "metering/analysis/tcAnalysisBandView.h"

class tcAnalysisSpecDyn : public tcAnalysisBandView {
 public:
  static constexpr const char* kSection = "SDR";

  tcAnalysisSpecDyn(tcAnalysisConfig& config, tcAnalysisOptions& options);

  QString dialog_title() const override {
    return QStringLiteral("Spectral Dynamic Range Settings");
  }
  std::vector<Field> fields() const override;
  tcViewSettings defaults() const override;

 protected:
  void paint_data(QPainter& painter, const QRect& plot) override;
};
