#include "metering/analysis/tcAnalysisViewDlg.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QVBoxLayout>

#include "metering/analysis/tcAnalysisView.h"
#include "metering/meters/tcDefaultsButtons.h"

tcAnalysisViewDlg::tcAnalysisViewDlg(tcAnalysisView& view, QWidget* parent)
    : QDialog(parent), view_(view) {
  setWindowTitle(view.dialog_title());
  auto* form = new QFormLayout;
  auto* checks = new QVBoxLayout;
  for (const tcAnalysisView::Field& f : view.fields()) {
    const QString label = QString::fromLatin1(f.label);
    if (f.kind == tcAnalysisView::Field::kCheck) {
      auto* box = new QCheckBox(label, this);
      checks->addWidget(box);
      editors_.push_back(box);
      continue;
    }
    auto* edit = new QLineEdit(this);
    if (f.kind == tcAnalysisView::Field::kColour) edit->setInputMask(QStringLiteral("HHHHHH; "));
    if (f.kind == tcAnalysisView::Field::kText) edit->setMinimumWidth(520);
    edit->setObjectName(label);
    form->addRow(label, edit);
    editors_.push_back(edit);
  }
  QDialogButtonBox* buttons = tcDefaultsButtons::create(this, &tcAnalysisViewDlg::slot_defaults);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addLayout(checks);
  layout->addWidget(buttons);
  show_values(view.settings());
}

QWidget* tcAnalysisViewDlg::editor(const QString& label) const {
  const std::vector<tcAnalysisView::Field> fields = view_.fields();
  for (size_t i = 0; i < fields.size(); ++i)
    if (label == QLatin1String(fields[i].label)) return editors_[i];
  return nullptr;
}

void tcAnalysisViewDlg::show_values(const tcViewSettings& s) {
  const std::vector<tcAnalysisView::Field> fields = view_.fields();
  for (size_t i = 0; i < fields.size(); ++i) {
    const tcAnalysisView::Field& f = fields[i];
    switch (f.kind) {
      case tcAnalysisView::Field::kCheck:
        static_cast<QCheckBox*>(editors_[i])->setChecked(s.*f.bool_value);
        break;
      case tcAnalysisView::Field::kInt:
        static_cast<QLineEdit*>(editors_[i])->setText(QString::number(s.*f.int_value));
        break;
      case tcAnalysisView::Field::kText:
      case tcAnalysisView::Field::kColour:
        static_cast<QLineEdit*>(editors_[i])->setText(s.*f.text_value);
        break;
    }
  }
}

tcViewSettings tcAnalysisViewDlg::values() const {
  tcViewSettings s = view_.settings();
  const std::vector<tcAnalysisView::Field> fields = view_.fields();
  for (size_t i = 0; i < fields.size(); ++i) {
    const tcAnalysisView::Field& f = fields[i];
    if (f.kind == tcAnalysisView::Field::kCheck) {
      s.*f.bool_value = static_cast<QCheckBox*>(editors_[i])->isChecked();
      continue;
    }
    const QString text = static_cast<QLineEdit*>(editors_[i])->text().trimmed();
    if (f.kind == tcAnalysisView::Field::kInt) {
      bool ok = false;
      const int v = text.toInt(&ok);
      s.*f.int_value = ok ? v : tcViewSettings::kNotANumber;
    } else {
      s.*f.text_value = f.kind == tcAnalysisView::Field::kColour ? text.toUpper() : text;
    }
  }
  return s;
}

void tcAnalysisViewDlg::slot_defaults() {
  show_values(view_.defaults());
}

void tcAnalysisViewDlg::accept() {
  const tcViewSettings s = values();
  const QString error = s.validate(view_.keys());
  if (!error.isEmpty()) {
    QMessageBox::warning(this, QStringLiteral("Error"), error);
    return;
  }
  view_.set_settings(s);
  view_.write_settings(this);
  QDialog::accept();
}
