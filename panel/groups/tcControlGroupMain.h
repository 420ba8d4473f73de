#pragma once
// The always-visible frame of the panel: window buttons, connection, device and
// preset status, the flow buttons that select the pages, preset and A/B
// quick-save buttons, the on-line switch, the headphone level and the shared
// processing graph, which it feeds from the meter records for the page shown.
// While no page borrows the graph it shows the live spectrum.
#include <memory>

#include "panel/framework/tcControlGroup.h"

class tcSpectrumView;

class tcControlGroupMain : public tcControlGroup {
  Q_OBJECT

 public:
  enum Control {
    kFreeDraw = 1000,
    kSysAbout = 1001,
    kSysMinimize = 1002,
    kSysExit = 1003,
    kStatOnline = 1004,
    kStatDevice = 1005,
    kStatPreset = 1006,
    kGraph = 1007,
    kFlowInput = 1014,
    kFlowPeq = 1016,
    kFlowComp = 1018,
    kFlowFmOut = 1020,
    kFlowFmPlex = 1021,
    kFlowHdOut = 1022,
    kFlowSystem = 1023,
    kFlowTest = 1024,
    kSave = 1033,
    kTake = 1034,
    kPresets = 1035,
    kDevices = 1036,
    kAnalysis = 1037,
    kOnline = 1038,
    kQsaveA = 1039,
    kQsaveB = 1040,
    kQsaveAB = 1041,
    kHdpnKnob = 1042,
  };
  // Graph mode of the shared graph; the spectrum's dragger sits in the slot
  // its bit 0 selects.
  static constexpr int kGraphMode = 5;
  static constexpr int kSpectrumSlot = kGraphMode & 1;
  // Looks of the A/B buttons.
  static constexpr uint32_t kPlainColour = 0xFFFFFFFFu;
  static constexpr uint32_t kHighlightColour = 0xFF60E060u;

  static const NameRow kNames[];

  explicit tcControlGroupMain(tcAPBench* bench);
  ~tcControlGroupMain() override;

  void refreshAll() override;
  void onParameterChanged(uint16_t id, int set_index) override;
  void onGlobalChanged(uint16_t id) override;
  void show(bool on) override;
  void afterShow() override;
  void onMeterRecord(const tcMeterRecord& record) override;
  // Off-line the spectrum empties.
  void onStatusChanged() override;
  void onButton(int id) override;
  void onSwitchToggled(int id, int state) override;
  void onDisplayClicked(int id) override;
  tcGuiApGraph* graph() const override;
  void refreshFlow() override;

  // The window's status strings. Colour: 0 normal, 1 alert, 2 busy.
  void showConnection(const tcString& text, int colour);
  void showDevice(const tcString& name);
  // A modified preset (its values differ from the processor's summary) is marked.
  void showPreset(const tcString& name, bool modified);
  // The on-line switch as the on-line mode stands.
  void showOnline(bool on) { setSwitch(kOnline, on ? 1 : 0); }
  // A/B: highlight of the slot the live set stands for, and the copy label.
  void drawQuickSave();
  // None without a graph.
  tcSpectrumView* spectrum() const { return spectrum_.get(); }

 signals:
  // A quick-save file could not be written; the text tells the user why.
  void sig_write_failed(const QString& text);

 private:
  // Steps of the construction that refreshAll() repeats.
  void refreshControls();
  void quickSave(int button);
  void repaintGraph() const;

  std::unique_ptr<tcSpectrumView> spectrum_;
};
