#include "link/devices/tcConnection.h"

#include <QMessageBox>
#include <QPointer>

#include "app/core/tcOptions.h"
#include "link/devices/tcDeviceList.h"
#include "link/protocol/tcApCodec.h"
#include "link/transport/tcDeviceInfo.h"
#include "link/transport/tcLinkSignals.h"
#include "link/transport/tcPresetDirectory.h"
#include "link/transport/tcPresetGrabber.h"

tcConnection::tcConnection(tcOptions& options, tcDeviceList& devices, const tcLinkStores& stores,
                           QObject* parent)
    : QObject(parent), options_(options), devices_(devices), stores_(stores) {
  // Queued in every case: LINK_CLOSED is reported from inside the link's
  // destruction on this thread, and the slots delete and create links.
  connect(this, &tcConnection::sig_connecting, this, &tcConnection::slot_connecting,
          Qt::QueuedConnection);
  connect(this, &tcConnection::sig_link_up, this, &tcConnection::slot_link_up,
          Qt::QueuedConnection);
  connect(this, &tcConnection::sig_disconnect, this, &tcConnection::slot_disconnect,
          Qt::QueuedConnection);
  connect(this, &tcConnection::sig_connect_accepted, this, &tcConnection::slot_connect_accepted,
          Qt::QueuedConnection);
  if (stores_.link_signals) {
    // One hop, so a login answer never overtakes the link's later status reports.
    connect(stores_.link_signals, &tcLinkSignals::sig_connect_accepted, this,
            &tcConnection::slot_connect_accepted, Qt::QueuedConnection);
    connect(stores_.link_signals, &tcLinkSignals::sig_connect_rejected, this,
            &tcConnection::slot_connect_rejected, Qt::QueuedConnection);
  }
}

tcConnection::~tcConnection() {
  link_.reset();
}

void tcConnection::set_link_target(uint16_t port, const LinkTiming& timing) {
  port_ = port;
  timing_ = timing;
}

void tcConnection::set_online(bool on) {
  online_ = on;
  emit sig_online_changed(on);
  options_.set_online(on ? 1 : 0);
  if (options_.flush() != 0) emit sig_write_failed(options_.write_error());

  // Its closing report arrives queued and shows "Offline".
  link_.reset();
  awaiting_login_ = false;

  const tcDeviceEntry* device = devices_.current();
  if (!on || !device) return;
  set_status(kTrying, nullptr, status_colour_);
  link_tag_ = std::make_unique<LinkTag>(LinkTag{this, ++link_generation_});
  link_ = std::make_unique<tcApIface>(device->address().c_str(), port_, stores_,
                                      &tcConnection::on_link_status, link_tag_.get(), timing_);
  if (trace_) link_->set_trace(trace_, trace_context_);
}

void tcConnection::slot_startup_connect() {
  set_online(options_.online() > 0);
}

// Transport thread (LINK_CLOSED: the thread deleting the link). The link has
// already reset its decoder.
void tcConnection::on_link_status(void* tag, LinkStatus status) {
  const LinkTag& link = *static_cast<const LinkTag*>(tag);
  tcConnection* connection = link.connection;
  switch (status) {
    case LINK_DOWN:
    case LINK_CLOSED:
      emit connection->sig_disconnect();
      break;
    case LINK_UP:
      emit connection->sig_connect();
      emit connection->sig_link_up(link.generation);
      break;
    case LINK_CONNECTING:
      emit connection->sig_connecting();
      break;
  }
  // Version and MAC displays blank on every change of the connection.
  if (connection->stores_.device) connection->stores_.device->clear();
  if (tcLinkSignals* link_signals = connection->stores_.link_signals) {
    emit link_signals->sig_recv_version();
    emit link_signals->sig_recv_macaddr();
  }
}

void tcConnection::set_status(int state, const char* text, int colour) {
  state_ = state;
  if (text) status_text_ = QString::fromLatin1(text);
  status_colour_ = colour;
  emit sig_status_changed();
}

void tcConnection::send_login(uint32_t code) {
  if (!link_) return;
  tcFrame frame = tcApCodec::login_request(code);
  link_->send_frame(frame);
}

void tcConnection::slot_connecting() {
  set_status(kTrying, "Trying..", kColourBusy);
}

void tcConnection::slot_link_up(quint64 generation) {
  // A replaced link's report: its successor logs in when it comes up itself.
  if (generation == link_generation_) slot_connect();
}

void tcConnection::slot_connect() {
  if (!link_) return;  // a report of a link already deleted
  awaiting_login_ = true;
  if (options_.force_connect() != 0) {
    emit sig_connect_accepted();
    return;
  }
  set_status(kPending, "Pending", kColourNormal);
  const tcDeviceEntry* device = devices_.current();
  send_login(device ? device->rcrc() : tcApCodec::kNoAccessCode);
}

void tcConnection::slot_connect_accepted() {
  // Only the answer to this link's own login counts.
  if (!link_ || !awaiting_login_) return;
  awaiting_login_ = false;
  set_status(kOnline, "Online", kColourNormal);
  emit sig_request_meters();
  if (const tcDeviceEntry* device = devices_.current()) {
    emit sig_gui_access(device->ucrc(), device->uflg(), device->ulck());
  }
}

void tcConnection::slot_connect_rejected() {
  // Another rejection while the entry is open is answered by that entry.
  if (!link_ || prompting_ || !awaiting_login_) return;
  prompting_ = true;
  // The entry runs an event loop of its own, in which this object may be deleted.
  const QPointer<tcConnection> alive(this);
  const LoginEntry entry = prompt_ ? prompt_() : LoginEntry();
  if (!alive) return;
  prompting_ = false;
  if (!link_) return;  // switched off meanwhile
  if (!entry.confirmed) {
    set_online(false);
    set_status(state_, "Rejected", kColourAlert);
    return;
  }
  tcDeviceEntry* device = devices_.current();
  if (entry.remember && device && device->set_rcrc(entry.code) != 0) {
    emit sig_write_failed(device->write_error());
  }
  set_status(kPending, "Pending", kColourNormal);
  send_login(entry.code);
}

void tcConnection::slot_disconnect() {
  awaiting_login_ = false;
  set_status(kOffline, "Offline", online_ ? kColourAlert : kColourNormal);
  emit sig_gui_access_cleared();
  if (stores_.directory) stores_.directory->clear_all();
  emit sig_summary_changed();
  // A transfer waiting for the processor ends now.
  if (stores_.fetch) stores_.fetch->set_done();
  if (stores_.push) stores_.push->set_done();
}

bool tcConnection::gate(QWidget* parent, const char* title) const {
  if (online_ && state_ == kOnline) return true;
  QMessageBox::information(parent, QString::fromLatin1(title), QString::fromLatin1(kGateText),
                           QMessageBox::Ok);
  return false;
}
