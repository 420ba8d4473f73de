#include "skin/draggers/tcPEQDragger.h"

#include <QActionGroup>
#include <QCursor>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <algorithm>

#include "params/tcLiveSettings.h"
#include "skin/draggers/tcBandResponse.h"
#include "skin/loader/tcBenchMaster.h"
#include "skin/objects/tcGuiApGraph.h"

namespace {
constexpr const char* kMenuNames[tcPEQDragger::kBands] = {"LOW", "MID 1", "MID 2", "HIGH"};
constexpr const char* kColourNames[tcPEQDragger::kBands + 1] = {
    "PEQ1color", "PEQ2color", "PEQ3color", "PEQ4color", "PEQSUMcolor"};
constexpr uint32_t kMissingBand = 0xFFFFFFFFu;
constexpr uint32_t kMissingSum = 0xFF808080u;
constexpr tcPEQDragger::Band kDefaultBands[tcPEQDragger::kBands] = {{50.0f, 1.0f, 6.0f},
                                                                    {800.0f, 2.0f, -4.0f},
                                                                    {2800.0f, 1.4925373f, 3.0f},
                                                                    {16000.0f, 2.5f, 8.0f}};
// The width handle lies 2 dB towards 0 dB from the gain.
constexpr float kWidthHandleDb = 2.0f;
constexpr QRgb kZeroLine = 0xFF909090u;
constexpr QRgb kHandleOutline = 0xFF000000u;
constexpr QRgb kSelectedOutline = 0xFFFFFFFFu;

QColor with_alpha(uint32_t argb, int alpha) {
  QColor c = QColor::fromRgba(argb);
  c.setAlpha(alpha * c.alpha() / 255);
  return c;
}
}  // namespace

tcPEQDragger::tcPEQDragger(tcGuiApGraph* graph, tcLiveSettings* live, uint16_t first_freq,
                           uint16_t first_width, uint16_t first_gain, QObject* parent)
    : tcGuiGraphDragger(graph, parent), live_(live) {
  for (int b = 0; b < kBands; ++b) {
    bands_[b] = kDefaultBands[b];
    set_band_ids(b, static_cast<uint16_t>(first_freq + b), static_cast<uint16_t>(first_width + b),
                 static_cast<uint16_t>(first_gain + b));
  }
  menu_ = std::make_unique<QMenu>();
  auto* group = new QActionGroup(menu_.get());
  void (tcPEQDragger::*const pick[kBands])() = {
      &tcPEQDragger::slot_select_eq1, &tcPEQDragger::slot_select_eq2,
      &tcPEQDragger::slot_select_eq3, &tcPEQDragger::slot_select_eq4};
  for (int b = 0; b < kBands; ++b) {
    actions_[b] = menu_->addAction(kMenuNames[b], this, pick[b]);
    actions_[b]->setCheckable(true);
    group->addAction(actions_[b]);
  }
  actions_[selected_]->setChecked(true);
  set_colour_names(kColourNames);
}

tcPEQDragger::~tcPEQDragger() = default;

void tcPEQDragger::set_colour_names(const char* const names[kBands + 1]) {
  const auto* skin = graph() ? dynamic_cast<const tcBenchMaster*>(graph()->bench()) : nullptr;
  uint32_t colours[kBands + 1];
  for (int c = 0; c <= kBands; ++c) {
    const uint32_t* found = skin && names[c] ? skin->find_colour(names[c]) : nullptr;
    colours[c] = found ? *found : c == kBands ? kMissingSum : kMissingBand;
  }
  set_colours(colours);
}

void tcPEQDragger::set_colours(const uint32_t colours[kBands + 1]) {
  std::copy(colours, colours + kBands + 1, colours_);
  for (int b = 0; b < kBands; ++b) {
    QPixmap swatch(12, 12);
    swatch.fill(QColor::fromRgba(colours_[b]));
    actions_[b]->setIcon(QIcon(swatch));
  }
}

void tcPEQDragger::set_band_ids(int band, uint16_t freq, uint16_t width, uint16_t gain) {
  if (band < 0 || band >= kBands) return;
  ids_[band][kFrequency] = freq;
  ids_[band][kWidth] = width;
  ids_[band][kGain] = gain;
}

void tcPEQDragger::set_write_handler(int band, int quantity, WriteHandler handler) {
  if (band >= 0 && band < kBands && quantity >= 0 && quantity < kQuantities) {
    handlers_[band][quantity] = std::move(handler);
  }
}

void tcPEQDragger::set_band(int band, float frequency, float width, float gain) {
  if (band < 0 || band >= kBands) return;
  Band& b = bands_[band];
  if (b.frequency == frequency && b.width == width && b.gain == gain) return;
  b = Band{frequency, width, gain};
  curves_changed_ = true;
  request_repaint();
}

