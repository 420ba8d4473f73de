#pragma once
// The QX770HD main window: the generic window plus the "View" menu with the
// pages, and the analysis window with its type and chain selections.
#include <memory>

#include "panel/window/tcApWidget.h"

class tcAnalysisWnd;

class TK3Widget : public tcApWidget {
  Q_OBJECT
 public:
  explicit TK3Widget(QWidget* parent = nullptr);
  ~TK3Widget() override;

  // The "View" actions: Analysis... and the eight pages (Test only with FACTORY/GURU).
  const QList<QAction*>& view_actions() const { return view_actions_; }
  // None before start-up and after close.
  tcAnalysisWnd* analysis_window() const { return analysis_.get(); }

 public slots:
  void slot_show_cg_input();
  void slot_show_cg_parametric();
  void slot_show_cg_compressor();
  void slot_show_cg_hd_out();
  void slot_show_cg_fm_out();
  void slot_show_cg_fm_plex();
  void slot_show_cg_system();
  void slot_show_cg_test();
  void slot_show_analysis() override;
  // Stores the analysis type as global 0x200C with the source, then shows that view.
  void slot_set_analysis(int type, int src) override;
  // Stores global 0x200D (1 for the HD chain, else 0), then shows that chain.
  void slot_set_analysis_chain(int chain, int src) override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  QMenu* add_first_menu(QMenu* menu) override;
  void start_model() override;
  void meter_record(const tcMeterRecord& record) override;

 private:
  void show_page(int page);

  QList<QAction*> view_actions_;
  // The analysis window with the meter panels; a top-level window of its own,
  // deleted before the rest of the window closes.
  std::unique_ptr<tcAnalysisWnd> analysis_;
};
