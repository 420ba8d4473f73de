#include "tools/skingen/tcSkinArt.h"

#include <QHash>
#include <QVector>
#include <algorithm>
#include <cstdlib>

#include "tools/skingen/tcFixtureArt.h"
#include "tools/skingen/tcKeyArt.h"
#include "tools/skingen/tcKnobArt.h"
#include "tools/skingen/tcMarkArt.h"
#include "tools/skingen/tcSkinPalette.h"

namespace {

// Keys without a light, by width; skin.xml sizes its buttons from these.
const int kPlainKeyWidths[] = {40, 56, 72, 88, 136};

// Marks and keys drawn for one accent at one width: check boxes and radio
// dots reach over their labels, so each label length has its own width.
struct Variant {
  tcAccent accent;
  int w;
};
const Variant kChecks[] = {
    {tcAccent::kCyan, 128},   {tcAccent::kCyan, 160},   {tcAccent::kGreen, 96},
    {tcAccent::kGrey, 128},   {tcAccent::kGrey, 160},   {tcAccent::kRed, 64},
    {tcAccent::kRed, 128},    {tcAccent::kRed, 160},    {tcAccent::kRed, 184},
    {tcAccent::kViolet, 112}, {tcAccent::kViolet, 144},
};
const Variant kRadios[] = {{tcAccent::kAmber, 64},
                           {tcAccent::kCyan, 96},
                           {tcAccent::kGreen, 64},
                           {tcAccent::kViolet, 128}};
// LED rings: every accent rings the small knobs; the large ones (main level
// and drive) sit on every page but the equaliser's.
const Variant kRings[] = {
    {tcAccent::kCyan, 40},   {tcAccent::kGreen, 40},  {tcAccent::kAmber, 40},
    {tcAccent::kRed, 40},    {tcAccent::kViolet, 40}, {tcAccent::kGrey, 40},
    {tcAccent::kCyan, 56},   {tcAccent::kAmber, 56},  {tcAccent::kRed, 56},
    {tcAccent::kViolet, 56}, {tcAccent::kGrey, 56},
};
// Radio items drawn as keys: the band-graph quantities.
const Variant kSegments[] = {{tcAccent::kAmber, 120}, {tcAccent::kRed, 70}};

constexpr int kFlowW = 96;
constexpr int kKeyH = 28;
constexpr int kToggleW = 88;
constexpr int kToggleH = 24;
constexpr int kSegmentH = 22;

QString variant_file(const char* kind, const Variant& v) {
  return QString("%1_%2_%3.png").arg(kind, tcSkinPalette::name(v.accent)).arg(v.w);
}

}  // namespace

