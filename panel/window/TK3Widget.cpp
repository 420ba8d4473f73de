#include "panel/window/TK3Widget.h"

#include <QCloseEvent>
#include <QMenu>

#include "app/startup/tcAppContext.h"
#include "link/transport/tcApStores.h"
#include "metering/analysis/tcAnalysisWnd.h"
#include "panel/groups/tcTK3Bench.h"

namespace {

constexpr uint16_t kAnalysisType = 0x200C;
constexpr uint16_t kAnalysisChain = 0x200D;

// The page entries of the "View" menu, in menu order.
struct PageEntry {
  const char* text;
  void (TK3Widget::*slot)();
  bool guru_only;
};
const PageEntry kPageEntries[] = {
    {"Input", &TK3Widget::slot_show_cg_input, false},
    {"Para EQ", &TK3Widget::slot_show_cg_parametric, false},
    {"AGC/Comp", &TK3Widget::slot_show_cg_compressor, false},
    {"HD Lim", &TK3Widget::slot_show_cg_hd_out, false},
    {"FM Lim", &TK3Widget::slot_show_cg_fm_out, false},
    {"ST Encoder", &TK3Widget::slot_show_cg_fm_plex, false},
    {"System", &TK3Widget::slot_show_cg_system, false},
    {"Test", &TK3Widget::slot_show_cg_test, true},
};

}  // namespace

TK3Widget::TK3Widget(QWidget* parent) : tcApWidget(parent) {}

TK3Widget::~TK3Widget() = default;

void TK3Widget::start_model() {
  tcAppContext* app = context();
  analysis_ = std::make_unique<tcAnalysisWnd>(app->options(), app->analysis_options(),
                                              app->analysis_config());
  connect(analysis_.get(), &tcAnalysisWnd::sig_set_analysis, this, &TK3Widget::slot_set_analysis);
  connect(analysis_.get(), &tcAnalysisWnd::sig_set_analysis_chain, this,
          &TK3Widget::slot_set_analysis_chain);
  if (tcApStores* s = stores()) {
    analysis_->set_view_type(static_cast<int>(s->globals().int_value(kAnalysisType)));
    analysis_->set_chain(s->globals().int_value(kAnalysisChain) == 1 ? 1 : 0);
  }
}

QMenu* TK3Widget::add_first_menu(QMenu* menu) {
  QMenu* view = menu->addMenu(QStringLiteral("View"));
  view_actions_.append(
      view->addAction(QStringLiteral("Analysis..."), this, &TK3Widget::slot_show_analysis));
  view->addSeparator();
  const bool guru = context()->options().guru();
  for (const PageEntry& entry : kPageEntries) {
    if (entry.guru_only && !guru) continue;
    view_actions_.append(view->addAction(QString::fromLatin1(entry.text), this, entry.slot));
  }
  view->addSeparator();
  return view;
}

void TK3Widget::show_page(int page) {
  if (tcTK3Bench* bench = panel()) bench->select_page(page);
}

void TK3Widget::slot_show_cg_input() {
  show_page(tcAPBench::kPageInput);
}
void TK3Widget::slot_show_cg_parametric() {
  show_page(tcAPBench::kPageParametric);
}
void TK3Widget::slot_show_cg_compressor() {
  show_page(tcAPBench::kPageCompressor);
}
void TK3Widget::slot_show_cg_hd_out() {
  show_page(tcAPBench::kPageHdOut);
}
void TK3Widget::slot_show_cg_fm_out() {
  show_page(tcAPBench::kPageFmOut);
}
void TK3Widget::slot_show_cg_fm_plex() {
  show_page(tcAPBench::kPageFmPlex);
}
void TK3Widget::slot_show_cg_system() {
  show_page(tcAPBench::kPageSystem);
}
void TK3Widget::slot_show_cg_test() {
  show_page(tcAPBench::kPageTest);
}

void TK3Widget::slot_show_analysis() {
  if (!analysis_) return;
  analysis_->show();
  analysis_->raise();
  analysis_->activateWindow();
}

void TK3Widget::slot_set_analysis(int type, int src) {
  if (tcApStores* s = stores())
    s->globals().set_int(kAnalysisType, static_cast<uint32_t>(type), src);
  if (analysis_) analysis_->set_view_type(type);
}

void TK3Widget::slot_set_analysis_chain(int chain, int src) {
  const bool hd = chain == 1;
  if (tcApStores* s = stores()) s->globals().set_int(kAnalysisChain, hd ? 1 : 0, src);
  if (analysis_) analysis_->set_chain(hd ? 1 : 0);
}

void TK3Widget::meter_record(const tcMeterRecord& record) {
  tcApWidget::meter_record(record);
  // A hidden window shows nothing: its views start afresh when it is shown.
  if (analysis_ && analysis_->isVisible()) analysis_->feed(record);
}

void TK3Widget::closeEvent(QCloseEvent* event) {
  if (defer_close(event)) return;
  analysis_.reset();
  tcApWidget::closeEvent(event);
}
