#include "presets/dialogs/tcPresetSave.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

#include "link/devices/tcDeviceEntry.h"
#include "link/transport/tcApIface.h"
#include "link/transport/tcApStores.h"
#include "params/tcPresetFile.h"
#include "presets/dialogs/tcPresetSaveDlg.h"
#include "presets/dialogs/tcPresetTransfer.h"
#include "presets/dialogs/tcPresetUi.h"
#include "presets/storage/tcPackageRegistry.h"
#include "presets/storage/tcPresetIndex.h"
#include "presets/storage/tcPresetLibrary.h"

namespace {
// The live bank's header under a new name, describing a stored preset.
tcPresetHeader live_header_named(tcApStores& stores, const QString& name) {
  tcPresetHeader header;
  stores.banks().get_header(stores.banks().current_slot(), &header);
  header.set_name(name.toLatin1().constData());
  header.present = 1;
  header.status = 0;
  return header;
}
}  // namespace

int tcPresetSave::proposed_slot(const tcPresetDirectory& directory) {
  tcPresetHeader header;
  for (int slot = 0; slot < tcPresetDirectory::kSlots; ++slot) {
    if (directory.get(slot, header) == 0 && header.present == 0) return slot;
  }
  for (int slot = 0; slot < tcPresetDirectory::kSlots; ++slot) {
    if (directory.get(slot, header) == 0 && header.status == 0) return slot;
  }
  return -1;
}

void tcPresetSave::from_window(QWidget* parent, const tcPresetContext& context) {
  const int slot = proposed_slot(context.stores->directory());
  if (slot < 0) {
    tcPresetUi::inform(parent, QLatin1String(kTitle), QLatin1String(kNoSlotText));
    return;
  }
  tcPresetSaveDlg dlg(context, slot, parent);
  dlg.exec();
}

int tcPresetSave::to_slot(QWidget* parent, const tcPresetContext& context, int slot,
                          const QString& name) {
  tcApStores& stores = *context.stores;
  tcPresetHeader there;
  if (stores.directory().get(slot, there) != 0) return -1;
  if (there.present && there.status != 0) {
    tcPresetUi::warn(parent, QLatin1String(kTitle),
                     QStringLiteral("The destination preset is locked."));
    return -1;
  }
  const uint16_t bank = stores.banks().current_slot();
  SETTINGS* live = stores.banks().current();
  if (!live) return -1;
  tcPresetHeader header = live_header_named(stores, name);
  header.take_checksums(*live);
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const int pushed = tcPresetTransfer(context, parent).push_one(slot, *live, header);
  QApplication::restoreOverrideCursor();
  if (pushed != 0) return -1;
  // The live bank now is that preset, under its new name.
  stores.banks().set_header(bank, header);
  if (tcApIface* link = context.current_link()) link->send_bank_summary(bank, header);
  // The slot holds the live values now, no file's.
  if (tcDeviceEntry* device = context.device()) device->set_preset(slot, "");
  return 0;
}

int tcPresetSave::to_file(QWidget* parent, const tcPresetContext& context, const QString& folder,
                          const QString& name) {
  if (context.options) {
    const tcPackageRegistry registry(*context.options);
    if (!tcPresetLibrary::package_of(context.favorites_dir, folder, registry).isEmpty()) {
      tcPresetUi::warn(parent, QLatin1String(kTitle),
                       QStringLiteral("You can not copy presets to a protected folder."));
      return -1;
    }
  }
  const QString file_name = name + QLatin1String(tcPresetFile::kSuffix);
  const QString path = QDir(folder).filePath(file_name);
  if (QFileInfo::exists(path)) {
    tcPresetUi::warn(parent, QLatin1String(kTitle),
                     QStringLiteral("A file with that name already exists."));
    return -1;
  }
  tcApStores& stores = *context.stores;
  const SETTINGS* live = stores.banks().current();
  if (!live) return -1;
  if (tcPresetUi::write_preset(parent, path, live_header_named(stores, name), *live) != 0)
    return -1;
  QString reason;
  tcPresetUi::index_result(parent, folder, tcPresetIndex(folder).add(file_name, &reason), reason);
  return 0;
}
