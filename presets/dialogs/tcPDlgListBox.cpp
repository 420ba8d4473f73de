#include "presets/dialogs/tcPDlgListBox.h"

#include <QContextMenuEvent>
#include <QDrag>
#include <QMenu>
#include <QMimeData>

#include "presets/dialogs/CPresetsDlg.h"

tcPDlgListBox::tcPDlgListBox(CPresetsDlg* owner, const QString& caption, QWidget* parent)
    : QTreeWidget(parent), owner_(owner), caption_(caption) {
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setDragEnabled(true);
  setAcceptDrops(true);
  setDropIndicatorShown(true);
  setDragDropMode(QAbstractItemView::DragDrop);
  setDefaultDropAction(Qt::CopyAction);
  context_ = new QMenu(this);
}

const tcPresetContext& tcPDlgListBox::context() const {
  return owner_->context();
}

const tcPDlgListBox::MenuTable& tcPDlgListBox::preset_menu_head() {
  static const MenuTable table = {
      {"&File", "Save\tCtrl+S", "Ctrl+S", SLOT(slot_save()), kAlways},
      {"&File", "Take\tCtrl+T", "Ctrl+T", SLOT(slot_take()), kAlways},
      {"&Edit", "Copy\tCtrl+C", "Ctrl+C", SLOT(slot_copy()), kAlways},
      {"&Edit", "Paste\tCtrl+V", "Ctrl+V", SLOT(slot_paste()), kAlways},
      {"&Edit", nullptr, nullptr, nullptr, kAlways},
      {"&Edit", "Delete\tDel", "Del", SLOT(slot_delete()), kAlways},
      {"&Edit", "Rename...", nullptr, SLOT(slot_rename()), kAlways},
      {"&Edit", nullptr, nullptr, nullptr, kAlways},
  };
  return table;
}

const tcPDlgListBox::MenuTable& tcPDlgListBox::preset_menu_view() {
  static const MenuTable table = {
      {"&View", "Settings...", nullptr, SLOT(slot_view()), kAlways},
      {"&View", "Diff...", nullptr, SLOT(slot_diff()), kAlways},
      {"&View", nullptr, nullptr, nullptr, kAlways},
      {"&View", "Print...", nullptr, SLOT(slot_print()), kAlways},
  };
  return table;
}

void tcPDlgListBox::build_menus(std::initializer_list<const MenuTable*> tables) {
  for (const MenuTable* table : tables) {
    for (const MenuEntry& entry : *table) add_entry(entry);
  }
  context_->clear();
  for (QMenu* menu : menus_) {
    if (!context_->isEmpty()) context_->addSeparator();
    context_->addActions(menu->actions());
  }
}

void tcPDlgListBox::add_entry(const MenuEntry& entry) {
  if ((entry.when == kTechOnly && !context().tech()) ||
      (entry.when == kGuruOnly && !context().guru()))
    return;
  const QString title = QLatin1String(entry.menu);
  QMenu* menu = nullptr;
  for (QMenu* m : menus_) {
    if (m->title() == title) menu = m;
  }
  if (!menu) {
    menu = new QMenu(title, this);
    menus_ << menu;
  }
  if (!entry.text) {
    menu->addSeparator();
    return;
  }
  QAction* action = menu->addAction(QLatin1String(entry.text), this, entry.slot);
  if (entry.shortcut) {
    action->setShortcut(QKeySequence(QLatin1String(entry.shortcut)));
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(action);
  }
}

void tcPDlgListBox::slot_copy() {
  if (usable()) owner_->copy_from(this);
}

void tcPDlgListBox::slot_paste() {
  if (usable()) paste_clips(owner_->clipboard(), QString());
}

void tcPDlgListBox::slot_view() {
  if (usable()) owner_->view_from(this);
}

void tcPDlgListBox::slot_diff() {
  if (usable()) owner_->diff_from(this);
}

void tcPDlgListBox::slot_print() {
  if (usable()) owner_->print_from(this);
}

QAction* tcPDlgListBox::action(const QString& text) const {
  for (QMenu* menu : menus_) {
    for (QAction* a : menu->actions()) {
      if (a->text() == text) return a;
    }
  }
  return nullptr;
}

QStringList tcPDlgListBox::selected_keys() const {
  QStringList keys;
  // Display order, whatever order the rows were picked in.
  for (QTreeWidgetItemIterator it(const_cast<tcPDlgListBox*>(this),
                                  QTreeWidgetItemIterator::Selected);
       *it; ++it)
    keys << (*it)->data(0, kKeyRole).toString();
  return keys;
}

QString tcPDlgListBox::current_key() const {
  return currentItem() ? currentItem()->data(0, kKeyRole).toString() : QString();
}

QTreeWidgetItem* tcPDlgListBox::item_of(const QString& key) const {
  for (QTreeWidgetItemIterator it(const_cast<tcPDlgListBox*>(this)); *it; ++it) {
    if ((*it)->data(0, kKeyRole).toString() == key) return *it;
  }
  return nullptr;
}

void tcPDlgListBox::focusInEvent(QFocusEvent* event) {
  QTreeWidget::focusInEvent(event);
  emit sig_take_my_menu(this);
}

void tcPDlgListBox::contextMenuEvent(QContextMenuEvent* event) {
  if (!isEnabled()) return;
  emit sig_take_my_menu(this);
  context_->exec(event->globalPos());
}

QMimeData* tcPDlgListBox::begin_drag() {
  const QStringList keys = selected_keys();
  if (!isEnabled() || keys.isEmpty()) return nullptr;
  owner_->remember_drag(this, keys);
  auto* data = new QMimeData;
  data->setText(QLatin1String(kDragText));
  return data;
}

void tcPDlgListBox::startDrag(Qt::DropActions) {
  QMimeData* data = begin_drag();
  if (!data) return;
  auto* drag = new QDrag(this);
  drag->setMimeData(data);
  if (currentItem()) drag->setPixmap(currentItem()->icon(0).pixmap(16, 16));
  drag->exec(Qt::CopyAction);
}

bool tcPDlgListBox::accepts(const QMimeData* data) const {
  return isEnabled() && data && data->text() == QLatin1String(kDragText) && owner_->drag_source();
}

void tcPDlgListBox::dragEnterEvent(QDragEnterEvent* event) {
  if (!accepts(event->mimeData())) return event->ignore();
  event->setDropAction(Qt::CopyAction);
  event->accept();
}

void tcPDlgListBox::dragMoveEvent(QDragMoveEvent* event) {
  if (!accepts(event->mimeData())) return event->ignore();
  if (current_follows_drag_) {
    if (QTreeWidgetItem* item = itemAt(event->pos())) setCurrentItem(item);
  }
  event->setDropAction(Qt::CopyAction);
  event->accept();
}

void tcPDlgListBox::dropEvent(QDropEvent* event) {
  if (!accepts(event->mimeData())) return event->ignore();
  QTreeWidgetItem* item = itemAt(event->pos());
  event->setDropAction(Qt::CopyAction);
  event->accept();
  // The paste may wait for the processor: it runs after the drag has ended.
  owner_->drop_later(this, item ? item->data(0, kKeyRole).toString() : QString());
}
