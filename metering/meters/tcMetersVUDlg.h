#pragma once
// Settings of the level panel.
#include "metering/meters/tcMetersDlg.h"

class tcMetersVUDlg : public tcMetersDlg {
  Q_OBJECT
 public:
  explicit tcMetersVUDlg(tcMeters& panel, QWidget* parent = nullptr)
      : tcMetersDlg(panel, QStringLiteral("VU Meter Settings"),
                    QStringLiteral("Number of LEDs (0=continuous):"), parent) {}
};
