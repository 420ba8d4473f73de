#pragma once
// The analysis display: one of six views of the analysis data, for the FM or
// the HD chain. Choosing a type or chain here only asks for it (the signals);
// the window stores the processor's globals and calls set_type / set_chain.
#include <QWidget>
#include <array>
#include <memory>

#include "metering/analysis/tcAnalysisView.h"

class QAction;
class QActionGroup;
class QMenu;
class tcAnalysisConfig;
class tcAnalysisEField;
class tcAnalysisOptions;
class tcAnalysisSpecDyn;

class tcAnalysis : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kSourceConsole = 2;  // change source of a choice made here

  tcAnalysis(tcAnalysisOptions& options, tcAnalysisConfig& config, QWidget* parent = nullptr);
  ~tcAnalysis() override;

  int type() const { return type_; }
  int chain() const { return chain_; }
  // A new type resets its view and shows it; any number outside 0 to 5 is the FFT.
  void set_type(int type);
  // A new chain (0 FM, 1 HD) resets the current view.
  void set_chain(int chain);
  // The current view takes the 500-byte analysis block; the display repaints.
  void feed(const uint8_t* block);

  tcAnalysisView& view(int type) const;
  tcAnalysisView& current() const { return view(type_); }
  tcAnalysisEField& efield() const;
  tcAnalysisSpecDyn& specdyn() const;
  QMenu* context_menu() const { return menu_; }

 signals:
  void sig_set_analysis(int type, int dirty_src);
  void sig_set_analysis_chain(int chain, int dirty_src);

 public slots:
  void slot_type_fm();
  void slot_type_hd();
  void slot_type_fft();
  void slot_type_oscope();
  void slot_type_efield();
  void slot_type_surfplot();
  void slot_type_specdyn();
  void slot_type_aclip();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  // Asks the window for a type or chain; the menu keeps showing the current
  // one until the window sets it.
  void ask_type(int type);
  void ask_chain(int chain);
  void sync_menu();

  std::array<std::unique_ptr<tcAnalysisView>, tcAnalysisView::kTypes> views_;
  int type_ = tcAnalysisView::kFft;
  int chain_ = 0;
  QMenu* menu_;
  std::array<QAction*, 2> chain_actions_{};
  std::array<QAction*, tcAnalysisView::kTypes> type_actions_{};
};
