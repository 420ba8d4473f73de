#include "metering/meters/tcMeters.h"

#include <QPaintEvent>
#include <QPainter>

#include "app/core/tcAnalysisConfig.h"
#include "metering/meters/tcSettingsFlush.h"

tcMeters::tcMeters(const char* section, tcAnalysisConfig& config, QWidget* parent)
    : QWidget(parent),
      section_(section),
      config_(config),
      numleds_(config.numleds(section, kDefaultLeds)),
      fg_gradient_(config.fg_gradient(section, kDefaultFgGradient).toQString()),
      bg_gradient_(config.bg_gradient(section, kDefaultBgGradient).toQString()) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  resize(kNominalWidth, kNominalHeight);
}

void tcMeters::set_chain(int chain) {
  chain = chain == 1 ? 1 : 0;
  if (chain == chain_) return;
  chain_ = chain;
  backdrop_ = QPixmap();
  update();
}

int tcMeters::apply_settings(int leds, const QString& fg_gradient, const QString& bg_gradient) {
  numleds_ = leds;
  fg_gradient_ = fg_gradient;
  bg_gradient_ = bg_gradient;
  config_.set_numleds(section_, leds);
  config_.set_fg_gradient(section_, fg_gradient.toLocal8Bit().constData());
  config_.set_bg_gradient(section_, bg_gradient.toLocal8Bit().constData());
  for (tcBarWidget* b : bars_) b->rebuild_images(fg_gradient_, bg_gradient_, numleds_);
  return tcSettingsFlush::flush(config_.store(), this);
}

tcBarWidget* tcMeters::add_bar(int kind, int orientation, int left, int top, int right,
                               int bottom) {
  auto* b = new tcBarWidget(kind, orientation, numleds_, fg_gradient_, bg_gradient_, left, top,
                            right, bottom, this);
  const size_t i = bars_.size();
  bars_.push_back(b);
  if (values_.size() > i) b->set_values(values_[i].first, values_[i].second);
  b->show();
  return b;
}

void tcMeters::set_bar(int i, uint8_t main, uint8_t marker) {
  const size_t at = static_cast<size_t>(i);
  if (values_.size() <= at) values_.resize(at + 1, {tcBarScale::kNoValue, tcBarScale::kNoValue});
  values_[at] = {main, marker};
  if (at < bars_.size()) bars_[at]->set_values(main, marker);
}

void tcMeters::relayout() {
  if (laid_out_ == size()) return;
  laid_out_ = size();
  for (tcBarWidget* b : bars_) delete b;
  bars_.clear();
  layout(width(), height());
  backdrop_ = QPixmap();
}

void tcMeters::resizeEvent(QResizeEvent*) {
  relayout();
}

void tcMeters::paintEvent(QPaintEvent* event) {
  if (backdrop_.size() != size()) {
    backdrop_ = QPixmap(size());
    backdrop_.fill(QColor::fromRgba(kBackground));
    QPainter bp(&backdrop_);
    paint(bp, rect());
    ++backdrop_builds_;
  }
  QPainter p(this);
  p.drawPixmap(event->rect(), backdrop_, event->rect());
}
