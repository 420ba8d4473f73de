#include "presets/dialogs/tcPDlgArcBox.h"

#include <QFileInfo>
#include <QHeaderView>
#include <QMenu>
#include <algorithm>
#include <cstring>

#include "link/devices/tcDeviceEntry.h"
#include "link/transport/tcApIface.h"
#include "link/transport/tcApStores.h"
#include "params/tcPresetFileTexts.h"
#include "presets/dialogs/CPresetRenameDlg.h"
#include "presets/dialogs/CPresetsDlg.h"
#include "presets/dialogs/tcPresetIcons.h"
#include "presets/dialogs/tcPresetSaveDlg.h"
#include "presets/dialogs/tcPresetTake.h"
#include "presets/dialogs/tcPresetTransfer.h"
#include "presets/dialogs/tcPresetUi.h"

namespace {
const tcPDlgListBox::MenuTable kLockMenus = {
    {"&Edit", "Lock Preset", nullptr, SLOT(slot_lock()), tcPDlgListBox::kAlways},
    {"&Edit", "Un-Lock Preset", nullptr, SLOT(slot_unlock()), tcPDlgListBox::kAlways},
    {"&Edit", "Factory Lock Preset", nullptr, SLOT(slot_factory_lock()), tcPDlgListBox::kTechOnly},
};
const tcPDlgListBox::MenuTable kFlagMenus = {
    {"&SGUI Flags", "View...", nullptr, SLOT(slot_sg_view()), tcPDlgListBox::kGuruOnly},
};

QString number_text(int slot) {
  return QStringLiteral("%1").arg(slot + 1, 3, 10, QLatin1Char('0'));
}
}  // namespace

tcPDlgArcBox::tcPDlgArcBox(CPresetsDlg* owner, QWidget* parent)
    : tcPDlgListBox(owner, QStringLiteral("Presets in the processor."), parent) {
  setRootIsDecorated(false);
  setHeaderLabels(
      {QStringLiteral("Processor preset number"), QStringLiteral("Presets in the processor")});
  set_current_follows_drag(true);

  build_menus({&preset_menu_head(), &kLockMenus, &preset_menu_view(), &kFlagMenus});
  populate();
}

bool tcPDlgArcBox::usable() const {
  return isEnabled() && context().is_online();
}

int tcPDlgArcBox::current_slot() const {
  tcApStores& stores = *context().stores;
  tcPresetHeader live;
  if (stores.banks().get_header(stores.banks().current_slot(), &live) != 0) return -1;
  tcPresetHeader header;
  for (int slot = 0; slot < tcPresetDirectory::kSlots; ++slot) {
    stores.directory().get(slot, header);
    if (header.present && header.name_text() == live.name_text() &&
        header.check[tcPresetHeader::kNormal] == live.check[tcPresetHeader::kNormal])
      return slot;
  }
  return -1;
}

void tcPDlgArcBox::populate() {
  const QStringList selected = selected_keys();
  const QString current = current_key();
  const bool online = context().is_online();
  setEnabled(online);
  clear();
  if (!online) return;
  const tcPresetDirectory& directory = context().stores->directory();
  const tcDeviceEntry* device = context().device();
  const int live = current_slot();
  QList<QTreeWidgetItem*> items;
  for (int slot = 0; slot < tcPresetDirectory::kSlots; ++slot) {
    tcPresetHeader header;
    directory.get(slot, header);
    auto* item = new QTreeWidgetItem;
    item->setData(0, kKeyRole, key_of(slot));
    item->setText(0, number_text(slot));
    if (header.present) {
      item->setText(1, header.name_text().toQString());
      item->setIcon(0, tcPresetIcons::lock_state(header.status));
      const tcString file = device ? device->preset(slot) : tcString();
      if (!file.empty())
        item->setToolTip(1, QStringLiteral("From the file %1").arg(file.toQString()));
    }
    if (slot == live) {
      item->setText(0, number_text(slot) + QLatin1Char(' ') + QLatin1String(kCurrentMark));
      item->setIcon(0, tcPresetIcons::get(tcPresetIcons::kCurrent));
      QFont bold = item->font(0);
      bold.setBold(true);
      item->setFont(0, bold);
      item->setFont(1, bold);
    }
    items << item;
  }
  addTopLevelItems(items);
  for (const QString& key : selected) {
    if (QTreeWidgetItem* item = item_of(key)) item->setSelected(true);
  }
  if (QTreeWidgetItem* item = item_of(current))
    setCurrentItem(item, 0, QItemSelectionModel::NoUpdate);
  resizeColumnToContents(0);
}

QVector<int> tcPDlgArcBox::selected_present_slots() const {
  QVector<int> picked;
  const tcPresetDirectory& directory = context().stores->directory();
  for (const QString& key : selected_keys()) {
    if (directory.present(slot_of(key))) picked << slot_of(key);
  }
  return picked;
}

int tcPDlgArcBox::read_presets(const QStringList& keys, tcPresetClips* out) {
  out->clear();
  if (!usable()) return -1;
  QVector<int> picked;
  const tcPresetDirectory& directory = context().stores->directory();
  for (const QString& key : keys) {
    if (directory.present(slot_of(key))) picked << slot_of(key);
  }
  return tcPresetTransfer(context(), owner_).fetch(picked, out);
}

