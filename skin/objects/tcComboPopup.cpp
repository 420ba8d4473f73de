#include "skin/objects/tcComboPopup.h"

#include <QKeyEvent>

tcComboPopup::tcComboPopup() : QListWidget(nullptr) {
  setWindowFlags(Qt::Popup);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setUniformItemSizes(true);
  connect(this, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { choose(row(item)); });
}

tcComboPopup::~tcComboPopup() = default;

void tcComboPopup::open(const std::vector<tcString>& entries, int current, int rows, int width,
                        const Look& look, const QPoint& global_pos) {
  clear();
  for (const tcString& entry : entries) addItem(entry.toQString());
  setFont(look.font);
  setStyleSheet(
      QStringLiteral("QListWidget { color: %1; background: %2; }"
                     "QListWidget::item:selected { color: %3; background: %4; }")
          .arg(look.fg.name(), look.bg.name(), look.fg_select.name(), look.bg_select.name()));
  if (current >= 0 && current < count()) setCurrentRow(current);
  const int shown = rows > 0 ? rows : 1;
  const int line = sizeHintForRow(0) > 0 ? sizeHintForRow(0) : fontMetrics().height();
  const int lines = count() < shown ? (count() > 0 ? count() : 1) : shown;
  resize(width > 40 ? width : 40, lines * line + 2 * frameWidth());
  move(global_pos);
  show();
  setFocus();
}

void tcComboPopup::choose(int row) {
  hide();
  if (row >= 0 && row < count()) emit sig_chosen(row);
}

void tcComboPopup::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    choose(currentRow());
    return;
  }
  if (event->key() == Qt::Key_Escape) {
    hide();
    return;
  }
  QListWidget::keyPressEvent(event);
}