void tcPEQDragger::set_frequency(int band, float frequency) {
  if (band >= 0 && band < kBands) set_band(band, frequency, bands_[band].width, bands_[band].gain);
}

void tcPEQDragger::set_width(int band, float width) {
  if (band >= 0 && band < kBands) set_band(band, bands_[band].frequency, width, bands_[band].gain);
}

void tcPEQDragger::set_gain(int band, float gain) {
  if (band >= 0 && band < kBands) set_band(band, bands_[band].frequency, bands_[band].width, gain);
}

void tcPEQDragger::select(int band) {
  if (band < 0 || band >= kBands) return;
  selected_ = band;
  // To the end of the order; the others keep theirs.
  int* end = std::remove(order_, order_ + kBands, band);
  *end = band;
  actions_[band]->setChecked(true);
  request_repaint();
}

void tcPEQDragger::slot_select_eq1() {
  select(0);
}
void tcPEQDragger::slot_select_eq2() {
  select(1);
}
void tcPEQDragger::slot_select_eq3() {
  select(2);
}
void tcPEQDragger::slot_select_eq4() {
  select(3);
}

QPoint tcPEQDragger::point_of(float frequency, float gain) const {
  if (!graph()) return QPoint();
  return QPoint(tcGuiGraph::to_pixel(graph()->x_axis(), frequency),
                tcGuiGraph::to_pixel(graph()->y_axis(), gain));
}

QRect tcPEQDragger::handle(int band) const {
  if (band < 0 || band >= kBands) return QRect();
  const QPoint c = point_of(bands_[band].frequency, bands_[band].gain);
  return QRect(c.x() - kHandle / 2, c.y() - kHandle / 2, kHandle, kHandle);
}

QRect tcPEQDragger::width_handle() const {
  const Band& b = bands_[selected_];
  const QRect h = handle(selected_);
  const int top = b.gain >= 0.0f
                      ? point_of(b.frequency, b.gain - kWidthHandleDb).y()
                      : point_of(b.frequency, b.gain + kWidthHandleDb).y() - (kHandle + 1);
  return QRect(h.left(), top, kHandle, kHandle);
}

void tcPEQDragger::update_curves() {
  const int n = std::max(plot_width(), 0);
  if (!curves_changed_ && static_cast<int>(curves_[kBands].size()) == n) return;
  std::vector<float>& total = curves_[kBands];
  total.assign(n, 0.0f);
  for (int b = 0; b < kBands; ++b) {
    curves_[b].resize(n);
    tcBandResponse::sample(bands_[b].frequency, bands_[b].width, bands_[b].gain, curves_[b].data(),
                           n);
    for (int i = 0; i < n; ++i) total[i] += curves_[b][i];
  }
  curves_changed_ = false;
}

const std::vector<float>& tcPEQDragger::curve(int band) {
  update_curves();
  return curves_[std::clamp(band, 0, kBands)];
}

const std::vector<float>& tcPEQDragger::sum() {
  update_curves();
  return curves_[kBands];
}

void tcPEQDragger::set_plot_size(int width, int height) {
  tcGuiGraphDragger::set_plot_size(width, height);
  curves_changed_ = true;
}

void tcPEQDragger::draw_background(QPainter& p) {
  if (!graph()) return;
  const int y = tcGuiGraph::to_pixel(graph()->y_axis(), 0.0f);
  if (y < 0 || y > plot_height()) return;
  p.save();
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(QColor::fromRgba(kZeroLine));
  p.drawLine(0, y, plot_width() - 1, y);
  p.restore();
}

