#include "metering/analysis/tcAnalysisWnd.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QSplitter>

#include "app/core/tcAnalysisOptions.h"
#include "app/core/tcOptions.h"
#include "link/protocol/tcMeterRecord.h"
#include "metering/analysis/tcAnalysis.h"
#include "metering/analysis/tcAnalysisSettingsDlg.h"
#include "metering/meters/tcMetersGR.h"
#include "metering/meters/tcMetersVU.h"
#include "metering/meters/tcSettingsFlush.h"

tcAnalysisWnd::tcAnalysisWnd(tcOptions& options, tcAnalysisOptions& analysis_options,
                             tcAnalysisConfig& analysis_config, QWidget* parent)
    : QMainWindow(parent, Qt::Window),
      options_(options),
      analysis_options_(analysis_options),
      splitter_(new QSplitter(Qt::Vertical, this)),
      vu_(new tcMetersVU(analysis_config, splitter_)),
      analysis_(new tcAnalysis(analysis_options, analysis_config, splitter_)),
      gr_(new tcMetersGR(analysis_config, splitter_)) {
  setWindowTitle(QString::fromLatin1(kTitle));
  splitter_->addWidget(vu_);
  splitter_->addWidget(analysis_);
  splitter_->addWidget(gr_);
  splitter_->setStretchFactor(0, 0);
  splitter_->setStretchFactor(1, 1);
  splitter_->setStretchFactor(2, 0);
  splitter_->setChildrenCollapsible(false);
  splitter_->setSizes({200, 420, 280});
  setCentralWidget(splitter_);
  connect(analysis_, &tcAnalysis::sig_set_analysis, this, &tcAnalysisWnd::sig_set_analysis);
  connect(analysis_, &tcAnalysis::sig_set_analysis_chain, this,
          &tcAnalysisWnd::sig_set_analysis_chain);
  build_menus();
  pane_actions_[kVuPane]->setChecked(options_.analysis_vwnd() > 0);
  pane_actions_[kAnalysisPane]->setChecked(options_.analysis_awnd() > 0);
  pane_actions_[kGrPane]->setChecked(options_.analysis_gwnd() > 0);
  apply_panes();

  resize(860, 940);
  const QByteArray geometry = QByteArray::fromHex(options_.analysis_geometry().c_str());
  if (!geometry.isEmpty()) restoreGeometry(geometry);  // an unreadable one leaves the default
  restoring_ = false;
}

tcAnalysisWnd::~tcAnalysisWnd() = default;

void tcAnalysisWnd::build_menus() {
  QMenu* view = menuBar()->addMenu(QStringLiteral("View"));
  pane_actions_[kVuPane] =
      view->addAction(QStringLiteral("VU Meters"), this, &tcAnalysisWnd::slot_view_metersvu);
  pane_actions_[kAnalysisPane] =
      view->addAction(QStringLiteral("Analysis"), this, &tcAnalysisWnd::slot_view_analysis);
  pane_actions_[kGrPane] =
      view->addAction(QStringLiteral("GR Meters"), this, &tcAnalysisWnd::slot_view_metersgr);
  for (QAction* a : pane_actions_) a->setCheckable(true);
  view->addSeparator();
  chain_actions_[0] =
      view->addAction(QStringLiteral("FM Analysis"), analysis_, &tcAnalysis::slot_type_fm);
  chain_actions_[1] =
      view->addAction(QStringLiteral("HD Analysis"), analysis_, &tcAnalysis::slot_type_hd);
  QMenu* types = view->addMenu(QStringLiteral("Analysis Type"));
  void (tcAnalysis::*type_slots[6])() = {
      &tcAnalysis::slot_type_fft,     &tcAnalysis::slot_type_oscope,
      &tcAnalysis::slot_type_efield,  &tcAnalysis::slot_type_surfplot,
      &tcAnalysis::slot_type_specdyn, &tcAnalysis::slot_type_aclip};
  for (int t = 0; t < 6; ++t)
    type_actions_[static_cast<size_t>(t)] = types->addAction(
        QString::fromLatin1(tcAnalysisView::type_name(t)), analysis_, type_slots[t]);
  for (QAction* a : chain_actions_) a->setCheckable(true);
  for (QAction* a : type_actions_) a->setCheckable(true);
  // The menu shows the current choice until the main window confirms a new one.
  for (QAction* a : chain_actions_)
    connect(a, &QAction::triggered, this, &tcAnalysisWnd::sync_actions);
  for (QAction* a : type_actions_)
    connect(a, &QAction::triggered, this, &tcAnalysisWnd::sync_actions);
  view->addSeparator();
  view->addAction(QStringLiteral("Settings..."), this, &tcAnalysisWnd::slot_settings);
  if (options_.guru()) {
    QMenu* factory = view->addMenu(QStringLiteral("Factory"));
    factory->addAction(QStringLiteral("Edit VU Meters..."), this,
                       &tcAnalysisWnd::slot_setup_metersvu);
    factory->addAction(QStringLiteral("Edit Analysis..."), this,
                       &tcAnalysisWnd::slot_setup_analysis);
    factory->addAction(QStringLiteral("Edit GR Meters..."), this,
                       &tcAnalysisWnd::slot_setup_metersgr);
  }
  sync_actions();
}

