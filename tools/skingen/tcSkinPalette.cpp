#include "tools/skingen/tcSkinPalette.h"

const QColor tcSkinPalette::kFace(0x19, 0x1c, 0x21);
const QColor tcSkinPalette::kTitleBand(0x12, 0x14, 0x18);
const QColor tcSkinPalette::kPanel(0x22, 0x26, 0x2d);
const QColor tcSkinPalette::kBorder(0x30, 0x36, 0x3f);
const QColor tcSkinPalette::kField(0x10, 0x13, 0x17);
const QColor tcSkinPalette::kText(0xe6, 0xe9, 0xee);
const QColor tcSkinPalette::kTextDim(0x9a, 0xa4, 0xb1);
const QColor tcSkinPalette::kLedOff(0x36, 0x3d, 0x47);
const QColor tcSkinPalette::kStatusOk(0x3d, 0xdc, 0x84);
const QColor tcSkinPalette::kStatusAlarm(0xff, 0x4d, 0x4f);
const QColor tcSkinPalette::kStatusUnknown(0x8a, 0x92, 0x9c);
const QColor tcSkinPalette::kMeterGreen(0x3d, 0xdc, 0x84);
const QColor tcSkinPalette::kMeterAmber(0xff, 0xb0, 0x20);
const QColor tcSkinPalette::kMeterRed(0xff, 0x4d, 0x4f);

const tcAccent tcSkinPalette::kAccents[7] = {tcAccent::kCyan,  tcAccent::kGreen,  tcAccent::kAmber,
                                             tcAccent::kRed,   tcAccent::kViolet, tcAccent::kGrey,
                                             tcAccent::kOnline};

namespace {
struct AccentRow {
  tcAccent accent;
  QRgb rgb;
  const char* name;
};
// Input cyan, EQ green, AGC and compressor amber, limiters orange-red, stereo
// encoder violet, system and test neutral; on-line green is a status colour.
const AccentRow kRows[] = {
    {tcAccent::kCyan, 0xff2ec4e6, "cyan"},     {tcAccent::kGreen, 0xff86d45a, "green"},
    {tcAccent::kAmber, 0xfff5a623, "amber"},   {tcAccent::kRed, 0xffff6b3d, "red"},
    {tcAccent::kViolet, 0xffa98bff, "violet"}, {tcAccent::kGrey, 0xff98a6b8, "grey"},
    {tcAccent::kOnline, 0xff3ddc84, "online"},
};
const AccentRow& row(tcAccent a) {
  for (const AccentRow& r : kRows) {
    if (r.accent == a) return r;
  }
  return kRows[0];
}
}  // namespace

QColor tcSkinPalette::accent(tcAccent a) {
  return QColor::fromRgba(row(a).rgb);
}

QColor tcSkinPalette::deep(tcAccent a) {
  return mix(accent(a), QColor(0x18, 0x1b, 0x20), 0.42);
}

QString tcSkinPalette::name(tcAccent a) {
  return QString::fromLatin1(row(a).name);
}

QColor tcSkinPalette::mix(const QColor& a, const QColor& b, double t) {
  const auto blend = [t](int x, int y) { return static_cast<int>(x * t + y * (1.0 - t) + 0.5); };
  return QColor(blend(a.red(), b.red()), blend(a.green(), b.green()), blend(a.blue(), b.blue()),
                blend(a.alpha(), b.alpha()));
}
