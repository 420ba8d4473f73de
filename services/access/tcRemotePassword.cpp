#include "services/access/tcRemotePassword.h"

#include <QMessageBox>

#include "link/devices/tcDeviceList.h"
#include "params/GLOBALS.h"
#include "services/access/tcPswdEntryDlg.h"

bool tcRemotePassword::run_change(QWidget* parent, tcOptions& options, GLOBALS& globals,
                                  tcDeviceList& devices) {
  tcPswdEntryDlg dlg(tcPswdEntryDlg::kChange, options, parent, globals.int_value(kRemotePwId));
  if (dlg.exec() != QDialog::Accepted) return false;
  const uint32_t code = dlg.code();
  tcDeviceEntry* device = devices.current();
  if (dlg.remember() && device && device->set_rcrc(code) != 0)
    QMessageBox::warning(parent, QStringLiteral("Error"), device->write_error());
  globals.set_int(kRemotePwId, code, kSourceConsole);
  return true;
}
