#include "skin/builtin/tcBuiltinSkin.h"

#include <QFile>

// The resource sits in a static library, whose registration the linker would
// drop unless something calls it.
static void register_builtin_skin() {
  Q_INIT_RESOURCE(builtin_skin);
}

QByteArray tcBuiltinSkin::bytes() {
  static const bool registered = (register_builtin_skin(), true);
  (void)registered;
  QFile file(QStringLiteral(":/builtin_skin/default.skin"));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
