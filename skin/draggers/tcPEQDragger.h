#pragma once
// The four-band parametric equaliser on its response plot: one curve per band
// and their sum, a handle per band at (frequency, gain), and a width handle
// under (or over) the selected band. Drags write the band parameters into the
// current live set with source 2, or hand the raw value to the group.
#include <QRect>
#include <functional>
#include <memory>
#include <vector>

#include "skin/objects/tcGuiGraphDragger.h"

class QAction;
class QMenu;
class tcLiveSettings;

class tcPEQDragger : public tcGuiGraphDragger {
  Q_OBJECT

 public:
  static constexpr int kBands = 4;
  static constexpr int kHandle = 8;
  enum Quantity { kFrequency, kWidth, kGain, kQuantities };
  enum DragMode { kNone = 0, kFreqGain = 1, kWidthDrag = 2 };

  struct Band {
    float frequency;  // Hz
    float width;
    float gain;  // dB
  };
  using WriteHandler = std::function<void(uint32_t raw)>;

  // Band n's parameters are first_freq + n, first_width + n and first_gain + n
  // (0x1306, 0x130A, 0x130E for the main equaliser).
  tcPEQDragger(tcGuiApGraph* graph, tcLiveSettings* live, uint16_t first_freq, uint16_t first_width,
               uint16_t first_gain, QObject* parent = nullptr);
  ~tcPEQDragger() override;

  // Curve colours by skin colour name (bands 0 to 3, then the sum); a band
  // colour missing from the skin is white, a missing sum colour grey.
  void set_colour_names(const char* const names[kBands + 1]);
  void set_colours(const uint32_t colours[kBands + 1]);
  uint32_t colour(int curve) const { return colours_[curve]; }

  void set_band_ids(int band, uint16_t freq, uint16_t width, uint16_t gain);
  uint16_t band_id(int band, int quantity) const { return ids_[band][quantity]; }
  // The group's own write for one band parameter; none writes the live set.
  void set_write_handler(int band, int quantity, WriteHandler handler);

  void set_band(int band, float frequency, float width, float gain);
  void set_frequency(int band, float frequency);
  void set_width(int band, float width);
  void set_gain(int band, float gain);
  const Band& band(int i) const { return bands_[i]; }

  int selected() const { return selected_; }
  void select(int band);
  // Drawing and picking order, the selected band last.
  const int* order() const { return order_; }
  QRect handle(int band) const;
  QRect width_handle() const;
  int drag_mode() const { return mode_; }
  QMenu* menu() const { return menu_.get(); }

  // Curves at one point per plot column, computed when needed; curve 4 is
  // the sum.
  const std::vector<float>& curve(int band);
  const std::vector<float>& sum();

  void set_plot_size(int width, int height) override;
  void draw_background(QPainter& p) override;
  void draw_curves(QPainter& p) override;
  void draw_handles(QPainter& p) override;
  int left_press(int x, int y) override;
  int right_press(int x, int y) override;
  int release(int x, int y) override;
  int drag(int dx, int dy, int modifiers) override;

 public slots:
  void slot_select_eq1();
  void slot_select_eq2();
  void slot_select_eq3();
  void slot_select_eq4();

 private:
  void build_menu();
  void update_curves();
  QPoint point_of(float frequency, float gain) const;
  // Writes one band parameter; the band takes the parameter's resulting value
  // unless the group's handler took the write.
  void write(int band, int quantity, uint32_t raw);
  uint32_t to_raw(int band, int quantity, float value) const;

  tcLiveSettings* const live_;
  Band bands_[kBands];
  uint16_t ids_[kBands][kQuantities];
  WriteHandler handlers_[kBands][kQuantities];
  int selected_ = 0;
  int order_[kBands] = {1, 2, 3, 0};
  int mode_ = kNone;
  int acc_x_ = 0;
  int acc_y_ = 0;
  uint32_t colours_[kBands + 1];
  std::vector<float> curves_[kBands + 1];  // the sum last
  bool curves_changed_ = true;
  std::unique_ptr<QMenu> menu_;
  QAction* actions_[kBands] = {};
};
