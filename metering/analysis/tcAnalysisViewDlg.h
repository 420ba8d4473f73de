#pragma once
// The settings dialog of an analysis view, laid out from the view's field
// list: numbers and texts in a form, switches as check boxes below.
#include <QDialog>
#include <vector>

#include "metering/analysis/tcViewSettings.h"

class QCheckBox;
class QLineEdit;
class tcAnalysisView;

class tcAnalysisViewDlg : public QDialog {
  Q_OBJECT
 public:
  tcAnalysisViewDlg(tcAnalysisView& view, QWidget* parent = nullptr);

  // The editor of the field labelled `label` (QLineEdit or QCheckBox).
  QWidget* editor(const QString& label) const;
  // The settings the editors hold now.
  tcViewSettings values() const;

 public slots:
  void slot_defaults();
  void accept() override;

 private:
  void show_values(const tcViewSettings& s);

  tcAnalysisView& view_;
  std::vector<QWidget*> editors_;  // one per field, in field order
};
