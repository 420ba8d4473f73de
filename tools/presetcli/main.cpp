// qx770preset: preset files and packages from the command line.
#include <QCoreApplication>
#include <clocale>
#include <cstdio>

#include "tools/presetcli/tcPresetCli.h"

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  // Display texts and numbers are printf-formatted: keep the decimal point a point
  // whatever the user's locale, so scripts read the same output everywhere.
  std::setlocale(LC_NUMERIC, "C");
  tcPresetCli cli(stdout, stderr);
  return cli.run(app.arguments().mid(1));
}
