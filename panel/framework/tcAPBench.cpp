#include "panel/framework/tcAPBench.h"

#include <QPainter>
#include <QWidget>
#include <cmath>

#include "app/core/tcLog.h"
#include "app/core/tcOptions.h"
#include "panel/framework/tcControlGroup.h"
#include "params/GLOBALS.h"
#include "skin/objects/tcGuiApGraph.h"
#include "skin/objects/tcGuiImage.h"

namespace {

constexpr uint16_t kAnalysisChain = 0x200D;

struct PageRow {
  int page;
  int slot;
};
const PageRow kPages[] = {
    {tcAPBench::kPageSystem, tcAPBench::kSystem},
    {tcAPBench::kPageHdOut, tcAPBench::kHdOut},
    {tcAPBench::kPageCompressor, tcAPBench::kCompressor},
    {tcAPBench::kPageParametric, tcAPBench::kParametric},
    {tcAPBench::kPageInput, tcAPBench::kInput},
    {tcAPBench::kPageFmOut, tcAPBench::kFmOut},
    {tcAPBench::kPageFmPlex, tcAPBench::kFmPlex},
    {tcAPBench::kPageTest, tcAPBench::kTest},
};

}  // namespace

tcAPBench::tcAPBench(const tcString& skin_dir, const tcPanelStores& stores)
    : tcBenchMaster(skin_dir), stores_(stores) {}

tcAPBench::~tcAPBench() {
  if (stores_.options && !groups_.empty()) {
    stores_.options->set_control_page(page_);
    if (spectrum_range_ > 0) stores_.options->set_spectra_range(spectrum_range_);
  }
  // The groups go before the objects they are bound to.
  groups_.clear();
}

int tcAPBench::setup() {
  if (load() != 0) return -1;
  const tcGuiObject* found = find_object(kBackground);
  background_ = found && found->kind() == tcGuiObject::kImage
                    ? static_cast<const tcGuiImage*>(found)
                    : nullptr;
  // A background whose picture did not load would leave a panel of no size.
  if (!background_ || background_->picture().isNull()) {
    background_ = nullptr;
    log_message(tcLog::kError, "%s", kNoBackground);
    return -1;
  }
  panel_size_ = QSize(background_->section_width(), background_->section_height());

  create_groups();

  if (const tcGuiApGraph* graph = main_graph()) {
    const auto& axis = graph->y_axis();
    const int current = static_cast<int>(std::lround(axis.maximum - axis.minimum));
    set_spectrum_range(stores_.options ? stores_.options->spectra_range(current) : current);
  }
  if (tcControlGroup* main = group(kMain)) main->show(true);
  select_page(stores_.options ? stores_.options->control_page() : kPageSystem);
  analysis_chain_ = stores_.globals ? static_cast<int>(stores_.globals->raw(kAnalysisChain)) : 0;
  return 0;
}

void tcAPBench::set_spectrum_range(int range) {
  tcGuiApGraph* graph = main_graph();
  if (!graph || range <= 0) return;
  spectrum_range_ = range;
  const auto& axis = graph->y_axis();
  graph->set_axis(false, axis.kind, axis.maximum - static_cast<float>(range), axis.maximum);
}

tcControlGroup* tcAPBench::group(int slot) const {
  return slot >= 0 && slot < kSlots ? slots_[slot] : nullptr;
}

tcControlGroup* tcAPBench::add_group(std::unique_ptr<tcControlGroup> group, int slot) {
  tcControlGroup* raw = group.get();
  groups_.push_back(std::move(group));
  if (slot >= 0 && slot < kSlots) slots_[slot] = raw;
  return raw;
}

tcGuiApGraph* tcAPBench::main_graph() const {
  const tcControlGroup* main = group(kMain);
  return main ? main->graph() : nullptr;
}

int tcAPBench::slot_of_page(int page, bool guru) {
  if (page == kPageTest && !guru) return kSystem;
  for (const PageRow& row : kPages) {
    if (row.page == page) return row.slot;
  }
  return kSystem;
}

void tcAPBench::select_page(int page) {
  const bool guru = stores_.options && stores_.options->guru();
  const int target = slot_of_page(page, guru);
  // The page number as shown: a fallback stores the System page.
  page_ = target == kSystem ? kPageSystem : page;
  QWidget* widget = host();
  const bool updates = widget && widget->updatesEnabled();
  if (updates) widget->setUpdatesEnabled(false);
  for (const PageRow& row : kPages) {
    tcControlGroup* g = group(row.slot);
    if (g && row.slot != target && g->visible()) g->show(false);
  }
  if (tcControlGroup* g = group(target)) g->show(true);
  refresh_flow();
  if (updates) {
    widget->setUpdatesEnabled(true);
    widget->update();
  }
}

void tcAPBench::refresh_flow() {
  if (tcControlGroup* main = group(kMain)) main->refreshFlow();
}

void tcAPBench::parameter_changed(uint16_t id, int set_index) {
  for (const auto& g : groups_) g->onParameterChanged(id, set_index);
}

void tcAPBench::global_changed(uint16_t id) {
  for (const auto& g : groups_) g->onGlobalChanged(id);
}

void tcAPBench::meter_record(const tcMeterRecord& record) {
  for (const auto& g : groups_) g->onMeterRecord(record);
}

void tcAPBench::set_connection_state(int state) {
  connection_state_ = state;
  for (const auto& g : groups_) g->onStatusChanged();
}

void tcAPBench::tick() {
  animate();
  for (const auto& g : groups_) g->onTick();
}

void tcAPBench::refresh_all() {
  for (const auto& g : groups_) g->refreshAll();
}

bool tcAPBench::group_locked(int control_id) const {
  return checker_ && checker_(control_id);
}

void tcAPBench::invalidate(const QRect& skin_rect) {
  if (!repaints_held_) tcBench::invalidate(skin_rect);
}

void tcAPBench::render_background(QImage* target, const QRect& clip) const {
  const QImage* picture = background_->section(0);
  if (!picture) return;
  if (!scaled()) {
    // The whole panel's clip shares the picture instead of copying it.
    *target = clip == picture->rect() ? *picture : picture->copy(clip);
    return;
  }
  *target = QImage(clip.size(), QImage::Format_ARGB32_Premultiplied);
  target->fill(Qt::black);
  QPainter p(target);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.translate(-clip.topLeft());
  p.scale(scale_x(), scale_y());
  p.drawImage(0, 0, *picture);
}

void tcAPBench::paint(QPainter& painter, const QRect& dirty) {
  if (background_) {
    if (dirty != background_rect_ || background_cache_.isNull()) {
      render_background(&background_cache_, dirty);
      background_rect_ = dirty;
    }
    painter.drawImage(dirty.topLeft(), background_cache_);
  }
  tcBench::paint(painter, dirty);
}
