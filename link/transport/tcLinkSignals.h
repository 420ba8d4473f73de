#pragma once
// What the link tells the GUI. The link's handlers emit these on the transport
// thread; the main window connects them, queued, to its own signals or slots.
#include <QObject>

class tcLinkSignals : public QObject {
  Q_OBJECT

 public:
  explicit tcLinkSignals(QObject* parent = nullptr) : QObject(parent) {}

 signals:
  void sig_connect_accepted();
  void sig_connect_rejected();
  void sig_recv_version();
  void sig_recv_macaddr();
  void sig_summary_changed();
  void sig_crc_check();
  void sig_sgmap_version_update(int bank, int version);
  void sig_new_events();
};
