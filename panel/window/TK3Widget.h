#pragma once
// The QX770HD main window: the generic window plus the "View" menu with the
// pages, and the analysis window with its type and chain selections.
#include "panel/window/tcApWidget.h"

class TK3Widget : public tcApWidget {
  Q_OBJECT
 public:
  explicit TK3Widget(QWidget* parent = nullptr);
  ~TK3Widget() override;

  // The "View" actions: Analysis... and the eight pages (Test only with FACTORY/GURU).
  const QList<QAction*>& view_actions() const { return view_actions_; }

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
  void start_model() override { hook_create_analysis_window(); }
  void meter_record(const tcMeterRecord& record) override;

 private:
  void show_page(int page);

  // The analysis window and its meter panels, one hook each.
  void hook_create_analysis_window();
  void hook_close_analysis_window();
  void hook_show_analysis_window();
  void hook_set_analysis_view(int type);
  void hook_set_analysis_chain_view(bool hd_chain);
  void hook_feed_analysis(const tcMeterRecord& record);

  QList<QAction*> view_actions_;
};
