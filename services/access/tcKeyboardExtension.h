#pragma once
// The on-screen keypad: digits, "." and "BkSpace". Its buttons never take the
// focus, so the field being typed into keeps it; each press is reported with
// its key, and type_into() turns a key into a key press on a field.
#include <QWidget>

class tcKeyboardExtension : public QWidget {
  Q_OBJECT

 public:
  explicit tcKeyboardExtension(QWidget* parent = nullptr);

  // Posts a key press of `key` (with its character as text when it has one)
  // to `target`; nothing without a target.
  static void type_into(QWidget* target, int key);

 signals:
  void sig_keypress(int key);
};
