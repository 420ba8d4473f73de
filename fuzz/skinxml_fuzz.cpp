// A skin description is outside input: the loader must survive any skin.xml,
// and whatever loads must give a consistent object list.
#include <QByteArray>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

#include "skin/loader/tcBenchMaster.h"
#include "skin/objects/tcGuiObject.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static QGuiApplication app(*argc, *argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static QTemporaryDir dir;
  QFile file(dir.filePath("skin.xml"));
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 0;
  file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
  file.close();
  tcBenchMaster bench(tcString(QFile::encodeName(dir.path()).constData()));
  if (bench.load() != 0) return 0;
  int id = 10001;
  for (const auto& object : bench.objects()) {
    if (object->id() != id++ || !object->finished()) std::abort();
    if (!bench.find_object(object->name().c_str())) std::abort();
  }
  return 0;
}
