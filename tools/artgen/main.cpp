// Draws the console's own images (window icon, splash screens, preset-tree
// icons) into a folder: artgen <output folder>. Run once; the results are kept
// in app/resources/.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <cstdio>
#include <functional>

namespace {

const QColor kNavy(0x0A, 0x14, 0x26);
const QColor kNavyLight(0x16, 0x2B, 0x4C);
const QColor kSteel(0x9F, 0xB4, 0xCC);
const QColor kSteelDark(0x4A, 0x60, 0x7C);
const QColor kCyan(0x3C, 0xC8, 0xFF);
const QColor kAmber(0xFF, 0xB0, 0x30);
const QColor kRed(0xE0, 0x40, 0x38);
const QColor kGreen(0x40, 0xC0, 0x60);

QFont font(int pixels, int weight, qreal spacing = 100) {
  QFont f(QStringLiteral("DejaVu Sans"));
  f.setPixelSize(pixels);
  f.setWeight(weight);
  f.setLetterSpacing(QFont::PercentageSpacing, spacing);
  return f;
}

QLinearGradient chrome(qreal top, qreal bottom) {
  QLinearGradient g(0, top, 0, bottom);
  g.setColorAt(0.0, QColor(0xF4, 0xF8, 0xFC));
  g.setColorAt(0.45, kSteel);
  g.setColorAt(0.55, kSteelDark);
  g.setColorAt(1.0, QColor(0xC8, 0xD6, 0xE6));
  return g;
}

// Text filled with a chrome gradient, centred on `centre_x` with its baseline at `baseline`.
void chrome_text(QPainter& p, const QString& text, const QFont& f, qreal centre_x, qreal baseline) {
  QPainterPath path;
  path.addText(0, 0, f, text);
  const QRectF box = path.boundingRect();
  path.translate(centre_x - box.center().x(), baseline);
  p.setPen(QPen(QColor(0, 0, 0, 160), 2.0));
  p.drawPath(path.translated(1.5, 1.5));
  p.setPen(Qt::NoPen);
  p.setBrush(chrome(baseline + box.top(), baseline + box.bottom()));
  p.drawPath(path);
}

// A row of LED meter segments, blue through amber to red.
void meter_row(QPainter& p, const QRectF& area, int segments, qreal level) {
  const qreal w = area.width() / segments;
  for (int i = 0; i < segments; ++i) {
    const qreal at = static_cast<qreal>(i) / segments;
    QColor c = at < 0.7 ? kCyan : (at < 0.88 ? kAmber : kRed);
    if (at > level) c = c.darker(420);
    p.fillRect(QRectF(area.left() + i * w + 1, area.top(), w - 2, area.height()), c);
  }
}

// The splash layout: a dark console face; rows 58..138 stay a quiet plain band
// for the version texts that the program draws over it.
QImage splash(bool with_maker) {
  QImage img(480, 270, QImage::Format_RGB32);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient face(0, 0, 0, img.height());
  face.setColorAt(0.0, kNavyLight);
  face.setColorAt(1.0, kNavy);
  p.fillRect(img.rect(), face);

  // Fine brushed-metal lines outside the text band.
  for (int y = 0; y < img.height(); y += 3) {
    if (y >= 54 && y <= 142) continue;
    p.fillRect(0, y, img.width(), 1, QColor(255, 255, 255, 6));
  }
  p.fillRect(QRect(0, 56, img.width(), 84), QColor(0x05, 0x0B, 0x16));
  p.fillRect(QRect(0, 55, img.width(), 1), kSteelDark);
  p.fillRect(QRect(0, 140, img.width(), 1), kSteelDark);

  if (with_maker) {
    chrome_text(p, QStringLiteral("MORVALLION"), font(24, QFont::Bold, 130), img.width() / 2.0, 38);
  } else {
    p.setPen(kSteel);
    p.setFont(font(13, QFont::DemiBold, 120));
    p.drawText(QRect(0, 14, img.width(), 30), Qt::AlignCenter,
               QStringLiteral("REMOTE CONTROL CONSOLE"));
  }

  chrome_text(p, QStringLiteral("QX770HD"), font(46, QFont::Black), img.width() / 2.0 - 34, 200);
  p.setPen(kCyan);
  p.setFont(font(26, QFont::Bold));
  p.drawText(QPointF(img.width() / 2.0 + 92, 200), QStringLiteral("Pro"));

  meter_row(p, QRectF(40, 222, 400, 7), 40, 0.82);
  meter_row(p, QRectF(40, 233, 400, 7), 40, 0.64);
  p.setPen(kSteelDark);
  p.setFont(font(9, QFont::Normal, 110));
  p.drawText(QRect(0, 246, img.width(), 16), Qt::AlignCenter,
             QStringLiteral("FM  \u00B7  HD RADIO  \u00B7  AUDIO PROCESSOR"));

  p.setPen(QPen(kSteelDark, 2));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(1, 1, img.width() - 2, img.height() - 2));
  return img;
}

