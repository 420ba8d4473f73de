#include "metering/meters/tcMetersGR.h"

#include <QPainter>
#include <algorithm>

#include "link/protocol/tcMeterRecord.h"
#include "metering/meters/tcMetersGRDlg.h"

namespace {

constexpr const char* kLabels[tcMetersGR::kBars] = {
    "SST", "1",   "2",     "3",     "4",    "5",     "VBMS", "20",    "25",  "31.5", "40",
    "50",  "63",  "80",    "100",   "125",  "160",   "200",  "250",   "315", "400",  "500",
    "630", "800", "1k",    "1.25k", "1.6k", "2k",    "2.5k", "3.15k", "4k",  "5k",   "6.3k",
    "8k",  "10k", "12.5k", "16k",   "20k",  "FINAL", "MPX",  "BS412"};

// SST and the compressor bands read 30 dB, the limiters 15 dB.
constexpr int kWideKind = 8;
constexpr int kNarrowKind = 6;

bool wide(int i) {
  return i < tcMetersGR::kVbms;
}

double unit(int w) {
  return (std::max(w, tcMetersGR::kMinWidth) - 100) / 133.0;
}

}  // namespace

tcMetersGR::tcMetersGR(tcAnalysisConfig& config, QWidget* parent)
    : tcMeters(kSection, config, parent) {
  setMinimumSize(kMinWidth, kMinHeight);
  relayout();
}

const char* tcMetersGR::label(int i) {
  return i >= 0 && i < kBars ? kLabels[i] : "";
}

int tcMetersGR::bar_width(int w) {
  return static_cast<int>(2 * unit(w));
}

int tcMetersGR::bar_left(int i, int w) {
  const double u = unit(w);
  double x = 50;
  if (i >= kBand && i < kVbms)
    x = 50 + 5 * u + 3 * u * (i - kBand);
  else if (i == kVbms)
    x = 50 + 22 * u;
  else if (i >= kMultiband && i < kFinal)
    x = 50 + 27 * u + 3 * u * (i - kMultiband);
  else if (i == kFinal)
    x = 50 + 122 * u;
  else if (i == kMpx)
    x = 50 + 127 * u;
  else if (i == kBs412)
    x = 50 + 131 * u;
  return static_cast<int>(x);
}

void tcMetersGR::layout(int w, int h) {
  const int bw = bar_width(w);
  const int bottom = kTop + std::max(h, kMinHeight) - 70 - 1;
  for (int i = 0; i < kBars; ++i) {
    const int x = bar_left(i, w);
    add_bar(wide(i) ? kWideKind : kNarrowKind, tcBarScale::kVertical, x, kTop, x + bw - 1, bottom);
  }
}

void tcMetersGR::set_inputs(const tcMeterInputs::Gr& in) {
  constexpr uint8_t none = tcBarScale::kNoValue;
  set_bar(kSst, in[tcMeterInputs::kGrSst], none);
  for (int b = 0; b < 5; ++b)
    set_bar(kBand + b, in[tcMeterInputs::kGrBandMain + b], in[tcMeterInputs::kGrBandMarker + b]);
  set_bar(kVbms, in[tcMeterInputs::kGrVbms], none);
  for (int i = 0; i < tcMeterInputs::kMultibands; ++i)
    set_bar(kMultiband + i, in[tcMeterInputs::kGrMultiband + i], none);
  set_bar(kFinal, in[tcMeterInputs::kGrFinal], none);
  set_bar(kMpx, in[tcMeterInputs::kGrMpx], none);
  set_bar(kBs412, in[tcMeterInputs::kGrBs412], none);
}

void tcMetersGR::feed(const tcMeterRecord& record) {
  set_inputs(tcMeterInputs::gr(record, chain()));
}

void tcMetersGR::settings_dialog() {
  tcMetersGRDlg dlg(*this, this);
  dlg.exec();
}

void tcMetersGR::paint(QPainter& p, const QRect& rect) {
  const int w = rect.width();
  const int h = std::max(rect.height(), kMinHeight) - 70;
  const int bw = bar_width(w);
  p.setFont(QFont(QStringLiteral("Arial"), 12, QFont::Bold));
  p.setPen(QColor::fromRgba(kTitleColour));
  p.drawText(QRect(6, 6, 44, 24), Qt::AlignLeft | Qt::AlignVCenter,
             chain() == 1 ? QStringLiteral("HD") : QStringLiteral("FM"));

  // Scale grid: the 30 dB group on the left scale, the 15 dB group on the right.
  QFont small(QStringLiteral("Arial"), 7);
  p.setFont(small);
  const struct {
    int kind, step, first, last;
    QRgb colour;
    bool left;
  } groups[2] = {{kWideKind, 6, kSst, kBand + 4, kScaleColour1, true},
                 {kNarrowKind, 3, kVbms, kBs412, kScaleColour2, false}};
  for (const auto& g : groups) {
    const tcBarScale scale(g.kind, tcBarScale::kVertical, bw, h);
    const int x0 = bar_left(g.first, w) - 4;
    const int x1 = bar_left(g.last, w) + bw + 3;
    for (int db = 0; db <= scale.range_db(); db += g.step) {
      const int y = kTop + scale.position(static_cast<uint8_t>(db * 4));
      p.setPen(QColor::fromRgba(db == scale.range_db() ? kGridBaseColour : kGridColour));
      p.drawLine(x0, y, x1, y);
      p.setPen(QColor::fromRgba(g.colour));
      const QString text = QString::asprintf("%ddB", -db);
      if (g.left)
        p.drawText(QRect(0, y - 7, x0 - 2, 14), Qt::AlignRight | Qt::AlignVCenter, text);
      else
        p.drawText(QRect(x1 + 3, y - 7, w - x1 - 3, 14), Qt::AlignLeft | Qt::AlignVCenter, text);
    }
  }

  // Bar labels, rotated to read upwards, ending just above each bar.
  p.setFont(QFont(QStringLiteral("Arial"), 7));
  const QFontMetrics fm(p.font());
  for (int i = 0; i < kBars; ++i) {
    p.setPen(QColor::fromRgba(wide(i) ? kScaleColour1 : kScaleColour2));
    p.save();
    p.translate(bar_left(i, w) + bw / 2 + fm.ascent() / 2 - 1, kTop - 3);
    p.rotate(-90);
    p.drawText(0, 0, QString::fromLatin1(kLabels[i]));
    p.restore();
  }
}
