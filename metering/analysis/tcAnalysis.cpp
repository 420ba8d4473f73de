#include "metering/analysis/tcAnalysis.h"

#include <QActionGroup>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPainter>

#include "metering/analysis/tcAnalysisAClip.h"
#include "metering/analysis/tcAnalysisEField.h"
#include "metering/analysis/tcAnalysisFFT.h"
#include "metering/analysis/tcAnalysisOScope.h"
#include "metering/analysis/tcAnalysisSpecDyn.h"
#include "metering/analysis/tcAnalysisSurfPlot.h"

tcAnalysis::tcAnalysis(tcAnalysisOptions& options, tcAnalysisConfig& config, QWidget* parent)
    : QWidget(parent), menu_(new QMenu(this)) {
  views_[tcAnalysisView::kFft] = std::make_unique<tcAnalysisFFT>(config);
  views_[tcAnalysisView::kOScope] = std::make_unique<tcAnalysisOScope>(config);
  views_[tcAnalysisView::kEField] = std::make_unique<tcAnalysisEField>(config, options);
  views_[tcAnalysisView::kSurfPlot] = std::make_unique<tcAnalysisSurfPlot>(config);
  views_[tcAnalysisView::kSpecDyn] = std::make_unique<tcAnalysisSpecDyn>(config, options);
  views_[tcAnalysisView::kAClip] = std::make_unique<tcAnalysisAClip>(config);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMinimumSize(400, 200);

  chain_actions_[0] = menu_->addAction(QStringLiteral("FM"), this, &tcAnalysis::slot_type_fm);
  chain_actions_[1] = menu_->addAction(QStringLiteral("HD"), this, &tcAnalysis::slot_type_hd);
  menu_->addSeparator();
  void (tcAnalysis::*type_slots[tcAnalysisView::kTypes])() = {
      &tcAnalysis::slot_type_fft,     &tcAnalysis::slot_type_oscope,
      &tcAnalysis::slot_type_efield,  &tcAnalysis::slot_type_surfplot,
      &tcAnalysis::slot_type_specdyn, &tcAnalysis::slot_type_aclip};
  for (int t = 0; t < tcAnalysisView::kTypes; ++t)
    type_actions_[static_cast<size_t>(t)] =
        menu_->addAction(QString::fromLatin1(tcAnalysisView::type_name(t)), this, type_slots[t]);
  for (QAction* a : chain_actions_) a->setCheckable(true);
  for (QAction* a : type_actions_) a->setCheckable(true);
  sync_menu();
}

tcAnalysis::~tcAnalysis() = default;

tcAnalysisView& tcAnalysis::view(int type) const {
  return *views_[static_cast<size_t>(type >= 0 && type < tcAnalysisView::kTypes ? type : 0)];
}

tcAnalysisEField& tcAnalysis::efield() const {
  return static_cast<tcAnalysisEField&>(view(tcAnalysisView::kEField));
}

tcAnalysisSpecDyn& tcAnalysis::specdyn() const {
  return static_cast<tcAnalysisSpecDyn&>(view(tcAnalysisView::kSpecDyn));
}

void tcAnalysis::set_type(int type) {
  if (type < 0 || type >= tcAnalysisView::kTypes) type = tcAnalysisView::kFft;
  if (type != type_) {
    type_ = type;
    current().reset();
    update();
  }
  sync_menu();
}

void tcAnalysis::set_chain(int chain) {
  chain = chain == 1 ? 1 : 0;
  if (chain != chain_) {
    chain_ = chain;
    current().reset();
    update();
  }
  sync_menu();
}

void tcAnalysis::feed(const uint8_t* block) {
  current().feed(block);
  // A frame changes the plot only; titles and scales stay.
  update(current().plot_rect(rect()));
}

void tcAnalysis::sync_menu() {
  for (int c = 0; c < 2; ++c) chain_actions_[static_cast<size_t>(c)]->setChecked(c == chain_);
  for (int t = 0; t < tcAnalysisView::kTypes; ++t)
    type_actions_[static_cast<size_t>(t)]->setChecked(t == type_);
}

void tcAnalysis::ask_chain(int chain) {
  emit sig_set_analysis_chain(chain, kSourceConsole);
  sync_menu();
}

void tcAnalysis::slot_type_fm() {
  ask_chain(0);
}
void tcAnalysis::slot_type_hd() {
  ask_chain(1);
}

void tcAnalysis::ask_type(int type) {
  emit sig_set_analysis(type, kSourceConsole);
  sync_menu();
}

void tcAnalysis::slot_type_fft() {
  ask_type(tcAnalysisView::kFft);
}
void tcAnalysis::slot_type_oscope() {
  ask_type(tcAnalysisView::kOScope);
}
void tcAnalysis::slot_type_efield() {
  ask_type(tcAnalysisView::kEField);
}
void tcAnalysis::slot_type_surfplot() {
  ask_type(tcAnalysisView::kSurfPlot);
}
void tcAnalysis::slot_type_specdyn() {
  ask_type(tcAnalysisView::kSpecDyn);
}
void tcAnalysis::slot_type_aclip() {
  ask_type(tcAnalysisView::kAClip);
}

void tcAnalysis::paintEvent(QPaintEvent*) {
  QPainter p(this);
  current().paint(p, rect(), chain_);
}

void tcAnalysis::contextMenuEvent(QContextMenuEvent* event) {
  menu_->exec(event->globalPos());
}
