#pragma once
// A temporary favourites tree for the library tests: files put by relative
// path, read back whole.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

class tcPresetFixture : public ::testing::Test {
 protected:
  QString path(const QString& name) const { return QDir(dir_.path()).filePath(name); }
  static void put(const QString& file, const QByteArray& data) {
    QDir().mkpath(QFileInfo(file).path());
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(data);
  }
  static QByteArray get(const QString& file) {
    QFile in(file);
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
  }

  QTemporaryDir dir_;
};
