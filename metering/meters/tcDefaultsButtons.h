#pragma once
// The "Defaults", "OK" and "Cancel" row of the settings dialogs: OK goes to
// the dialog's accept() (which checks and may keep it open), Cancel to reject().
#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

class tcDefaultsButtons {
 public:
  template <class Dialog>
  static QDialogButtonBox* create(Dialog* dlg, void (Dialog::*defaults)()) {
    auto* buttons = new QDialogButtonBox(dlg);
    QPushButton* reset =
        buttons->addButton(QStringLiteral("Defaults"), QDialogButtonBox::ResetRole);
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    QObject::connect(reset, &QPushButton::clicked, dlg, defaults);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dlg, &Dialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dlg, &Dialog::reject);
    return buttons;
  }
};
