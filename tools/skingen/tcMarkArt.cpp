#include "tools/skingen/tcMarkArt.h"

#include <QPainter>
#include <QPainterPath>

#include "tools/skingen/tcSkinPalette.h"
#include "tools/skingen/tcStrip.h"

namespace {

QColor outline(bool hovered) {
  return hovered ? tcSkinPalette::kText : tcSkinPalette::kTextDim;
}

QColor brighter(const QColor& c) {
  return tcSkinPalette::mix(QColor(255, 255, 255), c, 0.25);
}

void glow(QPainter& p, const QColor& colour, const QRectF& r, bool round) {
  QColor halo = colour;
  halo.setAlpha(70);
  p.setPen(Qt::NoPen);
  p.setBrush(halo);
  const QRectF wide = r.adjusted(-1.5, -1.5, 1.5, 1.5);
  if (round) {
    p.drawEllipse(wide);
  } else {
    p.drawRoundedRect(wide, 4, 4);
  }
}

}  // namespace

QImage tcMarkArt::check(const QColor& accent, int width) {
  return tcStrip::make(width, kSide, 6, [&accent](QPainter& p, int section) {
    const bool on = section >= 3;
    const int press = section % 3;  // rest, hovered, armed
    const QRectF box(2.5, 2.5, 11, 11);
    if (on) {
      QColor fill = press == 1 ? brighter(accent) : accent;
      if (press == 2) fill = fill.darker(130);
      glow(p, fill, box, false);
      p.setPen(Qt::NoPen);
      p.setBrush(fill);
      p.drawRoundedRect(box, 2.5, 2.5);
      QPainterPath tick;
      tick.moveTo(5.2, 8.2);
      tick.lineTo(7.3, 10.3);
      tick.lineTo(11.0, 5.8);
      p.setPen(QPen(tcSkinPalette::kField, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
      p.setBrush(Qt::NoBrush);
      p.drawPath(tick);
    } else {
      p.setPen(QPen(outline(press != 0), 1.4));
      p.setBrush(press == 2 ? QColor(0x2c, 0x32, 0x3a) : tcSkinPalette::kField);
      p.drawRoundedRect(box, 2.5, 2.5);
    }
  });
}

QImage tcMarkArt::radio(const QColor& accent, int width) {
  return tcStrip::make(width, kSide, 4, [&accent](QPainter& p, int section) {
    const bool on = section >= 2;
    const bool hovered = section % 2 != 0;
    const QPointF c(8, 8);
    const QColor ring = on ? (hovered ? brighter(accent) : accent) : outline(hovered);
    p.setPen(QPen(ring, 1.4));
    p.setBrush(tcSkinPalette::kField);
    p.drawEllipse(c, 6.0, 6.0);
    if (on) {
      glow(p, ring, QRectF(c.x() - 3.2, c.y() - 3.2, 6.4, 6.4), true);
      p.setBrush(ring);
      p.drawEllipse(c, 3.2, 3.2);
    }
  });
}

QImage tcMarkArt::status_lamp() {
  return tcStrip::make(kSide, kSide, 3, [](QPainter& p, int state) {
    const QPointF c(8, 8);
    switch (state) {
      case 0:
        glow(p, tcSkinPalette::kStatusOk, QRectF(2, 2, 12, 12), true);
        p.setBrush(tcSkinPalette::kStatusOk);
        p.drawEllipse(c, 5.5, 5.5);
        break;
      case 1: {
        QPainterPath triangle;
        triangle.moveTo(8, 1.5);
        triangle.lineTo(14.8, 14);
        triangle.lineTo(1.2, 14);
        triangle.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(tcSkinPalette::kStatusAlarm);
        p.drawPath(triangle);
        p.setPen(QPen(tcSkinPalette::kField, 1.8, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(8, 5.8), QPointF(8, 9.4));
        p.drawPoint(QPointF(8, 12.0));
        break;
      }
      default:
        p.setPen(QPen(tcSkinPalette::kStatusUnknown, 1.6));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(c, 5.0, 5.0);
        break;
    }
  });
}

QImage tcMarkArt::lamp(const QColor& accent) {
  return tcStrip::make(kSmallLamp, kSmallLamp, 2, [&accent](QPainter& p, int state) {
    const QPointF c(6, 6);
    if (state == 1) {
      glow(p, accent, QRectF(1.5, 1.5, 9, 9), true);
      p.setBrush(accent);
      p.drawEllipse(c, 4.2, 4.2);
    } else {
      p.setPen(QPen(tcSkinPalette::kTextDim, 1.3));
      p.setBrush(Qt::NoBrush);
      p.drawEllipse(c, 3.8, 3.8);
    }
  });
}
