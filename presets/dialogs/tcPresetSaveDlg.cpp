#include "presets/dialogs/tcPresetSaveDlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>

#include "link/transport/tcApStores.h"
#include "params/tcPresetFileTexts.h"
#include "presets/dialogs/tcPresetSave.h"
#include "presets/dialogs/tcPresetUi.h"

tcPresetSaveDlg::tcPresetSaveDlg(const tcPresetContext& context, int slot, QWidget* parent)
    : QDialog(parent), context_(context), mode_(kProcessor) {
  build(QStringLiteral("Save as Preset in QX770HD"));
  number_->setValue(slot + 1);
  slot_number_changed(number_->value());
  connect(number_, QOverload<int>::of(&QSpinBox::valueChanged), this,
          &tcPresetSaveDlg::slot_number_changed);
}

tcPresetSaveDlg::tcPresetSaveDlg(const tcPresetContext& context, const QString& folder,
                                 QWidget* parent)
    : QDialog(parent), context_(context), mode_(kFavorites), folder_(folder) {
  build(QStringLiteral("Save as Preset in Favorites"));
  number_->setEnabled(false);
  tcPresetHeader live;
  context_.stores->banks().get_header(context_.stores->banks().current_slot(), &live);
  name_->setText(live.name_text().toQString());
}

void tcPresetSaveDlg::build(const QString& caption) {
  setWindowTitle(QStringLiteral("Save Preset"));
  caption_ = new QLabel(caption, this);
  name_ = new QLineEdit(this);
  name_->setMaxLength(tcPresetFileTexts::kNameMax);
  number_ = new QSpinBox(this);
  number_->setRange(1, tcPresetDirectory::kSlots);
  QDialogButtonBox* buttons = tcPresetUi::ok_cancel(this);
  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("Name:"), name_);
  form->addRow(QStringLiteral("Preset #:"), number_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(caption_);
  layout->addLayout(form);
  layout->addWidget(buttons);
}

QString tcPresetSaveDlg::name() const {
  return name_->text();
}

int tcPresetSaveDlg::number() const {
  return number_->value();
}

QString tcPresetSaveDlg::caption() const {
  return caption_->text();
}

void tcPresetSaveDlg::slot_number_changed(int number) {
  tcPresetHeader header;
  const int slot = number - 1;
  if (context_.stores->directory().get(slot, header) == 0 && header.present)
    name_->setText(header.name_text().toQString());
  else
    name_->setText(QStringLiteral("PSET %1").arg(number, 3, 10, QLatin1Char('0')));
}

void tcPresetSaveDlg::accept() {
  tcString verdict;
  const QByteArray text = name().toLatin1();
  if (!tcPresetFileTexts::check_name(text.constData(), &verdict)) {
    tcPresetUi::warn(this, QLatin1String(tcPresetSave::kTitle),
                     QStringLiteral("Illegal preset name\n") + verdict.toQString());
    name_->setFocus();
    return;
  }
  const int saved = mode_ == kProcessor
                        ? tcPresetSave::to_slot(this, context_, number() - 1, name())
                        : tcPresetSave::to_file(this, context_, folder_, name());
  if (saved == 0) QDialog::accept();
}
