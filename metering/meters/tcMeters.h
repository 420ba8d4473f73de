#pragma once
// A meter panel: a row of tcBarWidget bars over a fixed backdrop of titles,
// labels and scale grid. The backdrop is rendered once per size or chain
// change; a new record only touches the bars whose bytes changed.
#include <QPixmap>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <utility>
#include <vector>

#include "metering/meters/tcBarWidget.h"

class QPainter;
class tcAnalysisConfig;
class tcMeterRecord;

class tcMeters : public QWidget {
  Q_OBJECT
 public:
  static constexpr const char* kDefaultFgGradient =
      "0.00,00CC00;0.50,99FF00;0.60,FFFF00;0.70,FFCC00;0.80,FF9900;0.90,FF6600;1.00,FF0000";
  static constexpr const char* kDefaultBgGradient =
      "0.00,003300;0.50,2e4d00;0.60,4d4d00;0.70,4d3d00;0.80,4d2e00;0.90,4d1f00;1.00,4d0000";
  static constexpr int kDefaultLeds = 0;
  static constexpr int kNominalWidth = 800;
  static constexpr int kNominalHeight = 240;

  static constexpr QRgb kBackground = 0xFF000000;
  static constexpr QRgb kTitleColour = 0xFFC0C060;
  static constexpr QRgb kScaleColour1 = 0xFFA0C0C0;
  static constexpr QRgb kScaleColour2 = 0xFFC0C060;
  static constexpr QRgb kGridBaseColour = 0xFF909090;  // the scale's bottom line
  static constexpr QRgb kGridColour = 0xFF606060;

  // Reads numleds, fg_gradient and bg_gradient from `section` of `config`.
  tcMeters(const char* section, tcAnalysisConfig& config, QWidget* parent);

  const char* section() const { return section_; }
  int numleds() const { return numleds_; }
  const QString& fg_gradient() const { return fg_gradient_; }
  const QString& bg_gradient() const { return bg_gradient_; }
  int chain() const { return chain_; }
  void set_chain(int chain);

  // Keeps the three settings in the panel's section, writes the file, and has
  // every bar render its images again. -1 when the file could not be written
  // (the user has been told; the settings are in use all the same).
  int apply_settings(int leds, const QString& fg_gradient, const QString& bg_gradient);
  // Opens the panel's settings dialog.
  virtual void settings_dialog() = 0;
  // Shows the panel's bytes of a meter record.
  virtual void feed(const tcMeterRecord& record) = 0;

  int bar_count() const { return static_cast<int>(bars_.size()); }
  tcBarWidget* bar(int i) const { return bars_[static_cast<size_t>(i)]; }
  // How often the backdrop was rendered.
  int backdrop_builds() const { return backdrop_builds_; }

 protected:
  // Creates the bars for a panel of w by h pixels (add_bar in bar order).
  virtual void layout(int w, int h) = 0;
  // Draws the panel's fixed parts over `rect`.
  virtual void paint(QPainter& painter, const QRect& rect) = 0;

  tcBarWidget* add_bar(int kind, int orientation, int left, int top, int right, int bottom);
  // Hands a bar its bytes; they are kept to be shown again after a relayout.
  void set_bar(int i, uint8_t main, uint8_t marker);

  void resizeEvent(QResizeEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

  // Recreates the bars for the current size unless they were made for it;
  // subclasses call it once they are built.
  void relayout();

 private:
  const char* section_;
  tcAnalysisConfig& config_;
  int numleds_;
  QString fg_gradient_;
  QString bg_gradient_;
  int chain_ = 0;
  std::vector<tcBarWidget*> bars_;  // children of the panel
  std::vector<std::pair<uint8_t, uint8_t>> values_;
  QSize laid_out_;
  QPixmap backdrop_;
  int backdrop_builds_ = 0;
};
