#pragma once
// "Preset Difference": two presets side by side, every differing row marked,
// and their print.
#include <QDialog>
#include <QVector>

#include "presets/dialogs/tcPresetDiff.h"

class QPushButton;
class QTreeWidget;

class tcPresetsDiffDlg : public QDialog {
  Q_OBJECT

 public:
  tcPresetsDiffDlg(const tcPresetHeader& first_header, const SETTINGS& first,
                   const tcPresetHeader& second_header, const SETTINGS& second, bool guru,
                   QWidget* parent = nullptr);

  QTreeWidget* tree() const { return tree_; }
  const QVector<tcPresetDiffRow>& rows() const { return rows_; }
  QPushButton* print_button() const { return print_; }

 public slots:
  void slot_print();

 private:
  QVector<tcPresetDiffRow> rows_;
  QTreeWidget* tree_;
  QPushButton* print_;
};
