#pragma once
// The list pop-up of a "DROP" combo: `rows` lines of its entries in the list
// colours; choosing a line (click or Return) reports its index and closes.
#include <QListWidget>
#include <vector>

#include "app/core/tcString.h"

class tcComboPopup : public QListWidget {
  Q_OBJECT

 public:
  struct Look {
    QFont font;
    QColor fg, bg, fg_select, bg_select;
  };

  tcComboPopup();
  ~tcComboPopup() override;

  // Fills the list and shows it with its top-left corner at a global position.
  void open(const std::vector<tcString>& entries, int current, int rows, int width,
            const Look& look, const QPoint& global_pos);
  // Chooses a line as a click would.
  void choose(int row);

 signals:
  void sig_chosen(int row);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};
