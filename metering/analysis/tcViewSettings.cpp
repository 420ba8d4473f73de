#include "metering/analysis/tcViewSettings.h"

#include "app/core/tcAnalysisConfig.h"
#include "metering/meters/tcGradient.h"

namespace {

bool is_colour(const QString& text) {
  QRgb rgb = 0;
  return tcGradient::parse_colour(text, &rgb);
}

QByteArray bytes(const QString& text) {
  return text.toLocal8Bit();
}

}  // namespace

QString tcViewSettings::validate(unsigned keys) const {
  if ((keys & kSpace) && (space < 0 || space > kMaxSpace))
    return QStringLiteral("Invalid Spacing (0 to 10)");
  if (keys & kShift) {
    if (xshift < kMinShift || xshift > kMaxShift) return QStringLiteral("Invalid X Shift (1 to 5)");
    if (yshift < kMinShift || yshift > kMaxShift) return QStringLiteral("Invalid Y Shift (1 to 5)");
  }
  if (keys & kTopRange) {
    if (db_top < kMinTop || db_top > kMaxTop) return QStringLiteral("Invalid dbFS Top (0 to -30)");
    if (db_range < kMinRange || db_range > kMaxRange || db_top - db_range <= kFloorDb)
      return QStringLiteral(
          "Invalid db Range (12 to 50) \nand top - range must be greater than -50");
  }
  if ((keys & kBarColour) && !is_colour(bar_color))
    return QStringLiteral("Invalid Bar Color (six hexadecimal digits)");
  if (keys & kPeakColours) {
    if (!is_colour(lpk_color)) return QStringLiteral("Invalid Lo Color (six hexadecimal digits)");
    if (!is_colour(hpk_color)) return QStringLiteral("Invalid Hi Color (six hexadecimal digits)");
  }
  return QString();
}

void tcViewSettings::read(const tcAnalysisConfig& c, const char* s, const tcViewSettings& def,
                          unsigned keys) {
  *this = def;
  if (keys & kTopRange) {
    db_top = c.db_top(s, def.db_top);
    db_range = c.db_range(s, def.db_range);
  }
  if (keys & kHGrid) h_grid = c.h_grid(s, def.h_grid);
  if (keys & kVGrid) v_grid = c.v_grid(s, def.v_grid);
  if (keys & kGAxis) gaxis = c.gaxis(s, def.gaxis);
  if (keys & kGradient) gradient = c.gradient(s, bytes(def.gradient).constData()).toQString();
  if (keys & kSpace) space = c.space(s);
  if (keys & kOline) oline = c.oline(s) > 0;
  if (keys & kShift) {
    xshift = c.xshift(s);
    yshift = c.yshift(s);
  }
  if (keys & kBarColour) bar_color = c.bar_color(s, bytes(def.bar_color).constData()).toQString();
  if (keys & kPeakColours) {
    lpk_color = c.lpk_color(s).toQString();
    hpk_color = c.hpk_color(s).toQString();
  }
  if (keys & kPeakShow) {
    hipkhld = c.hipkhld(s);
    lopkhld = c.lopkhld(s, def.lopkhld);
  }
  if (keys & kGhost) fft_ghost = c.fft_ghost(s);
  if (keys & kLegend) legend = c.legend(s);
  // A hand-edited file must not break the scales: values the dialog would
  // refuse take their defaults.
  if (!validate(keys & kTopRange).isEmpty()) {
    db_top = def.db_top;
    db_range = def.db_range;
  }
  if (!validate(keys & kSpace).isEmpty()) space = def.space;
  if (!validate(keys & kShift).isEmpty()) {
    xshift = def.xshift;
    yshift = def.yshift;
  }
}

void tcViewSettings::write(tcAnalysisConfig& c, const char* s, unsigned keys) const {
  if (keys & kTopRange) {
    c.set_db_top(s, db_top);
    c.set_db_range(s, db_range);
  }
  if (keys & kHGrid) c.set_h_grid(s, h_grid);
  if (keys & kVGrid) c.set_v_grid(s, v_grid);
  if (keys & kGAxis) c.set_gaxis(s, gaxis);
  if (keys & kGradient) c.set_gradient(s, bytes(gradient).constData());
  if (keys & kSpace) c.set_space(s, space);
  if (keys & kOline) c.set_oline(s, oline ? 1 : 0);
  if (keys & kShift) {
    c.set_xshift(s, xshift);
    c.set_yshift(s, yshift);
  }
  if (keys & kBarColour) c.set_bar_color(s, bytes(bar_color.toUpper()).constData());
  if (keys & kPeakColours) {
    c.set_lpk_color(s, bytes(lpk_color.toUpper()).constData());
    c.set_hpk_color(s, bytes(hpk_color.toUpper()).constData());
  }
  if (keys & kPeakShow) {
    c.set_hipkhld(s, hipkhld);
    c.set_lopkhld(s, lopkhld);
  }
  if (keys & kGhost) c.set_fft_ghost(s, fft_ghost);
  if (keys & kLegend) c.set_legend(s, legend);
}
