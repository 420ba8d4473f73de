#pragma once
// The console's connection to the current device: the on-line switch, the link
// it owns while on-line, and the connection states shown on the panel:
//   1 "Trying.."  a connect attempt runs
//   2 "Pending"   connected, the login answer is awaited
//   3 "Online"    the processor accepted the login
//   4 "Offline"   the link ended (it keeps reconnecting while it exists)
// The link's status handler runs on the transport thread and only emits the
// queued connection signals; every state change runs on the GUI thread.
#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>

#include "link/transport/LinkCallbacks.h"
#include "link/transport/LinkTiming.h"
#include "link/transport/tcApIface.h"
#include "link/transport/tcLinkStores.h"

class QWidget;
class tcDeviceList;
class tcOptions;

class tcConnection : public QObject {
  Q_OBJECT

 public:
  enum State { kStartUp = 0, kTrying = 1, kPending = 2, kOnline = 3, kOffline = 4 };
  // Colour indexes of the status display.
  enum Colour { kColourNormal = 0, kColourAlert = 1, kColourBusy = 2 };

  static constexpr const char* kGateText = "You must be online to perform this action.";
  // Titles of the on-line gate, one per action that needs the processor.
  static constexpr const char* kGatePasswordUpdate = "Password Update";
  static constexpr const char* kGateVersion = "QX770HD Version";
  static constexpr const char* kGateUpdate = "Update";
  static constexpr const char* kGateSetTime = "Set Time";
  static constexpr const char* kGateEventScheduler = "Event Scheduler";
  static constexpr const char* kGatePresetSave = "Preset Save";

  // What the password entry after a rejected login returns.
  struct LoginEntry {
    bool confirmed = false;  // false: cancelled
    uint32_t code = 0;       // code of the typed password
    bool remember = false;   // store it as the device's remembered code
  };
  // Opens the login-mode password entry; without one a rejection counts as cancelled.
  using LoginPrompt = std::function<LoginEntry()>;

  // `stores` are what every link is given; their owner outlives this object.
  tcConnection(tcOptions& options, tcDeviceList& devices, const tcLinkStores& stores,
               QObject* parent = nullptr);
  ~tcConnection() override;  // deletes the link

  void set_login_prompt(LoginPrompt prompt) { prompt_ = std::move(prompt); }
  // The trace lines of every link made from now on.
  void set_trace(tcApIface::TraceFn trace, void* context) {
    trace_ = trace;
    trace_context_ = context;
  }
  // Where and how fast new links connect (the processor's port and timing by default).
  void set_link_target(uint16_t port, const LinkTiming& timing);

  // Stores the mode (OPTIONS/ONLINE, saved at once), deletes any link and, when
  // switched on with a current device, creates a new link to its address.
  void set_online(bool on);
  bool online() const { return online_; }

  int state() const { return state_; }
  const QString& status_text() const { return status_text_; }
  int status_colour() const { return status_colour_; }
  // The link while on-line with a current device, else none.
  tcApIface* link() const { return link_.get(); }

  // On-line gate: true when on-line mode is on and the state is "Online";
  // otherwise shows the information box titled `title` and returns false.
  bool gate(QWidget* parent, const char* title) const;

 signals:
  // From the link's status handler (transport thread), queued to the slots.
  void sig_connecting();
  void sig_connect();
  void sig_disconnect();
  // Accepted without a login (DEVICE/forceconnect), queued to its slot.
  void sig_connect_accepted();
  // With sig_connect: which link came up, queued to the login.
  void sig_link_up(quint64 generation);

  // To the window: state, text or colour changed (status display, panel state).
  void sig_status_changed();
  // The on-line mode changed (menu action, on-line control).
  void sig_online_changed(bool on);
  void sig_request_meters();
  void sig_summary_changed();
  // The GUI access data the panel holds: loaded on acceptance, cleared (code
  // and flags; the lock state stays) when the link ends.
  void sig_gui_access(quint32 code, quint32 flags, bool locked);
  void sig_gui_access_cleared();
  // A file could not be written; the text tells the user which and why.
  void sig_write_failed(const QString& text);

 public slots:
  void slot_connecting();
  // Logs in on the current link.
  void slot_connect();
  void slot_connect_accepted();
  void slot_connect_rejected();
  void slot_disconnect();
  void slot_menu_on_line() { set_online(!online_); }
  // Once after start-up: applies the stored on-line mode.
  void slot_startup_connect();

 private:
  // What a link's status reports carry: whose they are. A report queued by a
  // link that was replaced meanwhile must not act on its successor.
  struct LinkTag {
    tcConnection* connection;
    quint64 generation;
  };

  static void on_link_status(void* tag, LinkStatus status);
  void slot_link_up(quint64 generation);

  void set_status(int state, const char* text, int colour);
  void send_login(uint32_t code);

  tcOptions& options_;
  tcDeviceList& devices_;
  const tcLinkStores stores_;
  LoginPrompt prompt_;
  uint16_t port_ = tcApIface::kPort;
  LinkTiming timing_;
  std::unique_ptr<LinkTag> link_tag_;  // before link_: it outlives the link's last report
  quint64 link_generation_ = 0;
  std::unique_ptr<tcApIface> link_;
  tcApIface::TraceFn trace_ = nullptr;
  void* trace_context_ = nullptr;
  bool online_ = false;
  bool prompting_ = false;       // the password entry is open
  bool awaiting_login_ = false;  // a login answer of the current link is due
  int state_ = kStartUp;
  QString status_text_ = QStringLiteral("OffLine ");
  int status_colour_ = kColourNormal;
};
