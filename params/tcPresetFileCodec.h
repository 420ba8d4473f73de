#pragma once
// Bytes of a preset file to and from tcPresetFileImage. Pure: no file handle and
// no parameter set; tcPresetFile wraps it with files and SETTINGS.
#include <QByteArray>
#include <cstdint>
#include <functional>

#include "params/tcPresetFileImage.h"

class tcPresetFileCodec {
 public:
  // Results of a read. Anything but kOk and kNotPreset shows as an unknown error.
  enum Result {
    kOk = 0,
    kNotPreset = 1,
    kTruncated = 2,  // the magic matched but the header parts are cut short
  };
  enum Scope { kHeaderOnly, kWhole };

  // Table type of an id: 1 float, 2 integer, 3 switch, anything else unknown.
  // The text form needs it to tell a float value from an integer one.
  using TypeOf = std::function<int(uint16_t id)>;

  static constexpr const char* kMagic = "QUESSA TK9000 SG PRESET";
  static constexpr const char* kOlderMagic = "QUESSA TK9000 PRESET";
  static constexpr const char* kTextMagic = "TK9000 PRESET FILE";
  static constexpr int kLineLimit = 1023;
  static constexpr int kRecordSize = 6;
  // Words 1 to 3 and the two text fields, the part both binary forms share.
  static constexpr int kCommonHeaderSize = 12 + 2 * tcPresetFileImage::kTextFieldLength;

  // The current form, whatever image.form says; records in the given order.
  static QByteArray encode(const tcPresetFileImage& image);
  // Fills image (from a clear one) and returns a Result. A short body keeps the
  // whole records it holds; a partial last record is dropped. Records with id 0
  // are dropped, as are text lines whose id is not a number.
  static int decode(const QByteArray& bytes, Scope scope, const TypeOf& type_of,
                    tcPresetFileImage* image);

  static uint32_t bits_of(float value);
  static float float_of(uint32_t bits);
};
