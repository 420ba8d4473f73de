#pragma once
// The text header of a firmware image file: lines up to "ENDHEADER", read with
// their carriage returns and line feeds removed. Each line goes to the first
// rule it matches; other lines are ignored. Pure: lines or bytes in, fields out.
#include <QByteArray>
#include <QString>

class tcFirmwareHeader {
 public:
  static constexpr const char* kEndLine = "ENDHEADER";
  static constexpr const char* kUnknown = "???";
  // The signatures the processor takes; the first is the one asked for.
  static constexpr const char* kSignature = "MORVALLION QX770X UPGRADE";
  static constexpr const char* kSignatureAlt = "QUESSA QX770X UPGRADE";

  QString build = QString::fromLatin1(kUnknown);
  QString dsp = QString::fromLatin1(kUnknown);
  QString fpga = QString::fromLatin1(kUnknown);
  QString ap = QString::fromLatin1(kUnknown);
  QString signature = QString::fromLatin1(kUnknown);
  bool ended = false;  // the "ENDHEADER" line was seen

  // Takes one line (line ends may still be on it). True once the header has ended.
  bool take_line(const QByteArray& line);
  // Reads the header at the start of a whole file image: 0, or -1 when the
  // bytes end before "ENDHEADER".
  static int read(const QByteArray& bytes, tcFirmwareHeader& out);

  bool signature_ok() const;
  // The question of "Verify Download".
  QString verify_text() const;
  // Why a file with another signature is refused.
  QString wrong_signature_text() const;
};
