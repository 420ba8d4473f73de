#pragma once
// The entry dialog of editable displays and combos: the current value, its unit
// text, and an entry that must match the object's pattern.
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

class tcDisplayEditDlg : public QDialog {
  Q_OBJECT

 public:
  tcDisplayEditDlg(QWidget* parent, const QString& value, const QString& units,
                   const QString& pattern);
  ~tcDisplayEditDlg() override;

  QString text() const;
  void set_text(const QString& text);
  // Whether the entry matches the whole pattern (OK is enabled only then).
  bool acceptable() const;

 private:
  void slot_edited();

  QLineEdit* edit_;
  QLabel* units_;
  QPushButton* ok_;
};
