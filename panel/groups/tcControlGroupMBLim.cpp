#include "panel/groups/tcControlGroupMBLim.h"

#include "panel/framework/tcAPBench.h"
#include "params/SETTINGS.h"
#include "skin/draggers/tcMBCheckDragger.h"
#include "skin/draggers/tcMBSlideDragger.h"
#include "skin/draggers/tcPEQDragger.h"
#include "skin/objects/tcGuiApGraph.h"
#include "skin/objects/tcGuiImage.h"

namespace {
// A skin image of this name draws the band adjusters (four sections: linked,
// linked selected, independent, independent selected).
constexpr const char* kAdjusterImage = "MBLimDragger";
constexpr int kEqBands = tcPEQDragger::kBands;

bool in_block(uint16_t id, uint16_t first, int count) {
  return first != 0 && id >= first && id < first + count;
}
}  // namespace

const char* const tcControlGroupMBLim::kThresholdMarks[] = {"+5", "+3", "+1", nullptr};
const char* const tcControlGroupMBLim::kAttackMarks[] = {"60", "16", nullptr};
const char* const tcControlGroupMBLim::kReleaseMarks[] = {"100", "30", "10", "3", nullptr};
const char* const tcControlGroupMBLim::kEqMarks[] = {"-12", "-6", "0", "+6", "+12", nullptr};

tcControlGroupMBLim::tcControlGroupMBLim(tcAPBench* bench, const NameRow* names,
                                         const Layout& layout)
    : tcControlGroup(bench, names),
      layout_(layout),
      graph_(findGraph()),
      owns_graph_(graph_ && graph_ != bench->main_graph()) {
  uint16_t switch_base = 0;
  for (const Quantity* q = layout_.quantities; q && q->item != 0; ++q) {
    quantities_.push_back(*q);
    type_rows_.push_back(tcRadioRow{layout_.type_group, q->item, static_cast<uint32_t>(q->number)});
    if (q->editor == tcMBLimGraph::kSwitches) switch_base = q->first;
  }
  type_rows_.push_back(tcRadioRow{0, 0, 0});

  if (!graph_ || quantities_.empty()) return;
  if (!owns_graph_) shared_ = std::make_unique<tcSharedGraph>(bench);
  view_ = std::make_unique<tcMBLimGraph>(graph_, bench->stores().banks, layout_.eq, switch_base);
  view_->bands()->set_band_ops(tcDraggerBandOps{
      [this](int band, float value) {
        const SETTINGS* set = liveSet();
        return set ? set->eng_to_raw(static_cast<uint16_t>(shown().first + band), value) : 0u;
      },
      [this](int band, uint32_t raw) {
        const SETTINGS* set = liveSet();
        return set ? set->raw_to_eng(static_cast<uint16_t>(shown().first + band), raw) : 0.0f;
      },
      [this](int band, uint32_t raw) {
        writeParam(static_cast<uint16_t>(shown().first + band), raw);
      }});
  const tcGuiObject* image = bench->find_object(kAdjusterImage);
  if (image && image->kind() == tcGuiObject::kImage) {
    view_->bands()->set_adjuster_image(static_cast<const tcGuiImage*>(image));
  }
}

tcControlGroupMBLim::~tcControlGroupMBLim() {
  giveGraphBack();
}

tcGuiApGraph* tcControlGroupMBLim::findGraph() const {
  if (tcGuiObject* own = findObjectOfKind(layout_.own_graph, tcGuiObject::kApGraph)) {
    return static_cast<tcGuiApGraph*>(own);
  }
  return bench()->main_graph();
}

void tcControlGroupMBLim::setUpPage() {
  tcPageSetup::fillLists(*this, layout_.lists);
  refreshAll();
}

void tcControlGroupMBLim::fillListItems(int id) {
  tcPageSetup::fillList(*this, layout_.lists, id);
}

void tcControlGroupMBLim::refreshAll() {
  tcPageSetup::refreshTables(*this);
  showCoupling();
  showQuantity();
}

void tcControlGroupMBLim::afterShow() {
  if (!view_) return;
  if (visible() || owns_graph_) {
    borrowGraph();
    showQuantity();
  } else {
    giveGraphBack();
  }
}

