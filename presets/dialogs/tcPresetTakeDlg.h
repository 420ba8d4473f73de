#pragma once
// "Take Preset": the processor's presets and the favourite folders with their
// preset files in one tree; a double click takes the item (a processor slot or
// a file) into the live bank. Non-modal. Read-only while not on-line.
#include <QDialog>

#include "presets/dialogs/tcPresetContext.h"

class QTreeWidget;
class QTreeWidgetItem;
struct tcPresetNode;

class tcPresetTakeDlg : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kSlotRole = Qt::UserRole;      // slot of a processor item, -1 else
  static constexpr int kPathRole = Qt::UserRole + 1;  // path of a file item

  tcPresetTakeDlg(const tcPresetContext& context, bool online, QWidget* parent = nullptr);

  QTreeWidget* tree() const { return tree_; }
  bool online() const { return online_; }

 public slots:
  void slot_tree_double_clicked(QTreeWidgetItem* item, int column);
  // Rebuilds the tree (the processor's presets or the library changed).
  void slot_populate();

 private:
  void add_library(QTreeWidgetItem* parent, const tcPresetNode& node);

  const tcPresetContext context_;  // a copy: the caller's may go first
  bool online_;
  QTreeWidget* tree_;
};
