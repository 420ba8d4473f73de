#include "presets/dialogs/CPresetsViewDlg.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "params/SETTINGS.h"
#include "params/tcPresetHeader.h"

namespace {

QString number_text(const SETTINGS& set, uint16_t id, float f, uint32_t i, bool as_bool) {
  switch (set.type(id)) {
    case MAP_TYPE::kFloat:
      return QString::asprintf("%10.2f", f);
    case MAP_TYPE::kInt:
      return QString::number(i);
    default:
      return as_bool ? QLatin1String(i ? "true" : "false") : QStringLiteral("--");
  }
}

QStringList guru_columns(const SETTINGS& set, const tcParamRow& row, int order) {
  static const char* const kTypes[] = {"", "float", "int", "bool"};
  const uint16_t id = row.id;
  const int type = set.type(id);
  const bool tweaker = id >= tcParamTable::kFineAdjustFirst && id <= tcParamTable::kFineAdjustLast;
  return {QString::number(order),
          QString::asprintf("%x", id),
          QLatin1String(type >= 1 && type <= 3 ? kTypes[type] : ""),
          number_text(set, id, set.float_min(id), set.int_min(id), false),
          number_text(set, id, set.float_max(id), set.int_max(id), false),
          number_text(set, id, set.float_default(id), set.int_default(id), true),
          QLatin1String(row.follow_io ? "TRUE" : ""),
          QLatin1String(row.secret ? "TRUE" : ""),
          QLatin1String(tweaker ? "TRUE" : "")};
}

}  // namespace

CPresetsViewDlg::CPresetsViewDlg(const tcPresetHeader& header, const SETTINGS& set, bool guru,
                                 QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(QStringLiteral("Preset View"));
  tree_ = new QTreeWidget(this);
  tree_->setRootIsDecorated(false);
  tree_->setAlternatingRowColors(true);
  QStringList columns = {QStringLiteral("Setting"), QStringLiteral("Value")};
  if (guru) {
    columns << QStringLiteral("Ord") << QStringLiteral("ID") << QStringLiteral("Type")
            << QStringLiteral("Min") << QStringLiteral("Max") << QStringLiteral("Default")
            << QStringLiteral("Follow I/O") << QStringLiteral("Secret")
            << QStringLiteral("Tweeker");
  }
  tree_->setHeaderLabels(columns);

  uint16_t count = 0;
  const uint32_t crc = set.checksum(tcSettings::kNormal, &count);
  QList<QTreeWidgetItem*> items;
  items << new QTreeWidgetItem(QStringList{QStringLiteral("Name"), header.name_text().toQString()});
  items << new QTreeWidgetItem(QStringList{QStringLiteral("Num IDs"), QString::number(count)});
  items << new QTreeWidgetItem(QStringList{QStringLiteral("CRC"), QString::asprintf("%08X", crc)});
  const tcParamTable& table = set.table();
  for (int i = 0; i < table.count(); ++i) {
    const tcParamRow& row = table.rows()[i];
    if (row.secret && !guru) continue;
    QStringList texts = {QString::fromLatin1(row.name), set.format(row.id).toQString()};
    if (guru) texts << guru_columns(set, row, i + 1);
    items << new QTreeWidgetItem(texts);
  }
  tree_->addTopLevelItems(items);
  for (int c = 0; c < columns.size(); ++c) tree_->resizeColumnToContents(c);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tree_);
  layout->addWidget(buttons);
  resize(guru ? 900 : 420, 600);
}
