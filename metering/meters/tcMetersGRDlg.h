#pragma once
// Settings of the gain-reduction panel.
#include "metering/meters/tcMetersDlg.h"

class tcMetersGRDlg : public tcMetersDlg {
  Q_OBJECT
 public:
  explicit tcMetersGRDlg(tcMeters& panel, QWidget* parent = nullptr)
      : tcMetersDlg(panel, QStringLiteral("Gain Reduction Meter Settings"),
                    QStringLiteral("Number of LEDS (0=continuous):"), parent) {}
};
