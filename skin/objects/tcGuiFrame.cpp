#include "skin/objects/tcGuiFrame.h"

#include <QPainter>
#include <QStringList>

#include "skin/objects/tcGuiImage.h"
#include "skin/objects/tcObjectReader.h"

namespace {
enum Arg { kColour, kFill, kRadius, kBorder, kVGrad, kHGrad, kImageArg };
}

const tcXmlData::AttrRow tcGuiFrame::kAttrs[] = {
    {"inherit", 0, &tcGuiObject::set_inherit},
    {"color", kColour, &tcGuiFrame::set_attr},
    {"fill", kFill, &tcGuiFrame::set_attr},
    {"radius", kRadius, &tcGuiFrame::set_attr},
    {"border", kBorder, &tcGuiFrame::set_attr},
    {"vgrad", kVGrad, &tcGuiFrame::set_attr},
    {"hgrad", kHGrad, &tcGuiFrame::set_attr},
    {"image", kImageArg, &tcGuiFrame::set_attr},
    {nullptr, 0, nullptr},
};

tcGuiFrame::tcGuiFrame(tcBench* bench, int id, const tcString& name)
    : tcGuiObject(bench, kFrame, id, name) {}

tcGuiFrame::~tcGuiFrame() = default;

std::unique_ptr<tcGuiObject> tcGuiFrame::clone(int id, const tcString& name) const {
  return clone_as<tcGuiFrame>(id, name);
}

QGradientStops tcGuiFrame::stops_of(const tcString& text) {
  QGradientStops stops;
  for (const QString& entry : text.toQString().split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
    const QStringList parts = entry.split(QLatin1Char(','));
    if (parts.size() != 2) continue;
    bool pos_ok = false;
    bool rgb_ok = false;
    const double pos = parts[0].trimmed().toDouble(&pos_ok);
    const uint rgb = parts[1].trimmed().toUInt(&rgb_ok, 16);
    if (!pos_ok || !rgb_ok || pos < 0.0 || pos > 1.0) continue;
    stops.append(QGradientStop(pos, QColor::fromRgb(0xFF000000u | rgb)));
  }
  return stops;
}

void tcGuiFrame::finish() {
  // A vertical gradient wins over a horizontal one.
  vertical_gradient_ = !vgrad_.empty() || hgrad_.empty();
  stops_ = stops_of(vertical_gradient_ ? vgrad_ : hgrad_);
  look_ = QImage();
  tcGuiObject::finish();
}

void tcGuiFrame::render_look() const {
  // Drawn once into a picture of the frame's size: the anti-aliased outline is
  // the costly part, and small dirty rectangles then copy from the picture.
  look_ = QImage(w_ > 0 ? w_ : 1, h_ > 0 ? h_ : 1, QImage::Format_ARGB32_Premultiplied);
  look_.fill(Qt::transparent);
  look_size_ = QSize(w_, h_);
  if (w_ <= 0 || h_ <= 0) return;
  QPainter painter(&look_);
  const QColor colour = QColor::fromRgba(colour_);
  painter.setRenderHint(QPainter::Antialiasing, radius_ > 0);
  const double inset = fill_ ? 0.0 : border_ / 2.0;
  const QRectF box = QRectF(0, 0, w_, h_).adjusted(inset, inset, -inset, -inset);
  if (fill_) {
    if (stops_.size() >= 2) {
      QLinearGradient gradient(box.topLeft(),
                               vertical_gradient_ ? box.bottomLeft() : box.topRight());
      gradient.setStops(stops_);
      painter.setBrush(gradient);
    } else {
      painter.setBrush(colour);
    }
    painter.setPen(Qt::NoPen);
  } else {
    painter.setBrush(Qt::NoBrush);
    painter.setPen(border_ > 0 ? QPen(colour, border_) : QPen(Qt::NoPen));
  }
  if (radius_ > 0) {
    painter.drawRoundedRect(box, radius_, radius_);
  } else {
    painter.drawRect(box);
  }
}

void tcGuiFrame::paint(QPainter& painter) {
  paint_backdrop(painter);
  // A frame without fill or border only carries its labels: no picture at all.
  if (fill_ || border_ > 0) {
    if (look_.isNull() || look_size_ != QSize(w_, h_)) render_look();
    painter.drawImage(QPoint(x_, y_), look_);
  }
  if (image_) image_->draw_section(painter, 0, x_, y_);
  paint_overlay(painter);
}

void tcGuiFrame::set_attr(tcXmlData& x, const char* value, int arg) {
  tcGuiFrame* self = tcObjectReader::target<tcGuiFrame>(x);
  if (!self) return;
  tcObjectReader& bench = tcObjectReader::of(x);
  switch (arg) {
    case kColour:
      self->colour_ = bench.colour(value);
      break;
    case kFill:
      self->fill_ = tcObjectReader::flag(value);
      break;
    case kRadius:
      self->radius_ = tcObjectReader::integer(value);
      break;
    case kBorder:
      self->border_ = tcObjectReader::integer(value);
      break;
    case kVGrad:
    case kHGrad: {
      const tcString* stops = bench.find_gradient(value);
      (arg == kVGrad ? self->vgrad_ : self->hgrad_) = stops ? *stops : tcString();
      break;
    }
    default:
      self->image_ = bench.image(value);
      break;
  }
}
