#pragma once
// Drives the next modal dialog or message box a test's call opens: once the
// widget of type W is the active modal one, `act` runs on it (and must close it).
// If it never comes, the test fails and whatever modal widget holds the call is
// closed, so a wrong dialog ends the test instead of hanging it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <functional>

constexpr int kModalPatienceMs = 30000;

template <class W>
void on_next_modal(std::function<void(W*)> act) {
  auto* timer = new QTimer;
  QElapsedTimer waited;
  waited.start();
  QObject::connect(timer, &QTimer::timeout, [timer, act, waited] {
    QWidget* modal = QApplication::activeModalWidget();
    if (W* widget = qobject_cast<W*>(modal)) {
      timer->stop();
      timer->deleteLater();
      act(widget);
    } else if (waited.hasExpired(kModalPatienceMs)) {
      timer->stop();
      timer->deleteLater();
      ADD_FAILURE() << "the expected modal " << W::staticMetaObject.className()
                    << " did not appear; the active one is "
                    << (modal ? modal->metaObject()->className() : "none");
      if (auto* dialog = qobject_cast<QDialog*>(modal)) {
        dialog->reject();
      } else if (modal) {
        modal->close();
      }
    }
  });
  timer->start(5);
}

// Answers the next message box with `button`, keeping its title and text.
inline void answer_next_box(QMessageBox::StandardButton button, QString* title = nullptr,
                            QString* text = nullptr) {
  on_next_modal<QMessageBox>([=](QMessageBox* box) {
    if (title) *title = box->windowTitle();
    if (text) *text = box->text();
    box->button(button)->click();
  });
}
