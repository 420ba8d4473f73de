#pragma once
// "Preset View": every parameter of one preset with its display text; in
// engineering mode also its order, id, type, range, default and flags, and the
// secret parameters.
#include <QDialog>

class QTreeWidget;
class SETTINGS;
class tcPresetHeader;

class CPresetsViewDlg : public QDialog {
  Q_OBJECT

 public:
  CPresetsViewDlg(const tcPresetHeader& header, const SETTINGS& set, bool guru,
                  QWidget* parent = nullptr);

  QTreeWidget* tree() const { return tree_; }

 private:
  QTreeWidget* tree_;
};
