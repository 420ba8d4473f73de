#include "metering/meters/tcGradient.h"

#include <QColor>
#include <QStringList>
#include <algorithm>

QGradientStops tcGradient::fallback() {
  return {{0.0, QColor::fromRgba(0xFF000040)},
          {0.1, QColor::fromRgba(0xFF0000FF)},
          {1.0, QColor::fromRgba(0xFFFF0000)}};
}

bool tcGradient::parse_colour(const QString& text, QRgb* out) {
  const QString t = text.trimmed();
  if (t.size() != 6) return false;
  bool ok = false;
  const uint rgb = t.toUInt(&ok, 16);
  if (!ok) return false;
  *out = 0xFF000000u | rgb;
  return true;
}

QString tcGradient::colour_text(QRgb colour) {
  return QString::asprintf("%06X", colour & 0xFFFFFFu);
}

QGradientStops tcGradient::parse(const QString& text) {
  QGradientStops stops;
  for (const QString& stop : text.split(';', Qt::SkipEmptyParts)) {
    const QStringList parts = stop.split(',');
    if (parts.size() != 2) continue;
    bool ok = false;
    const double pos = parts[0].trimmed().toDouble(&ok);
    QRgb rgb = 0;
    if (!ok || !parse_colour(parts[1], &rgb)) continue;
    stops.append({std::clamp(pos, 0.0, 1.0), QColor::fromRgba(rgb)});
  }
  if (stops.isEmpty()) return fallback();
  std::stable_sort(stops.begin(), stops.end(), [](const QGradientStop& a, const QGradientStop& b) {
    return a.first < b.first;
  });
  return stops;
}
