#include "services/access/tcKeyboardExtension.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QKeyEvent>
#include <QPushButton>

namespace {
struct Key {
  const char* label;
  int key;
  int row;
  int column;
};
const Key kKeys[] = {
    {"7", Qt::Key_7, 0, 0}, {"8", Qt::Key_8, 0, 1},      {"9", Qt::Key_9, 0, 2},
    {"4", Qt::Key_4, 1, 0}, {"5", Qt::Key_5, 1, 1},      {"6", Qt::Key_6, 1, 2},
    {"1", Qt::Key_1, 2, 0}, {"2", Qt::Key_2, 2, 1},      {"3", Qt::Key_3, 2, 2},
    {"0", Qt::Key_0, 3, 0}, {".", Qt::Key_Period, 3, 1}, {"BkSpace", Qt::Key_Backspace, 3, 2},
};
}  // namespace

tcKeyboardExtension::tcKeyboardExtension(QWidget* parent) : QWidget(parent) {
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setSpacing(2);
  for (const Key& k : kKeys) {
    auto* button = new QPushButton(QString::fromLatin1(k.label), this);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoDefault(false);
    button->setMinimumWidth(44);
    const int key = k.key;
    connect(button, &QPushButton::clicked, this, [this, key] { emit sig_keypress(key); });
    grid->addWidget(button, k.row, k.column);
  }
}

void tcKeyboardExtension::type_into(QWidget* target, int key) {
  if (!target) return;
  const QString text = key < Qt::Key_Escape ? QString(QChar(key)) : QString();
  QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier, text));
}
