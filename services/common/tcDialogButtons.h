#pragma once
// The "OK" and "Cancel" row of the service dialogs, wired to accept and reject;
// "OK" is the default button.
class QDialog;
class QHBoxLayout;

class tcDialogButtons {
 public:
  static QHBoxLayout* make(QDialog* dialog);
};
