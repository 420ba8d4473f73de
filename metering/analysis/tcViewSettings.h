#pragma once
// The display settings of an analysis view, kept in the view's section of the
// analysis configuration file. A view uses some of the keys; `keys` says which.
#include <QString>

class tcAnalysisConfig;

struct tcViewSettings {
  enum Key : unsigned {
    kTopRange = 1u << 0,
    kHGrid = 1u << 1,
    kVGrid = 1u << 2,
    kGAxis = 1u << 3,
    kGradient = 1u << 4,
    kSpace = 1u << 5,
    kOline = 1u << 6,
    kShift = 1u << 7,
    kBarColour = 1u << 8,
    kPeakColours = 1u << 9,
    kPeakShow = 1u << 10,
    kGhost = 1u << 11,
    kLegend = 1u << 12,
  };
  static constexpr int kMinTop = -30;
  static constexpr int kMaxTop = 0;
  static constexpr int kMinRange = 12;
  static constexpr int kMaxRange = 50;
  static constexpr int kFloorDb = -50;  // top - range must stay above it
  static constexpr int kMaxSpace = 10;
  static constexpr int kMinShift = 1;
  static constexpr int kMaxShift = 5;
  // Stands for an integer field whose text is not a number: fails every check.
  static constexpr int kNotANumber = -999999;

  int db_top = -12;
  int db_range = 38;
  bool h_grid = true;
  bool v_grid = true;
  bool gaxis = true;
  QString gradient;
  int space = 1;
  bool oline = false;
  int xshift = 2;
  int yshift = 2;
  QString bar_color;
  QString lpk_color;
  QString hpk_color;
  bool hipkhld = true;
  bool lopkhld = false;
  bool fft_ghost = true;
  bool legend = true;

  // The first failing check of the keys in use, in the order the user is told
  // (spacing, shifts, top, range, colours); empty when all pass.
  QString validate(unsigned keys) const;
  // Reads the keys in use from `section`, each defaulting to `def`'s value;
  // a scale, spacing or shift the dialog would refuse takes the default.
  void read(const tcAnalysisConfig& config, const char* section, const tcViewSettings& def,
            unsigned keys);
  void write(tcAnalysisConfig& config, const char* section, unsigned keys) const;
};
