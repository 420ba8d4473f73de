#include "metering/meters/tcBarWidget.h"

#include <QLinearGradient>
#include <QPaintEvent>
#include <QPainter>

#include "metering/meters/tcGradient.h"

tcBarWidget::tcBarWidget(int kind, int orientation, int leds, const QString& fg_gradient,
                         const QString& bg_gradient, int left, int top, int right, int bottom,
                         QWidget* parent)
    : QWidget(parent),
      scale_(kind, orientation, right - left + 1, bottom - top + 1),
      leds_(leds),
      value_(scale_.initial_value()),
      marker_(scale_.initial_value()) {
  // Every pixel is painted from the images: nothing behind needs drawing.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_NoSystemBackground);
  setGeometry(left, top, scale_.width(), scale_.height());
  rebuild_images(fg_gradient, bg_gradient, leds);
}

void tcBarWidget::set_values(uint8_t main, uint8_t marker) {
  if (main == value_ && marker == marker_) return;
  const QRegion before = lit_region();
  value_ = main;
  marker_ = marker;
  // Only the stretch between the old and the new ends is drawn again.
  const QRegion changed = before.xored(lit_region());
  if (!changed.isEmpty()) update(changed);
}

QRegion tcBarWidget::lit_region() const {
  return QRegion(scale_.lit_rect(value_)) + QRegion(scale_.marker_rect(value_, marker_));
}

QImage tcBarWidget::render(const QString& gradient_text) const {
  const int w = scale_.width();
  const int h = scale_.height();
  QImage image(std::max(1, w), std::max(1, h), QImage::Format_RGB32);
  const bool vertical = scale_.orientation() == tcBarScale::kVertical;
  const bool level = scale_.style() == tcBarScale::kLevel;
  // Level bars run from the low end (0.0) to full scale (1.0): up, or right.
  // Reduction bars run from full scale: down, or leftwards.
  QLinearGradient g;
  if (vertical)
    g = level ? QLinearGradient(0, h, 0, 0) : QLinearGradient(0, 0, 0, h);
  else
    g = level ? QLinearGradient(0, 0, w, 0) : QLinearGradient(w, 0, 0, 0);
  g.setStops(tcGradient::parse(gradient_text));
  QPainter p(&image);
  p.fillRect(image.rect(), g);
  p.setPen(QColor::fromRgba(kSeparatorColour));
  for (int at : tcBarScale::separators(scale_.length(), leds_)) {
    if (vertical)
      p.drawLine(0, at, w - 1, at);
    else
      p.drawLine(at, 0, at, h - 1);
  }
  return image;
}

void tcBarWidget::rebuild_images(const QString& fg_gradient, const QString& bg_gradient, int leds) {
  leds_ = leds;
  fg_ = render(fg_gradient);
  bg_ = render(bg_gradient);
  ++image_builds_;
  update();
}

void tcBarWidget::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  const QRect area = event->rect();
  p.drawImage(area, bg_, area);
  const QRect lit = scale_.lit_rect(value_);
  const QRect shown = lit & area;
  if (!shown.isEmpty()) p.drawImage(shown, fg_, shown);
  // A marker cut from the foreground over the dark part; where it falls inside
  // the lit part it is cut from the background, so that it still shows.
  const QRect marker = scale_.marker_rect(value_, marker_) & area;
  if (marker.isEmpty()) return;
  for (const QRect& r : QRegion(marker).subtracted(QRegion(lit))) p.drawImage(r, fg_, r);
  const QRect inside = marker & lit;
  if (!inside.isEmpty()) p.drawImage(inside, bg_, inside);
}
