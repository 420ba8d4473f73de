#pragma once
// The colours of the default skin's images. skin.xml names the same values
// for what the objects draw themselves (texts, fields, frames).
#include <QColor>
#include <QString>

enum class tcAccent { kCyan, kGreen, kAmber, kRed, kViolet, kGrey, kOnline };

class tcSkinPalette {
 public:
  static const QColor kFace;       // the background
  static const QColor kTitleBand;  // the window's drag band
  static const QColor kPanel;
  static const QColor kBorder;
  static const QColor kField;  // inset fields: displays, lists, grooves
  static const QColor kText;
  static const QColor kTextDim;
  static const QColor kLedOff;  // unlit ring segments
  static const QColor kStatusOk;
  static const QColor kStatusAlarm;
  static const QColor kStatusUnknown;
  static const QColor kMeterGreen;
  static const QColor kMeterAmber;
  static const QColor kMeterRed;

  // Every accent, in enum order, for the images drawn once per accent.
  static const tcAccent kAccents[7];

  static QColor accent(tcAccent a);
  // The fill of a lit key: the accent sunk into the face, dark enough for
  // light text on it.
  static QColor deep(tcAccent a);
  // The file-name suffix of an accent ("cyan", "green", ...).
  static QString name(tcAccent a);
  // t of a, 1 - t of b.
  static QColor mix(const QColor& a, const QColor& b, double t);
};
