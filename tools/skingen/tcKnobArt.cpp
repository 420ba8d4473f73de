#include "tools/skingen/tcKnobArt.h"

#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

#include "tools/skingen/tcSkinPalette.h"
#include "tools/skingen/tcStrip.h"

const tcKnobArt::Size tcKnobArt::kLarge{56, 25.0, 3.5, 18.5, 2.6};
const tcKnobArt::Size tcKnobArt::kSmall{40, 17.5, 3.0, 12.5, 2.2};

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kLedPitch = tcKnobArt::kSweep / (tcKnobArt::kLastLed - tcKnobArt::kFirstLed);
constexpr double kSegment = 5.5;  // degrees of arc a segment covers

// Degrees clockwise from straight up.
QPointF polar(const QPointF& centre, double radius, double degrees) {
  const double a = degrees * kPi / 180.0;
  return centre + QPointF(radius * std::sin(a), -radius * std::cos(a));
}

double led_angle(int led) {
  return (led - (tcKnobArt::kFirstLed + tcKnobArt::kLastLed) / 2) * kLedPitch;
}

void segment(QPainter& p, const tcKnobArt::Size& s, int led, const QPen& pen) {
  const QPointF c(s.box / 2.0, s.box / 2.0);
  const QRectF arc(c.x() - s.ring, c.y() - s.ring, 2 * s.ring, 2 * s.ring);
  // QPainter counts counter-clockwise from three o'clock.
  const double start = 90.0 - led_angle(led) + kSegment / 2;
  QPainterPath path;
  path.arcMoveTo(arc, start);
  path.arcTo(arc, start, -kSegment);
  p.strokePath(path, pen);
}

}  // namespace

QImage tcKnobArt::knob(const Size& s) {
  return tcStrip::make(s.box, s.box, kPositions, [&s](QPainter& p, int section) {
    const QPointF c(s.box / 2.0, s.box / 2.0);
    const QPen off(tcSkinPalette::kLedOff, s.ring_width, Qt::SolidLine, Qt::RoundCap);
    for (int led = kFirstLed; led <= kLastLed; ++led) segment(p, s, led, off);

    // A soft shadow below, a rim lit from above, a darker face.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 110));
    p.drawEllipse(c + QPointF(0, 1.5), s.body + 1.0, s.body + 1.0);
    QLinearGradient rim(0, c.y() - s.body, 0, c.y() + s.body);
    rim.setColorAt(0.0, QColor(0x5a, 0x63, 0x6f));
    rim.setColorAt(1.0, QColor(0x1a, 0x1e, 0x23));
    p.setBrush(rim);
    p.drawEllipse(c, s.body, s.body);
    QRadialGradient face(c - QPointF(0, s.body * 0.4), s.body * 1.3);
    face.setColorAt(0.0, QColor(0x3c, 0x43, 0x4d));
    face.setColorAt(1.0, QColor(0x23, 0x28, 0x2f));
    p.setBrush(face);
    p.drawEllipse(c, s.body - 1.6, s.body - 1.6);

    const double angle = -kSweep / 2 + kSweep * section / (kPositions - 1);
    p.setPen(QPen(tcSkinPalette::kText, s.pointer, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(polar(c, s.body * 0.28, angle), polar(c, s.body - 3.2, angle));
  });
}

QImage tcKnobArt::leds(const Size& s, const QColor& colour) {
  // Drawn as coverage, then coloured: one colour at many strengths keeps the
  // strip within a colour table.
  QImage strip = tcStrip::make(s.box, s.box, kLedSections, [&s](QPainter& p, int led) {
    if (led < kFirstLed) return;
    segment(p, s, led,
            QPen(QColor(255, 255, 255, 70), s.ring_width + 2.5, Qt::SolidLine, Qt::RoundCap));
    segment(p, s, led, QPen(Qt::white, s.ring_width, Qt::SolidLine, Qt::RoundCap));
  });
  for (int y = 0; y < strip.height(); ++y) {
    QRgb* line = reinterpret_cast<QRgb*>(strip.scanLine(y));
    for (int x = 0; x < strip.width(); ++x) {
      line[x] = qRgba(colour.red(), colour.green(), colour.blue(), qAlpha(line[x]));
    }
  }
  return strip;
}
