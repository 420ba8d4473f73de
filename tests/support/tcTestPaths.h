#pragma once
// Where the suite finds the source tree and the built programs; the test main
// fills QX_SOURCE_DIR and QX_BIN_DIR in when the environment leaves them unset.
#include <QByteArray>
#include <QDir>
#include <QString>

#include "app/core/tcString.h"

// The directory of a test skin under tests/skin/data.
inline tcString tcTestSkinDir(const char* name) {
  const QByteArray dir = qgetenv("QX_SOURCE_DIR") + "/tests/skin/data/" + name;
  return tcString(dir.constData());
}

// A built program of the build folder.
inline QString tcBuiltProgram(const char* program) {
  return QDir(qEnvironmentVariable("QX_BIN_DIR")).filePath(QString::fromLatin1(program));
}
