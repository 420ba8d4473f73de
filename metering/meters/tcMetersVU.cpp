#include "metering/meters/tcMetersVU.h"

#include <QPainter>
#include <algorithm>

#include "link/protocol/tcMeterRecord.h"
#include "metering/meters/tcMetersVUDlg.h"

namespace {

constexpr const char* kNames[tcMetersVU::kMeters] = {"Input", "FM Analog", "FM Digital", "HD"};
// The digital FM output feeds two transmitters.
constexpr int kTxMeter = 2;
constexpr int kScaleStep = 4;

// Vertical unit: a meter is two bars of 2 units with 1 between, meters are
// 2 units apart: 26 units in all.
double unit(int h) {
  return (std::max(h, tcMetersVU::kMinHeight) - 60) / 26.0;
}
int bar_length(int w) {
  return std::max(w, tcMetersVU::kMinWidth) - 120;
}

}  // namespace

tcMetersVU::tcMetersVU(tcAnalysisConfig& config, QWidget* parent)
    : tcMeters(kSection, config, parent) {
  setMinimumSize(kMinWidth, kMinHeight);
  relayout();
}

const char* tcMetersVU::meter_name(int m) {
  return m >= 0 && m < kMeters ? kNames[m] : "";
}

const char* tcMetersVU::channel_name(int m, int ch) {
  if (m == kTxMeter) return ch == 0 ? "TX1" : "TX2";
  return ch == 0 ? "L" : "R";
}

int tcMetersVU::bar_top(int m, int ch, int h) {
  const double u = unit(h);
  return kTop + static_cast<int>(u * (7 * m + 3 * ch));
}

int tcMetersVU::bar_height(int h) {
  return std::max(2, static_cast<int>(2 * unit(h)));
}

void tcMetersVU::layout(int w, int h) {
  const int right = kBarLeft + bar_length(w) - 1;
  for (int m = 0; m < kMeters; ++m)
    for (int ch = 0; ch < 2; ++ch) {
      const int top = bar_top(m, ch, h);
      add_bar(kKind, tcBarScale::kHorizontal, kBarLeft, top, right, top + bar_height(h) - 1);
    }
}

void tcMetersVU::set_inputs(const tcMeterInputs::Vu& in) {
  for (int i = 0; i < kBars; ++i) set_bar(i, in[i], in[kBars + i]);
}

void tcMetersVU::feed(const tcMeterRecord& record) {
  set_inputs(tcMeterInputs::vu(record));
}

void tcMetersVU::settings_dialog() {
  tcMetersVUDlg dlg(*this, this);
  dlg.exec();
}

void tcMetersVU::paint(QPainter& p, const QRect& rect) {
  const int w = rect.width();
  const int h = rect.height();
  const tcBarScale scale(kKind, tcBarScale::kHorizontal, bar_length(w), bar_height(h));
  const int grid_bottom = bar_top(kMeters - 1, 1, h) + bar_height(h) + 2;
  p.setFont(QFont(QStringLiteral("Arial"), 7));
  for (int db = 0; db <= scale.range_db(); db += kScaleStep) {
    const int x = kBarLeft + scale.position(static_cast<uint8_t>(db * 4)) - 1;
    p.setPen(QColor::fromRgba(db == scale.range_db() ? kGridBaseColour : kGridColour));
    p.drawLine(x, kTop - 6, x, grid_bottom);
    p.setPen(QColor::fromRgba(kScaleColour2));
    p.drawText(QRect(x - 20, kTop - 24, 40, 14), Qt::AlignCenter, QString::asprintf("%ddB", -db));
  }
  for (int m = 0; m < kMeters; ++m) {
    const int top = bar_top(m, 0, h);
    const int bottom = bar_top(m, 1, h) + bar_height(h);
    p.setPen(QColor::fromRgba(kTitleColour));
    p.setFont(QFont(QStringLiteral("Arial"), 8, QFont::Bold));
    p.drawText(QRect(4, top - 4, 70, bottom - top + 8), Qt::AlignLeft | Qt::AlignVCenter,
               QString::fromLatin1(kNames[m]));
    p.setPen(QColor::fromRgba(kScaleColour1));
    p.setFont(QFont(QStringLiteral("Arial"), 7));
    for (int ch = 0; ch < 2; ++ch) {
      const int y = bar_top(m, ch, h);
      p.drawText(QRect(74, y - 4, kBarLeft - 77, bar_height(h) + 8),
                 Qt::AlignRight | Qt::AlignVCenter, QString::fromLatin1(channel_name(m, ch)));
    }
  }
}
