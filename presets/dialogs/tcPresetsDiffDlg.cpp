#include "presets/dialogs/tcPresetsDiffDlg.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "params/tcPresetHeader.h"
#include "presets/dialogs/tcPresetPrint.h"

tcPresetsDiffDlg::tcPresetsDiffDlg(const tcPresetHeader& first_header, const SETTINGS& first,
                                   const tcPresetHeader& second_header, const SETTINGS& second,
                                   bool guru, QWidget* parent)
    : QDialog(parent), rows_(tcPresetDiff::rows(first_header, first, second_header, second, guru)) {
  setWindowTitle(QStringLiteral("Preset Difference"));
  tree_ = new QTreeWidget(this);
  tree_->setObjectName(QStringLiteral("diff_tree"));
  tree_->setRootIsDecorated(false);
  tree_->setHeaderLabels({QStringLiteral("Setting"), first_header.name_text().toQString(),
                          second_header.name_text().toQString()});
  QList<QTreeWidgetItem*> items;
  for (const tcPresetDiffRow& row : rows_) {
    auto* item = new QTreeWidgetItem(QStringList{row.setting, row.first, row.second});
    if (row.differs) {
      for (int c = 0; c < 3; ++c) item->setForeground(c, Qt::red);
    }
    items << item;
  }
  tree_->addTopLevelItems(items);
  for (int c = 0; c < 3; ++c) tree_->resizeColumnToContents(c);

  print_ = new QPushButton(QStringLiteral("Print..."), this);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  buttons->addButton(print_, QDialogButtonBox::ActionRole);
  connect(print_, &QPushButton::clicked, this, &tcPresetsDiffDlg::slot_print);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tree_);
  layout->addWidget(buttons);
  resize(560, 600);
}

void tcPresetsDiffDlg::slot_print() {
  tcPresetPrint::print(this, {tcPresetPrint::diff(rows_)});
}
