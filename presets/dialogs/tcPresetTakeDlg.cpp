#include "presets/dialogs/tcPresetTakeDlg.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "link/devices/tcDeviceEntry.h"
#include "link/transport/tcApStores.h"
#include "presets/dialogs/tcPresetIcons.h"
#include "presets/dialogs/tcPresetTake.h"
#include "presets/storage/tcPackageRegistry.h"
#include "presets/storage/tcPresetLibrary.h"

tcPresetTakeDlg::tcPresetTakeDlg(const tcPresetContext& context, bool online, QWidget* parent)
    : QDialog(parent), context_(context), online_(online) {
  setWindowTitle(QStringLiteral("Take Preset"));
  tree_ = new QTreeWidget(this);
  tree_->setObjectName(QStringLiteral("Presets"));
  tree_->setHeaderLabels({QStringLiteral("Presets")});
  connect(tree_, &QTreeWidget::itemDoubleClicked, this, &tcPresetTakeDlg::slot_tree_double_clicked);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tree_);
  layout->addWidget(buttons);
  resize(360, 520);
  slot_populate();
}

void tcPresetTakeDlg::add_library(QTreeWidgetItem* parent, const tcPresetNode& node) {
  for (const tcPresetNode& child : node.children) {
    auto* item = new QTreeWidgetItem(parent);
    item->setData(0, kSlotRole, -1);
    if (child.kind == tcPresetNode::kFolder) {
      item->setText(0, child.name);
      item->setIcon(0, tcPresetIcons::get(child.in_package ? tcPresetIcons::kPackage
                                                           : tcPresetIcons::kFolder));
      add_library(item, child);
    } else {
      item->setText(0, QFileInfo(child.name).completeBaseName());
      item->setData(0, kPathRole, child.path);
      item->setIcon(0, tcPresetIcons::get(tcPresetIcons::kFile));
    }
  }
}

void tcPresetTakeDlg::slot_populate() {
  tree_->clear();
  const tcDeviceEntry* device = context_.device();
  auto* processor = new QTreeWidgetItem(tree_);
  processor->setText(0, device ? device->name().toQString() : QStringLiteral("QX770HD"));
  processor->setIcon(0, tcPresetIcons::get(tcPresetIcons::kUser));
  processor->setData(0, kSlotRole, -1);
  const tcPresetDirectory& directory = context_.stores->directory();
  for (int slot = 0; slot < tcPresetDirectory::kSlots; ++slot) {
    tcPresetHeader header;
    directory.get(slot, header);
    if (!header.present) continue;
    auto* item = new QTreeWidgetItem(processor);
    item->setText(0, QStringLiteral("%1  %2")
                         .arg(slot + 1, 3, 10, QLatin1Char('0'))
                         .arg(header.name_text().toQString()));
    item->setIcon(0, tcPresetIcons::lock_state(header.status));
    item->setData(0, kSlotRole, slot);
  }
  processor->setExpanded(true);
  if (context_.options) {
    auto* favorites = new QTreeWidgetItem(tree_);
    favorites->setText(0, QStringLiteral("favorites"));
    favorites->setIcon(0, tcPresetIcons::get(tcPresetIcons::kFolder));
    favorites->setData(0, kSlotRole, -1);
    add_library(favorites, tcPresetLibrary::load(context_.favorites_dir,
                                                 tcPackageRegistry(*context_.options)));
    favorites->setExpanded(true);
  }
}

void tcPresetTakeDlg::slot_tree_double_clicked(QTreeWidgetItem* item, int) {
  if (!online_ || !item) return;
  const int slot = item->data(0, kSlotRole).toInt();
  const QString path = item->data(0, kPathRole).toString();
  if (slot >= 0)
    tcPresetTake::take_slot(context_, slot);
  else if (!path.isEmpty())
    tcPresetTake::take_file(this, context_, path);
}
