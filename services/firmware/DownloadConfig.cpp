#include "services/firmware/DownloadConfig.h"

#include "link/transport/tcApIface.h"

void DownloadConfig::use_link(tcApIface& link) {
  tcApIface* to = &link;
  send_block = [to](uint16_t block, uint16_t blocks, const uint8_t* data, int size) {
    return to->send_upgrade_block(block, blocks, data, size);
  };
  listen = [to](tcUpgradeListener* listener) { to->set_upgrade_listener(listener); };
}

QString DownloadConfig::named(const QString& text) const {
  return QString(text).replace(QLatin1String("%s"), device_name);
}
