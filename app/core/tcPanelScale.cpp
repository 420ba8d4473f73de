#include "app/core/tcPanelScale.h"

#include <QDir>
#include <cmath>

#include "app/core/tcOptionStore.h"

namespace {
// A zero, negative or unreadable factor would collapse the panel; it scales by 1.0.
double factor(const tcString& text) {
  const double v = tcOptionStore::to_double(QByteArray(text.c_str(), text.length()));
  return std::isfinite(v) && v > 0.0 ? v : 1.0;
}
}  // namespace

tcPanelScale::tcPanelScale(const QString& data_dir) {
  const tcOptionStore store(QDir(data_dir).filePath(kFileName), tcOptionStore::kProfile);
  x_ = factor(store.get_text("scale", "X", "1.0"));
  y_ = factor(store.get_text("scale", "Y", "1.0"));
}
