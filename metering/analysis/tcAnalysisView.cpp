#include "metering/analysis/tcAnalysisView.h"

#include <QLinearGradient>
#include <QMessageBox>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "app/core/tcAnalysisConfig.h"
#include "metering/analysis/tcAnalysisViewDlg.h"
#include "link/protocol/tcSpectrum.h"
#include "metering/meters/tcGradient.h"
#include "metering/meters/tcSettingsFlush.h"

namespace {

constexpr const char* kTypeNames[tcAnalysisView::kTypes] = {"FFT",      "O-Scope", "E vs F",
                                                            "3-D Plot", "SDR",     "A-Clip"};
// Frequencies labelled on the axis.
constexpr int kLabelledBands[] = {0, 4, 7, 10, 14, 17, 20, 24, 27, 30};
constexpr int kAxisStrip = 6;

}  // namespace

tcAnalysisView::tcAnalysisView(int type, const char* section, unsigned keys,
                               tcAnalysisConfig& config)
    : type_(type), section_(section), keys_(keys), config_(config) {}

tcAnalysisView::~tcAnalysisView() = default;

const char* tcAnalysisView::type_name(int type) {
  return kTypeNames[type >= 0 && type < kTypes ? type : kFft];
}

void tcAnalysisView::feed(const uint8_t* block) {
  if (tcSpectrum::is_scope(block) != wants_scope()) return;
  ++frames_;
  take(block);
}

void tcAnalysisView::reset() {
  frames_ = 0;
  clear();
}

tcViewSettings tcAnalysisView::defaults() const {
  tcViewSettings d;
  d.db_top = default_top();
  d.db_range = default_range();
  d.gradient = default_gradient();
  return d;
}

void tcAnalysisView::read_settings() {
  tcViewSettings s;
  s.read(config_, section_, defaults(), keys_);
  set_settings(s);
}

int tcAnalysisView::write_settings(QWidget* parent) {
  settings_.write(config_, section_, keys_);
  return tcSettingsFlush::flush(config_.store(), parent);
}

void tcAnalysisView::set_settings(const tcViewSettings& settings) {
  settings_ = settings;
  backdrop_ = QImage();
  strip_ = QImage();
  colours_.clear();
  settings_changed();
}

bool tcAnalysisView::settings_dialog(QWidget* parent) {
  tcAnalysisViewDlg dlg(*this, parent);
  return dlg.exec() == QDialog::Accepted;
}

QRect tcAnalysisView::plot_rect(const QRect& area) const {
  return area.adjusted(58, 30, -16, -34);
}

int tcAnalysisView::y_of_db(double db, const QRect& plot) const {
  const double x = (settings_.db_top - db) / settings_.db_range;
  const int y = plot.top() + static_cast<int>(std::floor(x * (plot.height() - 1) + 0.5));
  return std::clamp(y, plot.top(), plot.bottom() + 1);
}

double tcAnalysisView::band_x(int band, const QRect& plot) const {
  return plot.left() + (band + 0.5) * plot.width() / tcSpectrum::kBands;
}

const QImage& tcAnalysisView::gradient_strip(int h) {
  if (strip_.height() != h) {
    strip_ = QImage(1, std::max(1, h), QImage::Format_RGB32);
    QLinearGradient g(0, strip_.height(), 0, 0);
    g.setStops(tcGradient::parse(settings_.gradient));
    QPainter p(&strip_);
    p.fillRect(strip_.rect(), g);
  }
  return strip_;
}

QRgb tcAnalysisView::gradient_colour(double f) {
  if (colours_.empty()) {
    QImage table(256, 1, QImage::Format_RGB32);
    QLinearGradient g(0, 0, 255, 0);
    g.setStops(tcGradient::parse(settings_.gradient));
    QPainter(&table).fillRect(table.rect(), g);
    for (int i = 0; i < 256; ++i) colours_.push_back(table.pixel(i, 0));
  }
  return colours_[static_cast<size_t>(std::clamp(static_cast<int>(f * 255 + 0.5), 0, 255))];
}

void tcAnalysisView::paint(QPainter& painter, const QRect& area, int chain) {
  const QRect local(QPoint(0, 0), area.size());
  if (backdrop_.isNull() || backdrop_size_ != area.size() || backdrop_chain_ != chain) {
    backdrop_ = QImage(area.size(), QImage::Format_RGB32);
    backdrop_size_ = area.size();
    backdrop_chain_ = chain;
    {
      QPainter bp(&backdrop_);
      draw_backdrop(bp, local, plot_rect(local), chain);
    }
    ground_ = backdrop_.copy(plot_rect(local));
    ++ground_version_;
  }
  const QRect plot = plot_rect(area);
  painter.save();
  if (covers_plot()) painter.setClipRegion(QRegion(area).subtracted(QRegion(plot)));
  painter.drawImage(area.topLeft(), backdrop_);
  painter.setClipRect(plot);
  paint_data(painter, plot);
  painter.restore();
}

