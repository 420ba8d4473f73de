// Test main: every test program gets a QApplication, on the offscreen platform
// unless the environment chose another (a real X server for screenshots).
#include <gtest/gtest.h>
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include "app/core/tcLeakSuppressions.h"
#include "tcBuildPaths.h"

extern "C" const char* __lsan_default_suppressions() {
  return kQtLeakSuppressions;
}

// Qt's event queue hands each queued event (made by the posting thread) to the
// receiving thread under a lock of Qt's own that TSan cannot see; what Qt does
// inside itself is left out, so only the accesses of our own code are judged.
extern "C" const char* __tsan_default_options() {
  return "ignore_noninstrumented_modules=1";
}

// Qt is not built with ThreadSanitizer, so a finished QThread's internal wait
// condition looks unsynchronised when the thread object is deleted; our own
// hand-over at the end of every worker is an atomic it does see.
extern "C" const char* __tsan_default_suppressions() {
  return "race:QWaitCondition::~QWaitCondition\n";
}

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (qEnvironmentVariableIsEmpty("QX_SOURCE_DIR")) qputenv("QX_SOURCE_DIR", QX_DEFAULT_SOURCE_DIR);
  if (qEnvironmentVariableIsEmpty("QX_BIN_DIR")) qputenv("QX_BIN_DIR", QX_DEFAULT_BIN_DIR);
  QTemporaryDir runtime_dir;  // Qt wants a private runtime folder; keep tests from sharing one
  if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && runtime_dir.isValid()) {
    QFile::setPermissions(runtime_dir.path(),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", runtime_dir.path().toLocal8Bit());
  }
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
