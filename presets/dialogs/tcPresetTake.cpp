#include "presets/dialogs/tcPresetTake.h"

#include "link/transport/tcApIface.h"
#include "link/transport/tcApStores.h"
#include "params/tcPresetFile.h"
#include "presets/dialogs/tcPresetUi.h"

uint32_t tcPresetTake::copy_mask(const GLOBALS& globals) {
  return globals.bool_value(kFollowId) ? 0 : tcSettings::kMaskSkipIo;
}

int tcPresetTake::take_file(QWidget* parent, const tcPresetContext& context, const QString& path) {
  tcApStores& stores = *context.stores;
  SETTINGS spare;
  tcPresetHeader header;
  // Strict: a file that cannot be read is an error here, not an empty preset.
  const int result = tcPresetFile::load_checked(path, &header, &spare);
  if (result != 0) {
    tcPresetUi::load_failed(parent, "Error taking preset:\n%s", result);
    return -1;
  }
  const uint16_t bank = stores.banks().current_slot();
  SETTINGS* live = stores.banks().current();
  if (!live) return -1;
  // Source 4: the panel shows the values and they are marked for sending.
  tcSettings::copy(&spare, live, copy_mask(stores.globals()));
  // The check sums of what the bank now holds: its own I/O values may have stayed.
  header.take_checksums(*live);
  stores.banks().set_header(bank, header);
  if (context.is_online()) {
    tcApIface* link = context.current_link();
    // The values before the summary that names them.
    link->send_bank_changes(bank);
    stores.banks().get_header(bank, &header);
    link->send_bank_summary(bank, header);
  }
  return 0;
}

int tcPresetTake::take_slot(const tcPresetContext& context, int slot) {
  tcApIface* link = context.current_link();
  if (!link) return -1;
  tcApStores& stores = *context.stores;
  link->send_take(stores.banks().current_slot(), static_cast<uint8_t>(slot),
                  static_cast<uint16_t>(copy_mask(stores.globals())));
  return 0;
}