void tcPEQDragger::draw_curves(QPainter& p) {
  if (!graph() || plot_width() <= 0) return;
  update_curves();
  const tcGuiGraph::Axis& y_axis = graph()->y_axis();
  const int zero = tcGuiGraph::to_pixel(y_axis, 0.0f);
  const auto path_of = [&](const std::vector<float>& db) {
    QPainterPath path;
    for (int i = 0; i < static_cast<int>(db.size()); ++i) {
      const QPointF pt(i + 0.5, tcGuiGraph::to_pixel(y_axis, db[i]) + 0.5);  // pixel centres
      if (i == 0) {
        path.moveTo(pt);
      } else {
        path.lineTo(pt);
      }
    }
    return path;
  };
  p.save();
  p.setClipRect(QRect(0, 0, plot_width(), plot_height() + 1), Qt::IntersectClip);
  p.setRenderHint(QPainter::Antialiasing, true);
  for (int k = 0; k < kBands; ++k) {
    const int b = order_[k];
    const QPainterPath line = path_of(curves_[b]);
    // A faint fill between the band and the 0 dB line shows its share at a glance.
    QPainterPath area = line;
    area.lineTo(plot_width() - 1, zero);
    area.lineTo(0, zero);
    area.closeSubpath();
    p.fillPath(area, with_alpha(colours_[b], 0x30));
    p.strokePath(line, QPen(with_alpha(colours_[b], 0xC0), 1.2));
  }
  p.strokePath(path_of(curves_[kBands]), QPen(QColor::fromRgba(colours_[kBands]), 2.5,
                                              Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.restore();
}

void tcPEQDragger::draw_handles(QPainter& p) {
  if (!graph()) return;
  p.save();
  p.setRenderHint(QPainter::Antialiasing, false);
  for (int k = 0; k < kBands; ++k) {
    const int b = order_[k];
    const QRect h = handle(b);
    const bool sel = b == selected_;
    p.setPen(QColor::fromRgba(sel ? kSelectedOutline : kHandleOutline));
    p.setBrush(QColor::fromRgba(colours_[b]));
    p.drawRect(h.adjusted(0, 0, -1, -1));
    if (sel) {
      // The width handle: hollow, with a bar across like a width mark.
      const QRect w = width_handle().adjusted(0, 0, -1, -1);
      p.setPen(QColor::fromRgba(colours_[b]));
      p.setBrush(with_alpha(kHandleOutline, 0x80));
      p.drawRect(w);
      p.drawLine(w.left() + 2, w.center().y(), w.right() - 2, w.center().y());
    }
  }
  p.restore();
}

int tcPEQDragger::left_press(int x, int y) {
  tcGuiGraphDragger::left_press(x, y);
  mode_ = kNone;
  if (graph() && graph()->disabled()) return 0;
  acc_x_ = x;
  acc_y_ = y;
  if (handle(selected_).contains(x, y)) {
    mode_ = kFreqGain;
  } else if (width_handle().contains(x, y)) {
    mode_ = kWidthDrag;
  } else {
    for (int k = 0; k < kBands; ++k) {
      const int b = order_[k];
      if (handle(b).contains(x, y)) {
        select(b);
        mode_ = kFreqGain;
        break;
      }
    }
  }
  return mode_ == kNone ? 0 : kRepaint;
}

int tcPEQDragger::right_press(int x, int y) {
  tcGuiGraphDragger::right_press(x, y);
  menu_->popup(QCursor::pos());
  return 0;
}

int tcPEQDragger::release(int, int) {
  mode_ = kNone;
  return 0;
}

uint32_t tcPEQDragger::to_raw(int band, int quantity, float value) const {
  const SETTINGS* set = live_ ? live_->current() : nullptr;
  return set ? set->eng_to_raw(ids_[band][quantity], value) : 0;
}

void tcPEQDragger::write(int band, int quantity, uint32_t raw) {
  const uint16_t id = ids_[band][quantity];
  if (handlers_[band][quantity]) {
    handlers_[band][quantity](raw);
    return;
  }
  SETTINGS* set = live_ ? live_->current() : nullptr;
  if (!set || !set->float_map(id)) return;
  set->set_raw(id, raw, kSourceConsole);
  Band b = bands_[band];
  float& field = quantity == kFrequency ? b.frequency : quantity == kWidth ? b.width : b.gain;
  field = set->eng(id);
  set_band(band, b.frequency, b.width, b.gain);
}

int tcPEQDragger::drag(int dx, int dy, int) {
  if (mode_ == kNone || !graph()) return 0;
  const SETTINGS* set = live_ ? live_->current() : nullptr;
  if (!set) return 0;
  // Held on the plot, so a handle dragged off the edge comes back with the pointer.
  acc_x_ = std::clamp(acc_x_ + dx, 0, std::max(plot_width() - 1, 0));
  acc_y_ = std::clamp(acc_y_ + dy, 0, std::max(plot_height(), 0));
  const int b = selected_;
  if (mode_ == kFreqGain) {
    write(b, kFrequency, to_raw(b, kFrequency, tcGuiGraph::to_value(graph()->x_axis(), acc_x_)));
    write(b, kGain, to_raw(b, kGain, tcGuiGraph::to_value(graph()->y_axis(), acc_y_)));
  } else {
    const uint16_t id = ids_[b][kWidth];
    const MAP_FLOAT* map = set->float_map(id);
    if (!map) return 0;
    const long long step = std::abs(dx) > std::abs(dy) ? dx : -dy;
    const long long raw = std::clamp<long long>(static_cast<long long>(set->raw(id)) + step,
                                                map->raw_min(), map->raw_max());
    write(b, kWidth, static_cast<uint32_t>(raw));
  }
  return kRepaint | kChanged;
}
