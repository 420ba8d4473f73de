#pragma once
// The analysis window: a top-level window with the VU meter panel, the
// analysis display and the gain-reduction panel, one above the other.
//
// How the main window drives it:
//   - construct it with the three option stores (general options for the
//     ANALYSIS and FACTORY sections, analysis options, analysis configuration);
//     it restores its geometry and panes and is shown with show();
//   - connect sig_set_analysis(type, dirty_src) and
//     sig_set_analysis_chain(chain, dirty_src): they ask for a type or chain
//     chosen in this window (dirty_src 2); the main window stores globals
//     0x200C / 0x200D and calls back set_view_type() / set_chain();
//   - call set_view_type() and set_chain() with the globals at start-up and
//     whenever they change, from here or from the processor;
//   - hand every meter record to feed().
// The window never writes the globals itself, and never flushes the general
// options (their owner does on close); its own settings dialogs write the two
// analysis files at once.
#include <QMainWindow>
#include <array>

class QAction;
class QSplitter;
class tcAnalysis;
class tcAnalysisConfig;
class tcAnalysisOptions;
class tcMeterRecord;
class tcMetersGR;
class tcMetersVU;
class tcOptions;

class tcAnalysisWnd : public QMainWindow {
  Q_OBJECT
 public:
  static constexpr const char* kTitle = "QX770HD Pro Analysis";
  enum Pane { kVuPane = 0, kAnalysisPane = 1, kGrPane = 2 };

  tcAnalysisWnd(tcOptions& options, tcAnalysisOptions& analysis_options,
                tcAnalysisConfig& analysis_config, QWidget* parent = nullptr);
  ~tcAnalysisWnd() override;

  // One meter record: both meter panels and the current view take their bytes.
  void feed(const tcMeterRecord& record);
  // Shows analysis type 0 to 5 (FFT, O-Scope, E vs F, 3-D Plot, SDR, A-Clip;
  // any other number the FFT); a new type starts its view afresh.
  void set_view_type(int type);
  // Shows the FM (0) or HD (1) chain in the analysis display and the GR panel.
  void set_chain(int chain);
  int view_type() const;
  int chain() const;

  tcAnalysis* analysis() const { return analysis_; }
  tcMetersVU* meters_vu() const { return vu_; }
  tcMetersGR* meters_gr() const { return gr_; }
  QAction* pane_action(int pane) const { return pane_actions_[static_cast<size_t>(pane)]; }
  bool pane_shown(int pane) const;

 signals:
  void sig_set_analysis(int type, int dirty_src);
  void sig_set_analysis_chain(int chain, int dirty_src);

 public slots:
  void slot_view_metersvu();
  void slot_view_metersgr();
  void slot_view_analysis();
  // The settings dialog of the current view.
  void slot_setup_analysis();
  void slot_setup_fft();
  void slot_setup_oscope();
  void slot_setup_efield();
  void slot_setup_surfplot();
  void slot_setup_specdyn();
  void slot_setup_aclip();
  void slot_setup_metersvu();
  void slot_setup_metersgr();
  // The E vs F and SDR integration and release settings.
  void slot_settings();

 protected:
  void moveEvent(QMoveEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void build_menus();
  // Applies the pane actions' states, keeps the VU pane when the other two are
  // hidden, and stores the three states.
  void apply_panes();
  void setup_view(int type);
  void save_geometry();
  void sync_actions();

  tcOptions& options_;
  tcAnalysisOptions& analysis_options_;
  QSplitter* splitter_;
  tcMetersVU* vu_;
  tcAnalysis* analysis_;
  tcMetersGR* gr_;
  std::array<QAction*, 3> pane_actions_{};
  std::array<QAction*, 2> chain_actions_{};
  std::array<QAction*, 6> type_actions_{};
  bool restoring_ = true;
};
