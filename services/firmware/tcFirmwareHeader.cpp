#include "services/firmware/tcFirmwareHeader.h"

namespace {

// Lines whose value is the line without the key.
struct ValueRule {
  const char* key;
  QString tcFirmwareHeader::*field;
};
const ValueRule kValueRules[] = {
    {"BUILD:", &tcFirmwareHeader::build},
    {"DSPVER:", &tcFirmwareHeader::dsp},
    {"MCSVER:", &tcFirmwareHeader::fpga},
    {"APVER:", &tcFirmwareHeader::ap},
};

// A signature line names one of the two makers' forms and the word UPGRADE.
const char* const kSignatureMakers[] = {"QUESSA ", "MORVALLION "};
constexpr const char* kSignatureWord = " UPGRADE";

}  // namespace

bool tcFirmwareHeader::take_line(const QByteArray& raw) {
  if (ended) return true;
  QByteArray bytes = raw;
  bytes.replace('\r', QByteArray()).replace('\n', QByteArray());
  const QString line = QString::fromLatin1(bytes);
  if (line == QLatin1String(kEndLine)) {
    ended = true;
    return true;
  }
  for (const ValueRule& rule : kValueRules) {
    const QLatin1String key(rule.key);
    if (!line.contains(key)) continue;
    this->*rule.field = QString(line).remove(key);
    return false;
  }
  if (line.contains(QLatin1String(kSignatureWord))) {
    for (const char* maker : kSignatureMakers) {
      if (!line.contains(QLatin1String(maker))) continue;
      signature = line;
      return false;
    }
  }
  return false;
}

int tcFirmwareHeader::read(const QByteArray& bytes, tcFirmwareHeader& out) {
  out = tcFirmwareHeader();
  int from = 0;
  while (from < bytes.size()) {
    int end = bytes.indexOf('\n', from);
    if (end < 0) end = bytes.size() - 1;
    if (out.take_line(bytes.mid(from, end - from + 1))) return 0;
    from = end + 1;
  }
  return -1;
}

bool tcFirmwareHeader::signature_ok() const {
  return signature == QLatin1String(kSignature) || signature == QLatin1String(kSignatureAlt);
}

QString tcFirmwareHeader::verify_text() const {
  return signature + QStringLiteral("\nAP Version: ") + ap + QStringLiteral("\nDSP Version: ") +
         dsp + QStringLiteral("\nFPGA Version: ") + fpga + QStringLiteral("\nBuild Date: ") + build;
}

QString tcFirmwareHeader::wrong_signature_text() const {
  return QStringLiteral("This does not appear to be an QX770HD file!\n") +
         QStringLiteral("\nSignature wanted: ") + QLatin1String(kSignature) +
         QStringLiteral("\nSignature found: ") + signature;
}
