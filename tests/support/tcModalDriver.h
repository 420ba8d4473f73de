#pragma once
// Drives the next modal dialog or message box a test's call opens: once the
// widget of type W is the active modal one, `act` runs on it (and must close it).
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <functional>

template <class W>
void on_next_modal(std::function<void(W*)> act) {
  auto* timer = new QTimer;
  QObject::connect(timer, &QTimer::timeout, [timer, act] {
    if (W* widget = qobject_cast<W*>(QApplication::activeModalWidget())) {
      timer->stop();
      timer->deleteLater();
      act(widget);
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
