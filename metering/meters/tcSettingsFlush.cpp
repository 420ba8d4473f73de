#include "metering/meters/tcSettingsFlush.h"

#include <QMessageBox>

#include "app/core/tcOptionStore.h"

int tcSettingsFlush::flush(tcOptionStore& store, QWidget* parent) {
  if (store.flush() == 0) return 0;
  QMessageBox::critical(parent, QStringLiteral("Error"), store.write_error());
  return -1;
}
