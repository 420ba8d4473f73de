// skingen OUTDIR: draws every image of the default skin into OUTDIR. The art
// is made from code alone, so any build folder can make the skin afresh.
#include <QDir>
#include <QFile>
#include <cstdio>

#include "tools/skingen/tcSkinArt.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "Usage: skingen OUTDIR\n");
    return 2;
  }
  const QString dir = QFile::decodeName(argv[1]);
  if (!QDir().mkpath(dir)) {
    std::fprintf(stderr, "skingen: cannot create the folder \"%s\"\n", argv[1]);
    return 1;
  }
  QString error;
  if (tcSkinArt::write_all(QDir(dir), &error) != 0) {
    std::fprintf(stderr, "skingen: %s\n", qPrintable(error));
    return 1;
  }
  return 0;
}