std::vector<tcSkinArt::Picture> tcSkinArt::all() {
  std::vector<Picture> out;
  out.push_back({"bkgrnd.png", tcFixtureArt::background()});
  out.push_back({"knob56.png", tcKnobArt::knob(tcKnobArt::kLarge)});
  out.push_back({"knob40.png", tcKnobArt::knob(tcKnobArt::kSmall)});
  for (const Variant& v : kRings) {
    out.push_back(
        {QString("led%1_%2.png").arg(v.w).arg(tcSkinPalette::name(v.accent)),
         tcKnobArt::leds(v.w == tcKnobArt::kLarge.box ? tcKnobArt::kLarge : tcKnobArt::kSmall,
                         tcSkinPalette::accent(v.accent))});
  }
  for (tcAccent a : tcSkinPalette::kAccents) {
    const QString n = tcSkinPalette::name(a);
    // Block switches light in their block's accent, the on-line key in status green.
    if (a != tcAccent::kGrey) {
      out.push_back({"toggle_" + n + ".png", tcKeyArt::toggle(kToggleW, kToggleH, a)});
    }
    if (a != tcAccent::kOnline) {
      out.push_back({"flow_" + n + ".png", tcKeyArt::button(kFlowW, kKeyH, a, true)});
    }
  }
  for (const Variant& v : kChecks) {
    out.push_back(
        {variant_file("check", v), tcMarkArt::check(tcSkinPalette::accent(v.accent), v.w)});
  }
  for (const Variant& v : kRadios) {
    out.push_back(
        {variant_file("radio", v), tcMarkArt::radio(tcSkinPalette::accent(v.accent), v.w)});
  }
  for (const Variant& v : kSegments) {
    out.push_back({QString("seg%1_%2.png").arg(v.w).arg(tcSkinPalette::name(v.accent)),
                   tcKeyArt::segment(v.w, kSegmentH, v.accent)});
  }
  for (int w : kPlainKeyWidths) {
    out.push_back(
        {QString("key%1.png").arg(w), tcKeyArt::button(w, kKeyH, tcAccent::kGrey, false)});
  }
  const struct {
    const char* file;
    tcKeyArt::Icon icon;
  } kWindowKeys[] = {{"key_about.png", tcKeyArt::kAbout},
                     {"key_minimize.png", tcKeyArt::kMinimize},
                     {"key_close.png", tcKeyArt::kClose}};
  for (const auto& k : kWindowKeys) {
    out.push_back({k.file, tcKeyArt::button(28, 24, tcAccent::kGrey, false, k.icon)});
  }
  out.push_back({"lamp_status.png", tcMarkArt::status_lamp()});
  out.push_back({"lamp_red.png", tcMarkArt::lamp(tcSkinPalette::accent(tcAccent::kRed))});
  out.push_back({"combo_arrows.png", tcFixtureArt::combo_arrows(18, 24)});
  out.push_back({"rail_h.png", tcFixtureArt::rail(168, 20)});
  out.push_back(
      {"thumb_red.png", tcFixtureArt::thumb(12, 20, tcSkinPalette::accent(tcAccent::kRed))});
  out.push_back({"meter_level.png", tcFixtureArt::level_bar(8, 120)});
  out.push_back({"meter_gr.png", tcFixtureArt::reduction_bar(8, 120)});
  out.push_back({"meter_ovr.png", tcFixtureArt::overload(8, 6)});
  out.push_back({"arrow_right.png", tcFixtureArt::arrow_right(16, 10)});
  return out;
}

QImage tcSkinArt::compact(const QImage& image) {
  const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
  const auto canonical = [](QRgb c) { return qAlpha(c) == 0 ? 0u : c; };
  QHash<QRgb, int> counts;
  for (int y = 0; y < argb.height(); ++y) {
    const QRgb* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
    for (int x = 0; x < argb.width(); ++x) ++counts[canonical(line[x])];
  }
  // The most used colours first; a rarer colour within kTolerance of one
  // already in the table takes that one (anti-aliased edges, mostly).
  QVector<QRgb> colours = QVector<QRgb>::fromList(counts.keys());
  std::sort(colours.begin(), colours.end(), [&counts](QRgb a, QRgb b) {
    return counts[a] != counts[b] ? counts[a] > counts[b] : a < b;
  });
  constexpr int kTolerance = 6;
  const auto close = [](QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) <= kTolerance &&
           std::abs(qGreen(a) - qGreen(b)) <= kTolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= kTolerance &&
           std::abs(qAlpha(a) - qAlpha(b)) <= kTolerance;
  };
  QVector<QRgb> table;
  QHash<QRgb, int> index;
  for (QRgb c : colours) {
    int slot = -1;
    for (int i = 0; i < table.size() && slot < 0; ++i) {
      if (close(c, table[i])) slot = i;
    }
    if (slot < 0) {
      if (table.size() == 256) return image;
      slot = table.size();
      table.append(c);
    }
    index.insert(c, slot);
  }
  // Two colours go one bit a pixel.
  QImage indexed(argb.size(), table.size() <= 2 ? QImage::Format_Mono : QImage::Format_Indexed8);
  indexed.setColorTable(table);
  for (int y = 0; y < argb.height(); ++y) {
    const QRgb* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
    for (int x = 0; x < argb.width(); ++x) {
      indexed.setPixel(x, y, static_cast<uint>(index.value(canonical(line[x]))));
    }
  }
  return indexed;
}

int tcSkinArt::write_all(const QDir& dir, QString* error) {
  for (const Picture& picture : all()) {
    const QString path = dir.filePath(picture.file);
    if (!compact(picture.image).save(path, "PNG")) {
      *error = QString("cannot write \"%1\"").arg(path);
      return -1;
    }
  }
  return 0;
}
