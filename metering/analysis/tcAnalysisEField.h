#pragma once
// Energy versus frequency: per band the integrated level as a bar, with the
// high- and low-peak envelopes as markers.
#include "metering/analysis/tcAnalysisBandView.h"

class tcAnalysisEField : public tcAnalysisBandView {
 public:
  static constexpr const char* kSection = "EFIELDPLOT";

  tcAnalysisEField(tcAnalysisConfig& config, tcAnalysisOptions& options);

  QString dialog_title() const override { return QStringLiteral("E vs F Settings"); }
  std::vector<Field> fields() const override;
  tcViewSettings defaults() const override;

 protected:
  void paint_data(QPainter& painter, const QRect& plot) override;
};
