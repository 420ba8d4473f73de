#pragma once
// "Save Preset": a name (at most 40 characters) and, in processor mode, the
// preset number 1 to 80, whose change fills in the name of the preset in that
// slot or "PSET %03d". OK checks the name with the preset-name rule and saves
// the live preset; a bad name or a refused save keeps the dialog open.
#include <QDialog>

#include "presets/dialogs/tcPresetContext.h"

class QLabel;
class QLineEdit;
class QSpinBox;

class tcPresetSaveDlg : public QDialog {
  Q_OBJECT

 public:
  enum Mode { kProcessor, kFavorites };

  // Processor mode, on slot `slot` (0 to 79).
  tcPresetSaveDlg(const tcPresetContext& context, int slot, QWidget* parent = nullptr);
  // Favourites mode, into `folder`.
  tcPresetSaveDlg(const tcPresetContext& context, const QString& folder, QWidget* parent = nullptr);

  Mode mode() const { return mode_; }
  QString name() const;
  // The preset number shown (1 to 80).
  int number() const;
  QLineEdit* name_edit() const { return name_; }
  QSpinBox* number_box() const { return number_; }
  QString caption() const;

 public slots:
  void accept() override;

 private slots:
  void slot_number_changed(int number);

 private:
  void build(const QString& caption);

  const tcPresetContext context_;  // a copy: the caller's may go first
  Mode mode_;
  QString folder_;
  QLabel* caption_ = nullptr;
  QLineEdit* name_ = nullptr;
  QSpinBox* number_ = nullptr;
};
