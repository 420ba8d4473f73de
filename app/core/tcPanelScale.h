#pragma once
// The panel scale, "ap_scale.ini" in the data directory: a plain profile file
// with section "scale", keys "X" and "Y" (default "1.0" each).
#include <QString>

class tcPanelScale {
 public:
  static constexpr const char* kFileName = "ap_scale.ini";

  // Reads the file in `data_dir`; a missing file or key, or a factor that is not
  // a positive number, scales by 1.0.
  explicit tcPanelScale(const QString& data_dir);

  double x() const { return x_; }
  double y() const { return y_; }

 private:
  double x_ = 1.0;
  double y_ = 1.0;
};