void tcAnalysisView::draw_frame(QPainter& p, const QRect& area, const QRect& plot, int chain) {
  p.fillRect(area, QColor::fromRgba(kBackground));
  p.fillRect(plot, QColor::fromRgba(kPlotBackground));
  p.setPen(QColor::fromRgba(kFrameColour));
  p.drawRect(plot.adjusted(-1, -1, 0, 0));
  p.setPen(QColor::fromRgba(kTitleColour));
  p.setFont(QFont(QStringLiteral("Arial"), 12, QFont::Bold));
  p.drawText(QRect(plot.left(), area.top() + 4, 60, 22), Qt::AlignLeft | Qt::AlignVCenter,
             chain == 1 ? QStringLiteral("HD") : QStringLiteral("FM"));
  p.setFont(QFont(QStringLiteral("Arial"), 10, QFont::Bold));
  p.drawText(QRect(plot.left(), area.top() + 4, plot.width(), 22),
             Qt::AlignRight | Qt::AlignVCenter, QString::fromLatin1(type_name(type_)));
}

std::vector<int> tcAnalysisView::db_marks() const {
  const int top = settings_.db_top;
  const int bottom = top - settings_.db_range;
  const int step = settings_.db_range <= 16 ? 2 : settings_.db_range <= 30 ? 4 : 6;
  std::vector<int> marks;
  const int first = static_cast<int>(std::floor(static_cast<double>(top) / step)) * step;
  for (int db = first; db >= bottom; db -= step) marks.push_back(db);
  return marks;
}

void tcAnalysisView::draw_db_grid(QPainter& p, const QRect& plot) {
  if (!settings_.h_grid) return;
  p.setPen(QColor::fromRgba(kGridColour));
  for (int db : db_marks()) {
    if (db == settings_.db_top || db == settings_.db_top - settings_.db_range) continue;
    const int y = y_of_db(db, plot);
    p.drawLine(plot.left(), y, plot.right(), y);
  }
}

void tcAnalysisView::draw_freq_grid(QPainter& p, const QRect& plot) {
  if (!settings_.v_grid || !(keys_ & tcViewSettings::kVGrid)) return;
  p.setPen(QColor::fromRgba(kGridColour));
  for (int band : kLabelledBands) {
    const int x = static_cast<int>(band_x(band, plot));
    p.drawLine(x, plot.top(), x, plot.bottom());
  }
}

void tcAnalysisView::draw_db_scale(QPainter& p, const QRect& plot, const char* axis_title) {
  if (settings_.gaxis && (keys_ & tcViewSettings::kGAxis)) {
    const QImage& strip = gradient_strip(plot.height());
    p.drawImage(QRect(plot.left() - kAxisStrip - 2, plot.top(), kAxisStrip, plot.height()), strip);
  }
  draw_db_grid(p, plot);
  p.setFont(QFont(QStringLiteral("Arial"), 8));
  for (int db : db_marks()) {
    const int y = y_of_db(db, plot);
    p.setPen(QColor::fromRgba(kTextColour));
    p.drawText(QRect(plot.left() - 58, y - 8, 46, 16), Qt::AlignRight | Qt::AlignVCenter,
               QString::asprintf("%ddB", db));
  }
  if (axis_title) {
    p.setPen(QColor::fromRgba(kTextColour));
    p.drawText(QRect(plot.left() - 58, plot.top() - 24, 50, 16), Qt::AlignLeft | Qt::AlignVCenter,
               QString::fromLatin1(axis_title));
  }
}

void tcAnalysisView::draw_freq_axis(QPainter& p, const QRect& plot) {
  draw_freq_grid(p, plot);
  p.setFont(QFont(QStringLiteral("Arial"), 8));
  for (int band : kLabelledBands) {
    const int x = static_cast<int>(band_x(band, plot));
    p.setPen(QColor::fromRgba(kFrameColour));
    p.drawLine(x, plot.bottom() + 1, x, plot.bottom() + 4);
    p.setPen(QColor::fromRgba(kTextColour));
    p.drawText(QRect(x - 24, plot.bottom() + 5, 48, 14), Qt::AlignCenter,
               QString::fromLatin1(tcSpectrum::band_label(band)));
  }
  p.drawText(QRect(plot.right() - 120, plot.bottom() + 18, 120, 14),
             Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Freq"));
}

void tcAnalysisView::draw_backdrop(QPainter& p, const QRect& area, const QRect& plot, int chain) {
  draw_frame(p, area, plot, chain);
  draw_db_scale(p, plot, "dBFS");
  draw_freq_axis(p, plot);
}
