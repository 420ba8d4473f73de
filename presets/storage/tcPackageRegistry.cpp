#include "presets/storage/tcPackageRegistry.h"

#include "app/core/tcOptions.h"

namespace {
constexpr char kSeparator = ';';
}

QStringList tcPackageRegistry::names() const {
  return QString::fromLocal8Bit(options_.packages().c_str())
      .split(QLatin1Char(kSeparator), Qt::SkipEmptyParts);
}

bool tcPackageRegistry::is_installed(const QString& name) const {
  return names().contains(name);
}

bool tcPackageRegistry::valid_name(const QString& name) {
  return !name.isEmpty() && !name.contains(QLatin1Char(kSeparator));
}

int tcPackageRegistry::add(const QString& name, QString* error) {
  QStringList list = names();
  if (list.contains(name)) return 0;
  list << name;
  return store(list, error);
}

int tcPackageRegistry::remove(const QString& name, QString* error) {
  QStringList list = names();
  if (list.removeAll(name) == 0) return 0;
  return store(list, error);
}

int tcPackageRegistry::store(const QStringList& names, QString* error) {
  options_.set_packages(names.join(QLatin1Char(kSeparator)).toLocal8Bit().constData());
  // At once: a package folder must not lose its protection to a crash.
  if (options_.flush() == 0) return 0;
  if (error) *error = options_.write_error();
  return -1;
}
