#pragma once
// One view of the analysis display. A view takes the blocks meant for it
// (spectrum or oscilloscope) and keeps what it needs; it draws only when the
// display paints. The fixed parts (plot frame, grid, axis labels, colour axis)
// and the gradient strip are rendered once per size, chain or settings change.
#include <QImage>
#include <QRect>
#include <QString>
#include <cstdint>
#include <vector>

#include "metering/analysis/tcViewSettings.h"

class QPainter;
class QWidget;
class tcAnalysisConfig;

class tcAnalysisView {
 public:
  enum Type { kFft = 0, kOScope = 1, kEField = 2, kSurfPlot = 3, kSpecDyn = 4, kAClip = 5 };
  static constexpr int kTypes = 6;
  static constexpr const char* kGradient =
      "0.00,660099;0.10,330099;0.20,0033CC;0.30,009999;0.40,00CC00;0.50,99FF00;0.60,FFFF00;"
      "0.70,FFCC00;0.80,FF9900;0.90,FF6600;1.00,FF0000";
  static constexpr QRgb kBackground = 0xFF0B0E12;
  static constexpr QRgb kPlotBackground = 0xFF000000;
  static constexpr QRgb kFrameColour = 0xFF5A6470;
  static constexpr QRgb kGridColour = 0xFF262E36;
  static constexpr QRgb kTextColour = 0xFFA0C0C0;
  static constexpr QRgb kTitleColour = 0xFFC0C060;

  // A row of the view's settings dialog: which setting and how it is edited.
  struct Field {
    enum Kind { kInt, kText, kColour, kCheck };
    Kind kind;
    const char* label;
    int tcViewSettings::*int_value = nullptr;
    QString tcViewSettings::*text_value = nullptr;
    bool tcViewSettings::*bool_value = nullptr;
  };

  tcAnalysisView(int type, const char* section, unsigned keys, tcAnalysisConfig& config);
  virtual ~tcAnalysisView();
  tcAnalysisView(const tcAnalysisView&) = delete;
  tcAnalysisView& operator=(const tcAnalysisView&) = delete;

  // "FFT", "O-Scope", ...; any other number names the FFT.
  static const char* type_name(int type);
  int type() const { return type_; }
  const char* section() const { return section_; }
  unsigned keys() const { return keys_; }
  // Blocks this view took since its last reset.
  int frames() const { return frames_; }

  // Takes the block when it holds this view's kind of data.
  void feed(const uint8_t* block);
  // Forgets every frame (a new type or chain starts from nothing).
  void reset();
  // Draws the view over `area` of the display, with the chain's title.
  void paint(QPainter& painter, const QRect& area, int chain);
  // Opens the view's settings dialog; true when settings were accepted.
  virtual bool settings_dialog(QWidget* parent);
  virtual void read_settings();
  // Keeps the settings in the view's section and writes the file; -1 when it
  // could not be written (the user has been told).
  int write_settings(QWidget* parent);
  virtual int default_top() const { return -12; }
  virtual int default_range() const { return 38; }
  virtual QString default_gradient() const { return QString::fromLatin1(kGradient); }

  // The settings as the dialog's "Defaults" button loads them.
  virtual tcViewSettings defaults() const;
  const tcViewSettings& settings() const { return settings_; }
  // Takes new settings (checked by the caller) and draws with them.
  void set_settings(const tcViewSettings& settings);
  virtual QString dialog_title() const { return QString(); }
  virtual std::vector<Field> fields() const { return {}; }

  // Where the data is drawn inside `area`.
  virtual QRect plot_rect(const QRect& area) const;
  // Vertical pixel of a level on the dB scale of `plot`, limited to the plot.
  int y_of_db(double db, const QRect& plot) const;

 protected:
  // Whether the view takes oscilloscope frames (else spectra).
  virtual bool wants_scope() const { return false; }
  // Whether paint_data covers the whole plot (then the backdrop is not drawn there).
  virtual bool covers_plot() const { return false; }
  virtual void take(const uint8_t* block) = 0;
  virtual void clear() = 0;
  virtual void paint_data(QPainter& painter, const QRect& plot) = 0;
  // Fixed parts of the view; the default draws the dB scale and the frequency axis.
  virtual void draw_backdrop(QPainter& painter, const QRect& area, const QRect& plot, int chain);
  virtual void settings_changed() {}

  // Pieces the backdrops share.
  void draw_frame(QPainter& painter, const QRect& area, const QRect& plot, int chain);
  void draw_db_scale(QPainter& painter, const QRect& plot, const char* axis_title);
  void draw_freq_axis(QPainter& painter, const QRect& plot);
  // The grid lines alone, for views that draw over the backdrop's grid.
  void draw_db_grid(QPainter& painter, const QRect& plot);
  void draw_freq_grid(QPainter& painter, const QRect& plot);
  // The backdrop inside the plot, and a count that changes whenever it does.
  const QImage& ground() const { return ground_; }
  int ground_version() const { return ground_version_; }
  // x of a band's centre; the default spreads the 31 bands evenly.
  virtual double band_x(int band, const QRect& plot) const;
  // A vertical strip of the gradient, `h` high, full scale at the top.
  const QImage& gradient_strip(int h);
  // The colour of the gradient at fraction f (0 bottom, 1 top) of the strip.
  QRgb gradient_colour(double f);

  tcViewSettings settings_;

 private:
  const int type_;
  const char* section_;
  const unsigned keys_;
  tcAnalysisConfig& config_;
  int frames_ = 0;
  // dB marks of the scale, top first.
  std::vector<int> db_marks() const;

  QImage backdrop_;
  QImage ground_;
  int ground_version_ = 0;
  QSize backdrop_size_;
  int backdrop_chain_ = -1;
  QImage strip_;
  std::vector<QRgb> colours_;  // 256 steps of the gradient, bottom first
};
