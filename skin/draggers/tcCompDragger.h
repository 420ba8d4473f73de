#pragma once
// The band graph of the AGC and compressor: one level adjuster per band
// between the four crossovers, rows of per-band switches under the plot, and
// the three gain-reduction traces of the meter records.
#include "skin/draggers/tcDraggerAdjusterBase.h"
#include "skin/draggers/tcDraggerToggleRows.h"

class tcLiveSettings;

class tcCompDragger : public tcDraggerAdjusterBase {
  Q_OBJECT

 public:
  static constexpr int kDefaultBands = 5;
  static constexpr int kCrossovers = 4;
  static constexpr int kTraces = 3;
  static constexpr int kTracePoints = 500;
  // Toggle rows: the first row's top 20 pixels above the plot's bottom edge,
  // each row 10 pixels high, the next rows 30 pixels further up.
  static constexpr int kRowTopFromBottom = 20;
  static constexpr int kRowHeight = 10;
  static constexpr int kRowPitch = 30;

  tcCompDragger(tcGuiApGraph* graph, tcLiveSettings* live, int toggle_rows = 0,
                int bands = kDefaultBands, QObject* parent = nullptr);
  ~tcCompDragger() override;

  // Three zones (left, middle, right third) hit only the first, middle and
  // last adjusters; the others are not shown.
  void set_three_zones(bool on);
  bool three_zones() const { return three_zones_; }
  // Crossover frequencies (Hz) between the bands; 0 leaves a border unset.
  void set_crossovers(const float hz[kCrossovers]);
  void set_row_base(int row, uint16_t base_id) { rows_.set_base(row, base_id); }
  tcDraggerToggleRows& rows() { return rows_; }
  const tcDraggerToggleRows& rows() const { return rows_; }
  // Armed cell (row, band), -1 when none.
  int armed_row() const { return armed_row_; }
  int armed_band() const { return armed_band_; }

  // Gain reduction per band (dB) of trace 0 (AGC), 1 (compressor) or 2.
  void set_trace(int trace, const float* db, int count);
  void set_trace_shown(int trace, bool on);
  const std::vector<float>& trace(int t) const { return traces_[t]; }
  bool trace_shown(int t) const { return trace_shown_[t]; }
  // The traces' own scale: gain reduction from 0 dB at the top.
  void set_trace_range(float max_db);
  // Level of the horizontal reference line on the graph's y axis.
  void set_reference(float value) { reference_ = value; }

  void draw_background(QPainter& p) override;
  void draw_curves(QPainter& p) override;
  void draw_handles(QPainter& p) override;
  int left_press(int x, int y) override;
  int release(int x, int y) override;

 protected:
  int zone_at(int x) const override;
  bool shown(int i) const override;
  void place() override;

 private:
  // Plot x of a crossover, or of the plot edge when unset.
  int border_x(int b) const;
  int row_at(int y) const;

  tcDraggerToggleRows rows_;
  bool three_zones_ = false;
  float crossovers_[kCrossovers] = {0, 0, 0, 0};
  std::vector<float> traces_[kTraces];
  bool trace_shown_[kTraces] = {true, true, true};
  tcGuiGraph::Axis trace_axis_;
  float reference_ = 0.0f;
  int armed_row_ = -1;
  int armed_band_ = -1;
};
