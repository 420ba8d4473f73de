#include "tools/skingen/tcKeyArt.h"

#include <QPainter>
#include <QPainterPath>

#include "tools/skingen/tcStrip.h"

namespace {

constexpr double kRadius = 4.0;

QColor lighter(const QColor& c, int percent) {
  return tcSkinPalette::mix(QColor(255, 255, 255), c, percent / 100.0);
}

void draw_light(QPainter& p, const QRectF& box, const tcKeyArt::Look& look) {
  const QRectF bar(box.left() + 5.0, box.center().y() - 7.0, 4.0, 14.0);
  const QColor colour = look.accent == tcAccent::kGrey && !look.lit
                            ? tcSkinPalette::kText
                            : lighter(tcSkinPalette::accent(look.accent), look.lit ? 25 : 0);
  if (look.light == tcKeyArt::kLightOn) {
    QColor glow = colour;
    glow.setAlpha(80);
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawRoundedRect(bar.adjusted(-1.5, -1.5, 1.5, 1.5), 3, 3);
    p.setBrush(colour);
    p.drawRoundedRect(bar, 1.5, 1.5);
  } else {
    p.setPen(QPen(tcSkinPalette::kTextDim, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(bar.adjusted(0.4, 0.4, -0.4, -0.4), 1.5, 1.5);
  }
}

void draw_icon(QPainter& p, const QRectF& box, tcKeyArt::Icon icon) {
  const QPointF c = box.center();
  p.setPen(QPen(tcSkinPalette::kText, 1.8, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  switch (icon) {
    case tcKeyArt::kAbout:
      p.drawLine(c + QPointF(0, -1), c + QPointF(0, 5));
      p.setPen(Qt::NoPen);
      p.setBrush(tcSkinPalette::kText);
      p.drawEllipse(c + QPointF(0, -4.6), 1.3, 1.3);
      break;
    case tcKeyArt::kMinimize:
      p.drawLine(c + QPointF(-5, 4), c + QPointF(5, 4));
      break;
    case tcKeyArt::kClose:
      p.drawLine(c + QPointF(-4.5, -4.5), c + QPointF(4.5, 4.5));
      p.drawLine(c + QPointF(-4.5, 4.5), c + QPointF(4.5, -4.5));
      break;
    case tcKeyArt::kNoIcon:
      break;
  }
}

}  // namespace

void tcKeyArt::draw(QPainter& p, const QRectF& outer, const Look& look) {
  p.save();
  if (look.dim) p.setOpacity(0.45);
  const QRectF box = outer.adjusted(0.5, 0.5, -0.5, -0.5);
  const QColor accent = tcSkinPalette::accent(look.accent);
  QColor top;
  QColor bottom;
  QColor border;
  if (look.lit) {
    const QColor deep = tcSkinPalette::deep(look.accent);
    top = lighter(deep, 10);
    bottom = deep;
    border = accent;
  } else {
    top = QColor(0x30, 0x36, 0x3f);
    bottom = QColor(0x27, 0x2c, 0x33);
    border = QColor(0x41, 0x49, 0x54);
  }
  if (look.light == kLightOff) {
    // A section switched off sinks into the panel.
    top = tcSkinPalette::mix(top, tcSkinPalette::kField, 0.5);
    bottom = tcSkinPalette::mix(bottom, tcSkinPalette::kField, 0.5);
    border = tcSkinPalette::mix(border, tcSkinPalette::kField, 0.7);
  }
  if (look.press == kHover) {
    top = lighter(top, 8);
    bottom = lighter(bottom, 8);
    border = lighter(border, 25);
  } else if (look.press == kDown) {
    top = bottom.darker(125);
    bottom = bottom.darker(115);
    border = look.lit ? accent : lighter(border, 35);
  }
  if (look.icon == kClose && look.press != kRest) {
    border = tcSkinPalette::kStatusAlarm;
  }
  // Flat faces: few colours keep the pictures within a colour table, which
  // the panel decodes four times faster.
  p.setPen(QPen(border, 1.0));
  p.setBrush(tcSkinPalette::mix(top, bottom, 0.5));
  p.drawRoundedRect(box, kRadius, kRadius);
  if (look.press != kDown) {
    // A hairline of light along the top edge reads as a raised key.
    p.setPen(QPen(QColor(255, 255, 255, look.lit ? 40 : 18), 1.0));
    p.drawLine(QPointF(box.left() + kRadius, box.top() + 1.0),
               QPointF(box.right() - kRadius, box.top() + 1.0));
  }
  if (look.light != kNoLight) draw_light(p, box, look);
  draw_icon(p, box, look.icon);
  p.restore();
}

QImage tcKeyArt::button(int w, int h, tcAccent accent, bool light, Icon icon) {
  return tcStrip::make(w, h, 12, [=](QPainter& p, int section) {
    const int state = section / 3;
    Look look;
    look.accent = accent;
    look.press = static_cast<Press>(section % 3);
    look.icon = icon;
    if (light) {
      look.lit = (state & 1) != 0;
      look.light = (state & 2) ? kLightOff : kLightOn;
    } else {
      look.lit = state == 1 || state == 3;
      look.dim = state >= 2;
    }
    draw(p, QRectF(0, 0, w, h), look);
  });
}

QImage tcKeyArt::on_off(int w, int h, tcAccent accent, const std::vector<Press>& presses) {
  const int n = static_cast<int>(presses.size());
  return tcStrip::make(w, h, 2 * n, [=](QPainter& p, int section) {
    Look look;
    look.accent = accent;
    look.lit = section >= n;
    look.light = look.lit ? kLightOn : kLightOff;
    look.press = presses[static_cast<size_t>(section % n)];
    draw(p, QRectF(0, 0, w, h), look);
  });
}

QImage tcKeyArt::toggle(int w, int h, tcAccent accent) {
  return on_off(w, h, accent, {kRest, kHover, kDown});
}

QImage tcKeyArt::segment(int w, int h, tcAccent accent) {
  return on_off(w, h, accent, {kRest, kHover});
}
