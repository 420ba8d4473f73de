#pragma once
// "SG Flag View": the selected presets with the texts of their map versions.
#include <QDialog>
#include <QPair>
#include <QVector>

class QTreeWidget;

class tcSgFlagViewDlg : public QDialog {
  Q_OBJECT

 public:
  // One row per preset: its name and its map-version text.
  tcSgFlagViewDlg(const QVector<QPair<QString, QString>>& rows, QWidget* parent = nullptr);

  QTreeWidget* tree() const { return tree_; }

 private:
  QTreeWidget* tree_;
};