void tcPDlgArcBox::paste_clips(const tcPresetClips& clips, const QString& target) {
  if (!usable() || clips.empty()) return;
  const int first = slot_of(target.isEmpty() ? current_key() : target);
  if (first < 0) return;
  // What would go past the last slot is dropped.
  const int count =
      std::min<int>(static_cast<int>(clips.size()), tcPresetDirectory::kSlots - first);
  const tcPresetDirectory& directory = context().stores->directory();
  for (int n = 0; n < count; ++n) {
    tcPresetHeader header;
    directory.get(first + n, header);
    if (header.present && header.status != 0) {
      tcPresetUi::warn(owner_, QStringLiteral("Preset Paste"),
                       QStringLiteral("One or more of the destination presets is locked."));
      return;
    }
  }
  tcPresetClips sent;
  for (int n = 0; n < count; ++n) {
    tcPresetClip clip;
    clip.header = clips[n].header;
    clip.header.present = 1;
    clip.header.status = 0;  // the slot's lock is the processor's to keep
    tcSettings::copy(clips[n].set.get(), clip.set.get(), 0);
    clip.file_name = clips[n].file_name;
    sent.push_back(std::move(clip));
  }
  tcPresetTransfer(context(), owner_).push(sent, first);
  // Remember which file each slot was filled from.
  if (tcDeviceEntry* device = context().device()) {
    for (int n = 0; n < count; ++n) {
      const QByteArray base = QFileInfo(sent[n].file_name).completeBaseName().toLatin1();
      device->set_preset(first + n, base.constData());
    }
  }
}

void tcPDlgArcBox::slot_save() {
  if (!usable()) return;
  const int slot = slot_of(current_key());
  tcPresetSaveDlg dlg(context(), slot < 0 ? 0 : slot, owner_);
  dlg.exec();
}

void tcPDlgArcBox::slot_take() {
  if (!usable()) return;
  const int slot = slot_of(current_key());
  if (context().stores->directory().present(slot)) tcPresetTake::take_slot(context(), slot);
}

void tcPDlgArcBox::slot_delete() {
  if (!usable()) return;
  const QVector<int> picked = selected_present_slots();
  if (picked.isEmpty()) return;
  const QString title = QStringLiteral("Preset Delete");
  if (!tcPresetUi::ask(owner_, title,
                       QStringLiteral("Are you sure you want to delete the selected presets?")))
    return;
  tcPresetHeader header;
  for (const int slot : picked) {
    context().stores->directory().get(slot, header);
    if (header.status != 0) {
      tcPresetUi::warn(owner_, title,
                       QStringLiteral("One or more of the selected presets is locked."));
      return;
    }
  }
  tcApIface* link = context().current_link();
  for (const int slot : picked) {
    link->send_delete(static_cast<uint16_t>(slot), 1);
    if (tcDeviceEntry* device = context().device()) device->set_preset(slot, "");
  }
}

void tcPDlgArcBox::slot_rename() {
  if (!usable()) return;
  const int slot = slot_of(current_key());
  tcPresetHeader header;
  if (context().stores->directory().get(slot, header) != 0 || !header.present) return;
  CPresetRenameDlg dlg(QLatin1String(CPresetRenameDlg::kTitlePreset),
                       header.name_text().toQString(), CPresetRenameDlg::kPresetName, owner_);
  if (dlg.exec() != QDialog::Accepted) return;
  char name40[tcPresetHeader::kNameSize] = {};
  const QByteArray name = dlg.name().toLatin1();
  std::memcpy(name40, name.constData(), std::min<int>(name.size(), sizeof name40));
  if (tcApIface* link = context().current_link())
    link->send_rename(static_cast<uint8_t>(slot), name40);
}

void tcPDlgArcBox::set_lock(uint8_t state) {
  if (!usable()) return;
  const QVector<int> picked = selected_present_slots();
  QStringList numbers;
  QStringList names;
  for (const int slot : picked) {
    tcPresetHeader header;
    context().stores->directory().get(slot, header);
    if (header.status == 2 && !context().tech()) {
      numbers << QString::number(slot + 1);
      names << header.name_text().toQString();
    }
  }
  if (!numbers.isEmpty()) {
    const QString text =
        numbers.size() == 1
            ? QStringLiteral("Preset %1 \"%2\" is factory locked.").arg(numbers[0], names[0])
            : QStringLiteral("Presets %1 \"%2\" is factory locked.")
                  .arg(numbers.join(QStringLiteral(", ")), names.join(QStringLiteral("\", \"")));
    tcPresetUi::warn(owner_, QStringLiteral("Preset Lock Error"), text);
    return;
  }
  tcApIface* link = context().current_link();
  for (const int slot : picked) link->send_lock(static_cast<uint8_t>(slot), state);
}

void tcPDlgArcBox::slot_lock() {
  set_lock(1);
}

void tcPDlgArcBox::slot_unlock() {
  set_lock(0);
}

void tcPDlgArcBox::slot_factory_lock() {
  if (context().tech()) set_lock(2);
}

void tcPDlgArcBox::slot_sg_view() {
  if (!usable() || !context().guru()) return;
  QVector<QPair<QString, QString>> rows;
  for (const int slot : selected_present_slots()) {
    tcPresetHeader header;
    context().stores->directory().get(slot, header);
    rows << qMakePair(header.name_text().toQString(),
                      tcPresetFileTexts::map_version_text(header.map_version).toQString());
  }
  owner_->show_sg_flags(rows);
}
