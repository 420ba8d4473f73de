#include "tools/skingen/tcFixtureArt.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "tools/skingen/tcSkinPalette.h"
#include "tools/skingen/tcStrip.h"

namespace {

const QColor kConnector(0x6b, 0x75, 0x82);

void chevron(QPainter& p, const QPointF& tip, double half, double depth, const QColor& c) {
  QPainterPath path;
  path.moveTo(tip + QPointF(-half, -depth));
  path.lineTo(tip);
  path.lineTo(tip + QPointF(half, -depth));
  p.setPen(QPen(c, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(path);
}

// Segments 2 pixels high with a 1-pixel gap, each in the colour of its height.
template <class ColourAt>
void segments(QPainter& p, int w, int h, ColourAt colour_at) {
  for (int y = 0; y + 2 <= h; y += 3) p.fillRect(QRect(0, y, w, 2), colour_at(y / double(h)));
}

QImage six(int w, int h, const std::function<void(QPainter&, bool lit)>& draw) {
  return tcStrip::make(w, h, 6, [&draw](QPainter& p, int section) { draw(p, section != 0); });
}

QColor unlit(const QColor& c) {
  return tcSkinPalette::mix(c, tcSkinPalette::kField, 0.22);
}

}  // namespace

QImage tcFixtureArt::background() {
  // Two flat colours: the panel loads its largest picture as one bit a pixel.
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  image.fill(tcSkinPalette::kFace);
  QPainter p(&image);
  p.fillRect(QRect(0, 0, kWidth, kDragBand), tcSkinPalette::kTitleBand);
  return image;
}

QImage tcFixtureArt::combo_arrows(int w, int h) {
  return tcStrip::make(w, h, 3, [w, h](QPainter& p, int held) {
    p.fillRect(QRect(0, 0, w, h), QColor(0x1a, 0x1e, 0x24));
    if (held != 0) {
      const QRect half = held == 1 ? QRect(0, 0, w, h / 2) : QRect(0, h / 2, w, h - h / 2);
      p.fillRect(half, QColor(0x30, 0x37, 0x41));
    }
    p.fillRect(QRect(0, 0, 1, h), tcSkinPalette::kBorder);
    const double cx = w / 2.0;
    const QColor up = held == 1 ? tcSkinPalette::kText : tcSkinPalette::kTextDim;
    const QColor down = held == 2 ? tcSkinPalette::kText : tcSkinPalette::kTextDim;
    p.save();
    p.translate(cx, h / 2.0 - 3.5);
    p.scale(1, -1);  // the up arrow is the down chevron mirrored
    chevron(p, QPointF(0, 0), 4.0, 3.5, up);
    p.restore();
    chevron(p, QPointF(cx, h / 2.0 + 7.0), 4.0, 3.5, down);
  });
}

QImage tcFixtureArt::rail(int w, int h) {
  return tcStrip::make(w, h, 1, [w, h](QPainter& p, int) {
    const double cy = h / 2.0;
    p.setPen(QPen(QColor(0x3a, 0x41, 0x4b), 1.0));
    for (int i = 0; i <= 10; ++i) {
      const double x = 6.0 + (w - 12.0) * i / 10.0;
      const double len = i % 5 == 0 ? 4.0 : 2.0;
      p.drawLine(QPointF(x, h - 1.0 - len), QPointF(x, h - 1.0));
    }
    p.setPen(QPen(tcSkinPalette::kBorder, 1.0));
    p.setBrush(tcSkinPalette::kField);
    p.drawRoundedRect(QRectF(2.5, cy - 2.5, w - 5.0, 5.0), 2.5, 2.5);
  });
}

QImage tcFixtureArt::thumb(int w, int h, const QColor& accent) {
  return tcStrip::make(w, h, 2, [w, h, &accent](QPainter& p, int active) {
    const QRectF box(0.5, 0.5, w - 1.0, h - 1.0);
    QLinearGradient fill(0, 0, 0, h);
    fill.setColorAt(0.0, active ? QColor(0xf2, 0xf4, 0xf7) : QColor(0xc9, 0xd0, 0xd8));
    fill.setColorAt(1.0, active ? QColor(0xc9, 0xd0, 0xd8) : QColor(0x8d, 0x96, 0xa1));
    p.setPen(QPen(active ? accent : QColor(0x14, 0x17, 0x1b), 1.0));
    p.setBrush(fill);
    p.drawRoundedRect(box, 3, 3);
    p.setPen(QPen(active ? accent : QColor(0x3a, 0x41, 0x4b), 2.0));
    p.drawLine(QPointF(w / 2.0, 4.0), QPointF(w / 2.0, h - 4.0));
  });
}

QImage tcFixtureArt::level_bar(int w, int h) {
  return six(w, h, [w, h](QPainter& p, bool lit) {
    segments(p, w, h, [lit](double from_top) {
      // The top of a 40 dB bar: 2 dB is 5 % of its length, 6 dB is 15 %.
      const QColor c = from_top < 0.05   ? tcSkinPalette::kMeterRed
                       : from_top < 0.15 ? tcSkinPalette::kMeterAmber
                                         : tcSkinPalette::kMeterGreen;
      return lit ? c : unlit(c);
    });
  });
}

QImage tcFixtureArt::reduction_bar(int w, int h) {
  return six(w, h, [w, h](QPainter& p, bool lit) {
    segments(p, w, h, [lit](double from_top) {
      const QColor c =
          tcSkinPalette::mix(tcSkinPalette::kMeterRed, tcSkinPalette::kMeterAmber, from_top);
      return lit ? c : unlit(c);
    });
  });
}

QImage tcFixtureArt::overload(int w, int h) {
  return six(w, h, [w, h](QPainter& p, bool lit) {
    p.fillRect(QRect(0, 0, w, h), lit ? tcSkinPalette::kMeterRed : unlit(tcSkinPalette::kMeterRed));
  });
}

QImage tcFixtureArt::arrow_right(int w, int h) {
  return tcStrip::make(w, h, 1, [w, h](QPainter& p, int) {
    const double cy = h / 2.0;
    p.setPen(QPen(kConnector, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(0.5, cy), QPointF(w - 2.0, cy));
    p.save();
    p.translate(w - 1.5, cy);
    p.rotate(-90);
    chevron(p, QPointF(0, 0), 3.5, 4.0, kConnector);
    p.restore();
  });
}
