// Test main: every test program gets a QApplication, on the offscreen platform
// unless the environment chose another (a real X server for screenshots).
#include <QApplication>
#include <gtest/gtest.h>

// Qt's platform plugin keeps its screens and font caches until process exit;
// those are not ours to free.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libQt5Gui\nleak:libQt5Core\nleak:libQt5Widgets\nleak:libfontconfig\n"
         "leak:libqoffscreen\nleak:libqxcb\nleak:libxcb\nleak:libdbus\n";
}

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) qputenv("XDG_RUNTIME_DIR", "/tmp");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
