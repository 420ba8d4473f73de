#pragma once
// Turns SIGINT and SIGTERM into a Qt signal on the GUI thread (self-pipe and a
// socket notifier), so that Ctrl+C closes the main window the normal way and
// the options are saved. A second signal before the program has ended
// terminates it at once.
#include <QObject>

class QSocketNotifier;

class tcQuitSignals : public QObject {
  Q_OBJECT
 public:
  explicit tcQuitSignals(QObject* parent = nullptr);
  ~tcQuitSignals() override;  // restores the previous handlers

  bool active() const { return notifier_ != nullptr; }

 signals:
  void sig_quit_requested(int signal_number);

 private slots:
  void slot_readable();

 private:
  QSocketNotifier* notifier_ = nullptr;
};
