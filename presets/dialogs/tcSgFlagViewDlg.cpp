#include "presets/dialogs/tcSgFlagViewDlg.h"

#include <QDialogButtonBox>
#include <QTreeWidget>
#include <QVBoxLayout>

tcSgFlagViewDlg::tcSgFlagViewDlg(const QVector<QPair<QString, QString>>& rows, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(QStringLiteral("SG Flag View"));
  tree_ = new QTreeWidget(this);
  tree_->setRootIsDecorated(false);
  tree_->setHeaderLabels({QStringLiteral("Preset"), QStringLiteral("SG Flag")});
  for (const auto& row : rows) new QTreeWidgetItem(tree_, QStringList{row.first, row.second});
  tree_->resizeColumnToContents(0);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tree_);
  layout->addWidget(buttons);
  resize(420, 300);
}
