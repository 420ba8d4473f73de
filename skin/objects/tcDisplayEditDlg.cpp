#include "skin/objects/tcDisplayEditDlg.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

tcDisplayEditDlg::tcDisplayEditDlg(QWidget* parent, const QString& value, const QString& units,
                                   const QString& pattern)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      edit_(new QLineEdit(value, this)),
      units_(new QLabel(units, this)) {
  // Typing is held to the pattern; an invalid pattern takes any text.
  const QRegularExpression re(QStringLiteral("\\A(?:") + pattern + QStringLiteral(")\\z"));
  if (re.isValid()) edit_->setValidator(new QRegularExpressionValidator(re, edit_));
  edit_->selectAll();
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  ok_ = buttons->button(QDialogButtonBox::Ok);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(edit_, &QLineEdit::textChanged, this, &tcDisplayEditDlg::slot_edited);
  auto* row = new QHBoxLayout;
  row->addWidget(edit_);
  row->addWidget(units_);
  auto* column = new QVBoxLayout(this);
  column->addLayout(row);
  column->addWidget(buttons);
  slot_edited();
}

tcDisplayEditDlg::~tcDisplayEditDlg() = default;

QString tcDisplayEditDlg::text() const {
  return edit_->text();
}

void tcDisplayEditDlg::set_text(const QString& text) {
  edit_->setText(text);
}

bool tcDisplayEditDlg::acceptable() const {
  QString text = edit_->text();
  int pos = 0;
  const QValidator* v = edit_->validator();
  return !v || v->validate(text, pos) == QValidator::Acceptable;
}

void tcDisplayEditDlg::slot_edited() {
  ok_->setEnabled(acceptable());
}