void tcControlGroupMBLim::borrowGraph() {
  if (shared_) {
    shared_->borrow(view_.get());
    return;
  }
  // Both slots: the graph's mode does not matter to the page.
  graph_->set_dragger(0, view_.get());
  graph_->set_dragger(1, view_.get());
}

void tcControlGroupMBLim::giveGraphBack() {
  if (shared_) shared_->give_back();
}

void tcControlGroupMBLim::selectQuantity(int number) {
  for (size_t i = 0; i < quantities_.size(); ++i) {
    if (quantities_[i].number == number) {
      current_ = i;
      showQuantity();
      return;
    }
  }
}

void tcControlGroupMBLim::showQuantity() {
  if (quantities_.empty()) return;
  const Quantity& q = shown();
  tcRadioTable::select(*this, type_rows_.data(), layout_.type_group,
                       static_cast<uint32_t>(q.number));
  if (!view_) return;
  // The axes belong to whichever page shows the shared graph.
  if (visible() || owns_graph_) {
    const SETTINGS* set = liveSet();
    const bool bands = q.editor == tcMBLimGraph::kBands && set;
    view_->show_quantity(q.editor, q.name, q.marks, bands ? set->float_min(q.first) : -kEqRangeDb,
                         bands ? set->float_max(q.first) : kEqRangeDb);
  }
  refreshGraph();
}

void tcControlGroupMBLim::refreshGraph() {
  if (!view_) return;
  const SETTINGS* set = liveSet();
  const Quantity& q = shown();
  if (q.editor == tcMBLimGraph::kBands) {
    for (int b = 0; b < tcMBLimGraph::kBandCount; ++b) {
      const auto id = static_cast<uint16_t>(q.first + b);
      view_->bands()->set_value(b, set ? set->eng(id) : 0.0f);
    }
  }
  if (tcMBCheckDragger* switches = view_->switches()) switches->rows().refresh();
  const tcMBLimGraph::EqIds& eq = layout_.eq;
  for (int b = 0; b < kEqBands && set; ++b) {
    view_->equaliser()->set_band(b, set->eng(static_cast<uint16_t>(eq.frequency + b)),
                                 set->eng(static_cast<uint16_t>(eq.width + b)),
                                 set->eng(static_cast<uint16_t>(eq.gain + b)));
  }
  repaintGraph();
}

void tcControlGroupMBLim::showCoupling() {
  if (view_ && layout_.coupling != 0) view_->set_coupling_active(paramValue(layout_.coupling) != 0);
}

void tcControlGroupMBLim::repaintGraph() const {
  const tcGuiApGraph* g = graph_;
  if (g && g->visible()) bench()->invalidate(g->area());
}

bool tcControlGroupMBLim::inBands(uint16_t id) const {
  const Quantity& q = shown();
  const tcMBLimGraph::EqIds& eq = layout_.eq;
  // The band block of the quantity shown (adjusters or switches); the
  // others are read again when their quantity is chosen.
  return in_block(id, q.first, tcMBLimGraph::kBandCount) || in_block(id, eq.frequency, kEqBands) ||
         in_block(id, eq.width, kEqBands) || in_block(id, eq.gain, kEqBands);
}

void tcControlGroupMBLim::onParameterChanged(uint16_t id, int set_index) {
  tcControlGroup::onParameterChanged(id, set_index);
  if (!tcPageSetup::isCurrentSet(*this, set_index)) return;
  if (id == layout_.coupling && id != 0) showCoupling();
  if (inBands(id)) refreshGraph();
}

void tcControlGroupMBLim::setSwitch(int id, int state) {
  tcControlGroup::setSwitch(id, state);
  bench()->refresh_flow();
}

void tcControlGroupMBLim::onListStep(int id, int n) {
  tcControlGroup::onListStep(id, n);
  bench()->refresh_flow();
}

void tcControlGroupMBLim::onRadioSelected(int id, int index) {
  uint32_t number = 0;
  if (id == layout_.type_group &&
      tcRadioTable::valueOf(*this, type_rows_.data(), id, index, &number)) {
    selectQuantity(static_cast<int>(number));
  }
}

void tcControlGroupMBLim::onGraphReadings(const tcGraphReadings& readings) {
  if (!view_) return;
  view_->set_readings(readings);
  // The Main group repaints the shared graph itself.
  if (owns_graph_) repaintGraph();
}