void tcAnalysisWnd::sync_actions() {
  for (int c = 0; c < 2; ++c) chain_actions_[static_cast<size_t>(c)]->setChecked(c == chain());
  for (int t = 0; t < 6; ++t) type_actions_[static_cast<size_t>(t)]->setChecked(t == view_type());
}

int tcAnalysisWnd::view_type() const {
  return analysis_->type();
}
int tcAnalysisWnd::chain() const {
  return analysis_->chain();
}

void tcAnalysisWnd::feed(const tcMeterRecord& record) {
  vu_->feed(record);
  gr_->feed(record);
  analysis_->feed(record.analysis());
}

void tcAnalysisWnd::set_view_type(int type) {
  analysis_->set_type(type);
  sync_actions();
}

void tcAnalysisWnd::set_chain(int chain) {
  analysis_->set_chain(chain);
  gr_->set_chain(chain);
  sync_actions();
}

bool tcAnalysisWnd::pane_shown(int pane) const {
  return pane_actions_[static_cast<size_t>(pane)]->isChecked();
}

void tcAnalysisWnd::apply_panes() {
  // The window never stands empty: with analysis and GR hidden the VU pane shows.
  if (!pane_shown(kAnalysisPane) && !pane_shown(kGrPane)) pane_actions_[kVuPane]->setChecked(true);
  vu_->setVisible(pane_shown(kVuPane));
  analysis_->setVisible(pane_shown(kAnalysisPane));
  gr_->setVisible(pane_shown(kGrPane));
  options_.set_analysis_vwnd(pane_shown(kVuPane) ? 1 : 0);
  options_.set_analysis_awnd(pane_shown(kAnalysisPane) ? 1 : 0);
  options_.set_analysis_gwnd(pane_shown(kGrPane) ? 1 : 0);
}

void tcAnalysisWnd::slot_view_metersvu() {
  apply_panes();
}
void tcAnalysisWnd::slot_view_metersgr() {
  apply_panes();
}
void tcAnalysisWnd::slot_view_analysis() {
  apply_panes();
}

void tcAnalysisWnd::setup_view(int type) {
  if (analysis_->view(type).settings_dialog(this)) analysis_->update();
}

void tcAnalysisWnd::slot_setup_analysis() {
  setup_view(view_type());
}
void tcAnalysisWnd::slot_setup_fft() {
  setup_view(tcAnalysisView::kFft);
}
void tcAnalysisWnd::slot_setup_oscope() {
  setup_view(tcAnalysisView::kOScope);
}
void tcAnalysisWnd::slot_setup_efield() {
  setup_view(tcAnalysisView::kEField);
}
void tcAnalysisWnd::slot_setup_surfplot() {
  setup_view(tcAnalysisView::kSurfPlot);
}
void tcAnalysisWnd::slot_setup_specdyn() {
  setup_view(tcAnalysisView::kSpecDyn);
}
void tcAnalysisWnd::slot_setup_aclip() {
  setup_view(tcAnalysisView::kAClip);
}
void tcAnalysisWnd::slot_setup_metersvu() {
  vu_->settings_dialog();
}
void tcAnalysisWnd::slot_setup_metersgr() {
  gr_->settings_dialog();
}

void tcAnalysisWnd::slot_settings() {
  tcAnalysisSettingsDlg dlg(analysis_->efield(), analysis_->specdyn(), this);
  connect(&dlg, &tcAnalysisSettingsDlg::sig_changed, analysis_, qOverload<>(&QWidget::update));
  dlg.exec();
  tcSettingsFlush::flush(analysis_options_.store(), this);
}

void tcAnalysisWnd::save_geometry() {
  if (restoring_) return;
  options_.set_analysis_geometry(saveGeometry().toHex().constData());
}

void tcAnalysisWnd::moveEvent(QMoveEvent* event) {
  QMainWindow::moveEvent(event);
  save_geometry();
}

void tcAnalysisWnd::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  save_geometry();
}
