#pragma once
// What the three boxes of the preset library share: a tree with its own menus
// (shown in the dialog's menu bar while the box has the focus, and as its
// context menu), and drag and drop between boxes. A drag carries only the text
// "Morvallion_TK2000_Presets"; the dialog remembers the source box and its
// rows, and a drop hands them to the target box's paste, exactly as copy in
// the source and paste in the target would.
#include <QList>
#include <QStringList>
#include <QTreeWidget>
#include <initializer_list>
#include <vector>

#include "presets/dialogs/tcPresetClip.h"

class CPresetsDlg;
class QMenu;
struct tcPresetContext;

class tcPDlgListBox : public QTreeWidget {
  Q_OBJECT

 public:
  static constexpr const char* kDragText = "Morvallion_TK2000_Presets";
  static constexpr int kKeyRole = Qt::UserRole;

  tcPDlgListBox(CPresetsDlg* owner, const QString& caption, QWidget* parent = nullptr);

  const QString& caption() const { return caption_; }
  const QList<QMenu*>& menus() const { return menus_; }
  // The same actions in one menu.
  QMenu* context_menu() const { return context_; }
  // The action of a menu text ("Paste\tCtrl+V", "Rename..."), or none.
  QAction* action(const QString& text) const;

  // While dragging over the box, the row under the pointer becomes current.
  void set_current_follows_drag(bool on) { current_follows_drag_ = on; }

  // The keys of the selected rows, in display order (a slot number or a path).
  virtual QStringList selected_keys() const;
  // The key of the current row, "" when none.
  QString current_key() const;
  // The row of a key, none when absent.
  QTreeWidgetItem* item_of(const QString& key) const;
  // Reads the presets of some of this box's keys. 0, or -1 after telling the user.
  virtual int read_presets(const QStringList& keys, tcPresetClips* out) = 0;
  // Pastes presets onto the row of `target` (the current row for ""); a box
  // that takes no pastes does nothing.
  virtual void paste_clips(const tcPresetClips& clips, const QString& target) = 0;

  // The drag of the selected rows as it starts: remembered by the dialog. The
  // mime data a drop expects.
  QMimeData* begin_drag();

 signals:
  void sig_take_my_menu(tcPDlgListBox* box);

 public slots:
  // What every box does alike: the dialog's clipboard, view, diff and print.
  void slot_copy();
  void slot_paste();
  void slot_view();
  void slot_diff();
  void slot_print();

 public:
  // When a menu entry is there.
  enum When { kAlways, kTechOnly, kGuruOnly };
  // One entry of a box's menus, in menu-bar order; a null text is a separator.
  struct MenuEntry {
    const char* menu;
    const char* text;
    const char* shortcut;  // reachable while the box has the focus; null for none
    const char* slot;
    When when;
  };
  using MenuTable = std::vector<MenuEntry>;
  // The entries the processor and file boxes share: file and edit entries
  // first, the view entries last.
  static const MenuTable& preset_menu_head();
  static const MenuTable& preset_menu_view();

 protected:
  const tcPresetContext& context() const;
  // Builds the menus and the context menu from tables, in order.
  void build_menus(std::initializer_list<const MenuTable*> tables);
  // Whether the box's actions may act (a disabled box's do nothing).
  virtual bool usable() const { return isEnabled(); }

  void focusInEvent(QFocusEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void startDrag(Qt::DropActions actions) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

  CPresetsDlg* owner_;

 private:
  bool accepts(const QMimeData* data) const;
  void add_entry(const MenuEntry& entry);

  QString caption_;
  QList<QMenu*> menus_;
  QMenu* context_ = nullptr;
  bool current_follows_drag_ = false;
};
