#pragma once
// The band graph of a multiband limiter page, installed on a processing plot.
// One editor takes the pointer at a time: the 31 band adjusters, the rows of
// band switches or the four-band output equaliser. Under and over it the
// limiter draws its own layer: the band gain reductions and the clip reading
// of the meter records, the name of the quantity shown with the marks of its
// scale, the axis label, the coupling state and, for the automatic equaliser,
// the curve the processor reports.
#include <QObject>
#include <array>
#include <memory>
#include <vector>

#include "app/core/tcString.h"
#include "panel/framework/tcControlGroup.h"
#include "skin/draggers/tcDraggerColumns.h"
#include "skin/objects/tcGuiGraphDragger.h"

class tcLiveSettings;
class tcMBCheckDragger;
class tcMBSlideDragger;
class tcPEQDragger;

class tcMBLimGraph : public tcGuiGraphDragger {
  Q_OBJECT

 public:
  enum Editor { kBands, kSwitches, kEqualiser, kAutoEq };
  static constexpr int kBandCount = tcDraggerColumns::kThirdOctaves;
  // The gain reductions hang from the top of the plot on a scale of their own.
  static constexpr float kReductionRangeDb = 24.0f;
  // Colours when the skin names none.
  static constexpr uint32_t kLimitColour = 0xFFFF8040u;
  static constexpr uint32_t kClipColour = 0xFFFF3030u;
  static constexpr const char* kReductionLabel = "Gain Reduction dB";
  static constexpr const char* kBoostCutLabel = "Filter Boost / Cut dB";
  static constexpr const char* kCouplingLabel = "Coupling Active";

  // The first parameters of the equaliser's four bands.
  struct EqIds {
    uint16_t frequency;
    uint16_t width;
    uint16_t gain;
  };

  // `switch_base` 0: no band switches.
  tcMBLimGraph(tcGuiApGraph* graph, tcLiveSettings* live, const EqIds& eq, uint16_t switch_base,
               QObject* parent = nullptr);
  ~tcMBLimGraph() override;

  tcMBSlideDragger* bands() const { return bands_.get(); }
  tcMBCheckDragger* switches() const { return switches_.get(); }
  tcPEQDragger* equaliser() const { return equaliser_.get(); }

  // The quantity shown: its editor, name and scale marks (value texts ended by
  // nullptr) on a y axis from `minimum` to `maximum`.
  void show_quantity(Editor editor, const char* name, const char* const* marks, float minimum,
                     float maximum);
  Editor editor() const { return editor_; }
  const tcString& quantity_name() const { return name_; }
  // The editor that takes the pointer; none for the automatic equaliser.
  tcGuiGraphDragger* active() const;

  // Row 0: band gain reductions; row 1: the automatic equaliser's bands;
  // extra: the clip reading. Meter value bytes, 255 for none.
  void set_readings(const tcGraphReadings& readings);
  uint8_t reduction(int band) const { return reduction_[band]; }
  uint8_t auto_eq(int band) const { return auto_eq_[band]; }
  uint8_t clip() const { return clip_; }
  void set_coupling_active(bool on);
  bool coupling_active() const { return coupling_; }

  void set_plot_size(int width, int height) override;
  void draw_background(QPainter& p) override;
  void draw_curves(QPainter& p) override;
  void draw_handles(QPainter& p) override;
  int left_press(int x, int y) override;
  int double_click(int x, int y) override;
  int right_press(int x, int y) override;
  int release(int x, int y) override;
  int drag(int dx, int dy, int modifiers) override;
  int hover(int x, int y) override;
  int wheel(int step, int modifiers) override;
  int leave() override;

 private:
  // A pointer hook of the active editor; 0 (nothing to do) without one.
  template <class... Args>
  int to_active(int (tcGuiGraphDragger::*hook)(Args...), Args... args) const {
    tcGuiGraphDragger* d = active();
    return d ? (d->*hook)(args...) : 0;
  }
  uint32_t skin_colour(const char* name, uint32_t missing) const;
  int reduction_depth(uint8_t reading) const;
  void draw_texts(QPainter& p) const;

  std::unique_ptr<tcMBSlideDragger> bands_;
  std::unique_ptr<tcMBCheckDragger> switches_;
  std::unique_ptr<tcPEQDragger> equaliser_;
  Editor editor_ = kBands;
  tcString name_;
  std::vector<tcString> marks_;
  std::vector<int> xs_;
  std::array<uint8_t, kBandCount> reduction_;
  std::array<uint8_t, kBandCount> auto_eq_;
  uint8_t clip_ = 0xFF;
  bool coupling_ = false;
  uint32_t limit_colour_;
  uint32_t clip_colour_;
};
