#pragma once
// Answers the modal dialogs and message boxes that one call opens, in order:
// each step gets the dialog that became modal and must close it. Boxes are
// logged as "title|text".
#include <QDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <deque>
#include <functional>

#include "support/tcModalDriver.h"

class tcModalScript {
 public:
  using Step = std::function<void(QDialog*)>;

  tcModalScript& box(QMessageBox::StandardButton button) {
    steps_.push_back([this, button](QDialog* d) {
      auto* box = qobject_cast<QMessageBox*>(d);
      if (!box) return d->reject();
      log.push_back(box->windowTitle() + "|" + box->text());
      box->button(button)->click();
    });
    return *this;
  }
  // Types `text` into the dialog's focused field, then OK.
  tcModalScript& type(const QString& text) {
    steps_.push_back([this, text](QDialog* d) {
      log.push_back(d->windowTitle());
      if (auto* field = qobject_cast<QLineEdit*>(d->focusWidget())) field->setText(text);
      d->accept();
    });
    return *this;
  }
  tcModalScript& then(Step step) {
    steps_.push_back(std::move(step));
    return *this;
  }
  // Arms the script for the next call.
  void run() { arm(std::make_shared<std::deque<Step>>(steps_)); }

  std::vector<QString> log;

 private:
  static void arm(std::shared_ptr<std::deque<Step>> steps) {
    if (steps->empty()) return;
    on_next_modal<QDialog>([steps](QDialog* d) {
      Step step = steps->front();
      steps->pop_front();
      arm(steps);  // the next one waits until this one has closed
      step(d);
    });
  }

  std::deque<Step> steps_;
};