// Window icon: a steel badge with a bright "V" over a waveform.
QImage window_icon() {
  QImage img(64, 64, QImage::Format_ARGB32);
  img.fill(Qt::transparent);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient g(0, 0, 0, 64);
  g.setColorAt(0, kNavyLight.lighter(150));
  g.setColorAt(1, kNavy);
  p.setPen(QPen(kSteel, 2));
  p.setBrush(g);
  p.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);

  QPainterPath wave;
  wave.moveTo(8, 44);
  for (int x = 8; x <= 56; ++x) wave.lineTo(x, 44 - 5 * std::sin((x - 8) / 48.0 * 6.283 * 2));
  p.setPen(QPen(QColor(kCyan.red(), kCyan.green(), kCyan.blue(), 150), 2));
  p.setBrush(Qt::NoBrush);
  p.drawPath(wave);

  QPainterPath vee;
  vee.moveTo(14, 12);
  vee.lineTo(32, 50);
  vee.lineTo(50, 12);
  p.setPen(QPen(QBrush(chrome(12, 50)), 8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(vee);
  return img;
}

using Painter = std::function<void(QPainter&)>;

QImage icon16(const Painter& draw) {
  QImage img(16, 16, QImage::Format_ARGB32);
  img.fill(Qt::transparent);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  draw(p);
  return img;
}

void folder(QPainter& p, bool open, bool package) {
  const QColor body = package ? QColor(0x3E, 0x9C, 0xA8) : QColor(0x6F, 0x8F, 0xB8);
  p.setPen(QPen(body.darker(170), 1));
  p.setBrush(body.darker(120));
  QPainterPath back;
  back.moveTo(1.5, 3.5);
  back.lineTo(6, 3.5);
  back.lineTo(7.5, 5);
  back.lineTo(14.5, 5);
  back.lineTo(14.5, 13.5);
  back.lineTo(1.5, 13.5);
  back.closeSubpath();
  p.drawPath(back);
  p.setBrush(body.lighter(125));
  if (open) {
    QPolygonF flap({{3.5, 7.5}, {15.5, 7.5}, {13.5, 13.5}, {1.5, 13.5}});
    p.drawPolygon(flap);
  } else {
    p.drawRect(QRectF(1.5, 6.5, 13, 7));
  }
  if (package) {  // a small parcel with its strap
    p.setPen(QPen(QColor(0x6A, 0x48, 0x20), 1));
    p.setBrush(kAmber);
    p.drawRect(QRectF(8.5, 8.5, 6, 5));
    p.drawLine(QPointF(11.5, 8.5), QPointF(11.5, 13.5));
  }
}

void page(QPainter& p, bool preset) {
  QPainterPath sheet;
  sheet.moveTo(2.5, 0.5);
  sheet.lineTo(10, 0.5);
  sheet.lineTo(13.5, 4);
  sheet.lineTo(13.5, 15.5);
  sheet.lineTo(2.5, 15.5);
  sheet.closeSubpath();
  p.setPen(QPen(kSteelDark, 1));
  p.setBrush(QColor(0xF4, 0xF7, 0xFA));
  p.drawPath(sheet);
  p.setBrush(kSteel);
  p.drawPolygon(QPolygonF({{10, 0.5}, {10, 4}, {13.5, 4}}));
  if (preset) {  // a response curve: this page holds processor settings
    QPainterPath curve;
    curve.moveTo(4, 11);
    curve.cubicTo(6, 4, 8, 13, 12, 6);
    p.setPen(QPen(QColor(0x1E, 0x6E, 0xD8), 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawPath(curve);
  } else {
    p.setPen(QPen(kSteel, 1));
    for (int y = 6; y <= 12; y += 3) p.drawLine(QPointF(4.5, y + 0.5), QPointF(11.5, y + 0.5));
  }
}

void padlock(QPainter& p, bool closed, const QColor& colour) {
  p.setPen(QPen(colour.darker(160), 1.4));
  p.setBrush(Qt::NoBrush);
  QPainterPath shackle;
  shackle.moveTo(9, 10);
  shackle.lineTo(9, 7.5);
  shackle.arcTo(QRectF(9, 5, 5, 5), 180, -180);
  shackle.lineTo(14, closed ? 10 : 8.5);
  p.drawPath(closed ? shackle : shackle.translated(0, -1.5));
  p.setPen(QPen(colour.darker(170), 1));
  p.setBrush(colour);
  p.drawRoundedRect(QRectF(7.5, 10, 8, 5.5), 1, 1);
}

void star(QPainter& p) {
  QPolygonF s;
  for (int i = 0; i < 10; ++i) {
    const qreal r = i % 2 ? 1.9 : 4.3;
    const qreal a = -1.5708 + i * 0.6283;
    s << QPointF(11.5 + r * std::cos(a), 11.5 + r * std::sin(a));
  }
  p.setPen(QPen(QColor(0x8A, 0x55, 0x10), 0.8));
  p.setBrush(kAmber);
  p.drawPolygon(s);
}

void user(QPainter& p) {
  p.setPen(QPen(kNavy, 1));
  QRadialGradient g(8, 5, 5);
  g.setColorAt(0, kCyan.lighter(140));
  g.setColorAt(1, QColor(0x1E, 0x6E, 0xD8));
  p.setBrush(g);
  p.drawEllipse(QRectF(5, 1.5, 6, 6));
  QPainterPath body;
  body.moveTo(2, 15.5);
  body.cubicTo(2, 9, 14, 9, 14, 15.5);
  body.closeSubpath();
  p.drawPath(body);
}

bool save(const QImage& img, const QDir& dir, const char* name, const char* format) {
  const bool ok = img.save(dir.filePath(QString::fromLatin1(name)), format);
  std::printf("%s %s\n", ok ? "wrote" : "FAILED", name);
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: artgen <output folder>\n");
    return 2;
  }
  QDir dir(QString::fromLocal8Bit(argv[1]));
  if (!dir.mkpath(QStringLiteral("."))) return 1;

  struct Icon {
    const char* name;
    Painter draw;
  };
  const Icon icons[] = {
      {"folder.png", [](QPainter& p) { folder(p, false, false); }},
      {"ofolder.png", [](QPainter& p) { folder(p, true, false); }},
      {"pfolder.png", [](QPainter& p) { folder(p, false, true); }},
      {"opfolder.png", [](QPainter& p) { folder(p, true, true); }},
      {"doc.png", [](QPainter& p) { page(p, false); }},
      {"pdoc.png", [](QPainter& p) { page(p, true); }},
      {"updoc.png", [](QPainter& p) { page(p, true), padlock(p, false, kGreen); }},
      {"mpdoc.png", [](QPainter& p) { page(p, true), star(p); }},
      {"ldoc.png", [](QPainter& p) { page(p, false), padlock(p, true, kRed); }},
      {"pldoc.png", [](QPainter& p) { page(p, true), padlock(p, true, kRed); }},
      {"user.png", [](QPainter& p) { user(p); }},
  };

  bool ok = save(window_icon(), dir, "quessa_vee.png", "PNG");
  ok = save(splash(true), dir, "morvallion_splash.bmp", "BMP") && ok;
  ok = save(splash(false), dir, "splash.bmp", "BMP") && ok;
  for (const Icon& icon : icons) ok = save(icon16(icon.draw), dir, icon.name, "PNG") && ok;
  return ok ? 0 : 1;
}
