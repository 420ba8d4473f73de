#pragma once
// The parametric equaliser page: four bands of the main equaliser and, in
// engineering mode, four bands of the difference equaliser, each band a
// frequency, width and level knob with its display, and the response graph on
// the shared graph, whose handles edit the same parameters.
#include <memory>

#include "panel/framework/tcControlGroup.h"

class tcPEQDragger;
class tcSharedGraph;

class tcControlGroupParametric : public tcControlGroup {
  Q_OBJECT

 public:
  enum Control {
    kFreeDraw = 6001,
    kPeqFirstKnob = 6002,     // band n: frequency, width, level knobs from 6002 + 3 (n - 1)
    kPeqFirstDisplay = 6014,  // and their displays from 6014 + 3 (n - 1)
    kPeqEnable = 6026,
    kPeqPosition = 6027,
    kPeqPositionPre = 6028,
    kPeqPositionPost = 6029,
    kDeqEnable = 6030,
    kDeqView = 6031,
    kDeqFirstKnob = 6033,     // the same for the difference equaliser
    kDeqFirstDisplay = 6045,  // last display 6056
    kDeqLastDisplay = 6056,
    kDeqSynch = 6057,
  };
  // The two equalisers: band n's frequency, width and level are the first ids
  // plus n.
  enum Eq { kMain, kDifference, kEqs };
  struct EqIds {
    uint16_t frequency;
    uint16_t width;
    uint16_t level;
  };
  static const EqIds kEqIds[kEqs];
  static constexpr uint16_t kPositionParam = 0x1300;
  static constexpr int kBands = 4;

  static const NameRow kNames[];

  explicit tcControlGroupParametric(tcAPBench* bench);
  ~tcControlGroupParametric() override;

  void refreshAll() override;
  void onParameterChanged(uint16_t id, int set_index) override;
  void afterShow() override;
  void setKnob(int id, int raw) override;
  void setSwitch(int id, int state) override;
  void onDisplayText(int id, const tcString& text) override;
  void onRadioSelected(int id, int item) override;
  void onButton(int id) override;

  // The equaliser the graph shows: the difference one only in engineering mode
  // with its view chosen.
  int shownEq() const;
  tcPEQDragger* dragger(int eq) const;

 private:
  // The band of an equaliser parameter; false for other ids.
  static bool bandOf(uint16_t id, int* eq, int* band);
  // A band of the graph from the stores.
  void showBand(int eq, int band);
  void showBandOf(uint16_t id);
  // A band parameter written through its knob row, so knob, display and
  // graph agree (the graph's handles write this way).
  void writeBand(uint16_t id, uint32_t raw);
  void showGraph();
  void applyVisibility();
  // After a console write of a band parameter: the graph follows, and while
  // synchronised the difference band follows a main band's frequency or width.
  void edited(uint16_t id);
  // The difference equaliser takes the main one's frequencies and widths (one
  // band, or all).
  void synchBand(int band);
  void synchDifference();

  std::unique_ptr<tcPEQDragger> draggers_[kEqs];
  // `DEQ_SYNCH` drawn as a check box holds the synchronisation on; as a
  // button it synchronises once.
  bool synch_ = false;
  std::unique_ptr<tcSharedGraph> graph_;
};
