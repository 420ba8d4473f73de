#pragma once
// The AGC and compressor page: the AGC and compressor switches, drive and
// make-up, freeze, coupling and back-off, the band crossovers, the SST pair,
// and the band graph on the shared graph, which edits one of nine per-band
// quantities at a time and shows the band gain reductions of the meter
// records. The page's controls are handled here, not through the tables.
#include <memory>

#include "panel/framework/tcControlGroup.h"

class tcCompDragger;
class tcSharedGraph;

class tcControlGroupCompressor : public tcControlGroup {
  Q_OBJECT

 public:
  enum Control {
    kFreeDraw = 3001,
    kAgcEnable = 3003,
    kCompEnable = 3004,
    kDriveKnob = 3005,
    kDriveDisplay = 3006,
    kMakeupKnob = 3009,
    kMakeupDisplay = 3010,
    kDiffMakeup = 3011,
    kFreezeDelayKnob = 3014,
    kFreezeDelayDisplay = 3015,
    kFreezeMode = 3016,
    kFreezeModeOoze = 3017,
    kFreezeModeGate = 3018,
    kHighCoupling = 3019,
    kLowCoupling = 3020,
    kFreezeThreshold = 3022,
    kBackoffKnob = 3023,
    kBackoffDisplay = 3024,
    kCrossover1 = 3027,
    kCrossover2 = 3028,
    kCrossover3 = 3039,  // shared with kTypeAgcAttack; lookups find the crossover
    kCrossover4 = 3040,  // shared with kTypeAgcRelease
    kType = 3038,
    kTypeAgcAttack = 3039,
    kTypeAgcRelease = 3040,
    kTypeAgcFreeze = 3041,
    kTypeThreshold = 3042,
    kTypeCompAttack = 3043,
    kTypeCompRelease = 3044,
    kTypeRatio = 3045,
    kTypeOutTrim = 3046,
    kTypeDiffTrim = 3050,
    kSstEnableA = 3053,
    kSstEnableB = 3054,
    kSstRampKnob = 3055,
    kSstRampDisplay = 3056,
    kSstDrive = 3057,
    kSstFreezeThreshold = 3058,
    kSstWindowKnob = 3059,
    kSstWindowDisplay = 3060,
  };
  static constexpr uint16_t kAgcParam = 0x1400;
  static constexpr uint16_t kCompParam = 0x1401;
  static constexpr uint16_t kSstParam = 0x1440;
  static constexpr uint16_t kFreezeModeParam = 0x1435;
  static constexpr uint16_t kFirstCrossover = 0x1403;
  static constexpr int kCrossovers = 4;
  static constexpr int kBands = 5;

  // The per-band quantities the graph edits, in the order of `COMP_TYPE`:
  // band n of quantity q is the parameter first + n.
  struct Quantity {
    const char* name;
    uint16_t first;
  };
  static constexpr int kQuantities = 9;
  static const Quantity kQuantityTable[kQuantities];
  static constexpr const char* kTitle = "Gain Reduction dB";

  static const NameRow kNames[];

  explicit tcControlGroupCompressor(tcAPBench* bench);
  ~tcControlGroupCompressor() override;

  void refreshAll() override;
  void onParameterChanged(uint16_t id, int set_index) override;
  void afterShow() override;
  void setKnob(int id, int raw) override;
  void setSwitch(int id, int state) override;
  void onListStep(int id, int n) override;
  void onListText(int id, const tcString& text) override;
  void onDisplayText(int id, const tcString& text) override;
  void onRadioSelected(int id, int item) override;
  int knobForDisplay(int display_id) override;
  void onGraphReadings(const tcGraphReadings& readings) override;

  // The quantity the graph edits (index into kQuantityTable).
  int quantity() const { return quantity_; }
  tcCompDragger* dragger() const { return dragger_.get(); }

 private:
  static const KnobRow* pairOf(int id);
  static const ValueRow* listOf(int id);
  void showLists();
  void showSst();
  void showQuantityValues();
  void showGraph();
  void redrawGraph();
  // Which of the three reduction traces the options show.
  void showTraces();
  // The parameter of a band of the quantity the graph edits.
  uint16_t bandParam(int band) const;

  int quantity_ = 0;
  std::unique_ptr<tcCompDragger> dragger_;
  std::unique_ptr<tcSharedGraph> graph_;
};
