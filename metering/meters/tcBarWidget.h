#pragma once
// One meter bar: a small opaque widget that paints itself from two images
// rendered once per settings change, the lit part from the foreground image
// over the background image. New values repaint only this bar, and only when
// they differ from the shown ones.
#include <QImage>
#include <QRegion>
#include <QWidget>
#include <cstdint>

#include "metering/meters/tcBarScale.h"

class tcBarWidget : public QWidget {
  Q_OBJECT
 public:
  static constexpr QRgb kSeparatorColour = 0xFF404040;

  // The bar occupies the rectangle from (left, top) to (right, bottom), both
  // inclusive, of its parent panel.
  tcBarWidget(int kind, int orientation, int leds, const QString& fg_gradient,
              const QString& bg_gradient, int left, int top, int right, int bottom,
              QWidget* parent);

  // Main and marker value bytes (255 none).
  void set_values(uint8_t main, uint8_t marker);
  void rebuild_images(const QString& fg_gradient, const QString& bg_gradient, int leds);

  uint8_t value() const { return value_; }
  uint8_t marker() const { return marker_; }
  int leds() const { return leds_; }
  const tcBarScale& scale() const { return scale_; }
  const QImage& foreground() const { return fg_; }
  const QImage& background() const { return bg_; }
  // How often the images were rendered (they must not be per paint).
  int image_builds() const { return image_builds_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage render(const QString& gradient_text) const;
  QRegion lit_region() const;

  tcBarScale scale_;
  int leds_;
  uint8_t value_;
  uint8_t marker_;
  QImage fg_;
  QImage bg_;
  int image_builds_ = 0;
};
