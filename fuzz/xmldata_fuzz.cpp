// XML files are outside input: the reader must survive any bytes, keep its
// nesting stack inside its ten levels and leave it balanced after every parse.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

#include "skin/xml/tcXmlData.h"

namespace {

// <doc> holds <a> elements, nested without end, each with three recorded attributes.
class Reader : public tcXmlData {
 public:
  using tcXmlData::tcXmlData;
  const StateRow* state_table() const override { return kStates; }

  int elements = 0;
  int ends = 0;
  int stops = 0;  // a stopped element has no end handler

 private:
  static Reader& self(tcXmlData& x) { return static_cast<Reader&>(x); }
  static void start(tcXmlData& x, const char*, const char**) {
    if (x.depth() < 1 || x.depth() >= kLevels) std::abort();
    ++self(x).elements;
    x.level().state = 3;
    x.level().object = x.parent_level().object;
  }
  static void end(tcXmlData& x) { ++self(x).ends; }
  static void set(tcXmlData& x, const char* value, int arg) {
    if (!value) std::abort();
    // The third attribute stops the rest of the list when it reads "stop".
    if (arg == 2 && value[0] == 's') {
      x.level().state = kIgnore;
      ++self(x).stops;
    }
  }

  static const AttrRow kAttrs[];
  static const ElementRow kElements[];
  static const StateRow kStates[];
};

const tcXmlData::AttrRow Reader::kAttrs[] = {{"x", 0, &Reader::set},
                                             {"y", 1, &Reader::set},
                                             {"s", 2, &Reader::set},
                                             {"z", 3, &Reader::set},
                                             {nullptr, 0, nullptr}};
const tcXmlData::ElementRow Reader::kElements[] = {
    {"doc", Reader::kAttrs, &Reader::start}, {"a", Reader::kAttrs, &Reader::start}, {}};
const tcXmlData::StateRow Reader::kStates[] = {
    {0, Reader::kElements, nullptr}, {3, Reader::kElements, &Reader::end}, {-1, nullptr, nullptr}};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static QTemporaryDir dir;
  static const QString path = dir.filePath("input.xml");
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 0;
  file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
  file.close();
  Reader reader(tcString(QFile::encodeName(path).constData()));
  const int result = reader.read();
  if (result == 0 && (reader.depth() != 0 || reader.ends + reader.stops != reader.elements))
    std::abort();
  return 0;
}
