#include "panel/window/tcApWidget.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDialog>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QVBoxLayout>

#include <QTimer>

#include "link/devices/tcConnection.h"
#include "link/devices/tcDeviceList.h"
#include "link/devices/tcDevicesDlg.h"
#include "link/transport/tcApIface.h"
#include "link/transport/tcApStores.h"
#include "services/access/tcPswdEntryDlg.h"

tcApWidget::tcApWidget(QWidget* parent) : QWidget(parent) {
  tcAppContext::load_resources();
}

tcApWidget::~tcApWidget() {
  release_shared_stores();
}

int tcApWidget::init(const tcAppSetup& setup) {
  // Command line, directories, option stores, skin log, CRC-32 table.
  context_ = std::make_unique<tcAppContext>(setup);
  context_->start();
  context_->install_log_hook();

  setWindowTitle(QString::fromLatin1(kTitle));
  setWindowIcon(QIcon(QString::fromLatin1(kIconPath)));
  resize(kPlainWidth, kPlainHeight);

  menu_ = new QMenu(this);
  QMenu* hardware = menu_->addMenu(QStringLiteral("Hardware"));
  hardware->addAction(QStringLiteral("Devices..."), this, &tcApWidget::slot_device_dlg);
  online_action_ =
      hardware->addAction(QStringLiteral("On-Line Mode..."), this, &tcApWidget::slot_menu_on_line);
  online_action_->setCheckable(true);
  status_ = new QLabel(this);
  auto* layout = new QVBoxLayout(this);
  layout->addStretch();
  layout->addWidget(status_);
  connect(this, &tcApWidget::sig_startup_connect, this, &tcApWidget::slot_startup_connect,
          Qt::QueuedConnection);

  create_shared_stores();
  start_timers();
  show_status();
  // Runs once the event loop does.
  emit sig_startup_connect();
  return 0;
}

void tcApWidget::create_shared_stores() {
  // In this order: preset grabber and pusher, change records and global change
  // flags, the global store, the 8 live banks, the quick-save store, the meter
  // listener, the device list (current device from the options).
  tcOptions& options = context_->options();
  stay_virgin_ = options.stay_virgin();
  tcChangeRouter::Hooks hooks;
  hooks.context = this;
  hooks.console_edit = &tcApWidget::on_console_edit;
  hooks.settings_send = &tcApWidget::on_settings_send;
  hooks.settings_panel = &tcApWidget::on_settings_panel;
  hooks.globals_send = &tcApWidget::on_globals_send;
  hooks.globals_panel = &tcApWidget::on_globals_panel;
  stores_ = std::make_unique<tcApStores>(context_->dirs().presets_dir(), hooks);

  devices_ = std::make_unique<tcDeviceList>(context_->dirs().maps_dir());
  devices_->load(options.device_name().c_str());

  connection_ = std::make_unique<tcConnection>(options, *devices_, stores_->link_stores());
  connection_->set_login_prompt([this] {
    tcPswdEntryDlg dlg(tcPswdEntryDlg::kLogin, context_->options(), this);
    tcConnection::LoginEntry entry;
    entry.confirmed = dlg.exec() == QDialog::Accepted;
    entry.code = dlg.code();
    entry.remember = dlg.remember();
    return entry;
  });
  connect(connection_.get(), &tcConnection::sig_status_changed, this, &tcApWidget::show_status);
  connect(connection_.get(), &tcConnection::sig_write_failed, this, &tcApWidget::slot_write_failed);
  connect(connection_.get(), &tcConnection::sig_online_changed, online_action_,
          &QAction::setChecked);
  connect_link_reports();
}

void tcApWidget::connect_link_reports() {
  // The link's handlers and the store reports run on the transport thread;
  // queued delivery brings each to the GUI thread.
  const auto queued = Qt::QueuedConnection;
  tcLinkSignals* link = &stores_->link_signals();
  connect(link, &tcLinkSignals::sig_recv_version, this, &tcApWidget::sig_recv_version, queued);
  connect(link, &tcLinkSignals::sig_recv_macaddr, this, &tcApWidget::sig_recv_macaddr, queued);
  connect(link, &tcLinkSignals::sig_summary_changed, this, &tcApWidget::sig_summary_changed,
          queued);
  connect(link, &tcLinkSignals::sig_crc_check, this, &tcApWidget::sig_crc_check, queued);
  connect(link, &tcLinkSignals::sig_new_events, this, &tcApWidget::sig_new_events, queued);
  connect(link, &tcLinkSignals::sig_sgmap_version_update, this,
          &tcApWidget::sig_sgmap_version_update, queued);
  connect(connection_.get(), &tcConnection::sig_summary_changed, this,
          &tcApWidget::sig_summary_changed);
  connect(connection_.get(), &tcConnection::sig_connect_accepted, this,
          &tcApWidget::sig_connect_accepted);
  connect(connection_.get(), &tcConnection::sig_request_meters, this,
          &tcApWidget::sig_request_meters);

  connect(this, &tcApWidget::sig_map_settings_dirty, this, &tcApWidget::slot_map_settings_dirty,
          queued);
  connect(this, &tcApWidget::sig_map_globals_dirty, this, &tcApWidget::slot_map_globals_dirty,
          queued);
  connect(this, &tcApWidget::sig_sgmap_version_update, this, &tcApWidget::slot_sgmap_version_update,
          queued);
  connect(this, &tcApWidget::sig_request_meters, this, &tcApWidget::slot_request_meters, queued);
}

void tcApWidget::start_timers() {
  meter_timer_ = new QTimer(this);
  connect(meter_timer_, &QTimer::timeout, this, &tcApWidget::slot_meter_timer);
  meter_timer_->start(kMeterIntervalMs);
  ping_timer_ = new QTimer(this);
  connect(ping_timer_, &QTimer::timeout, this, &tcApWidget::slot_ping_timer);
  ping_timer_->start(kPingIntervalMs);
}

void tcApWidget::on_console_edit(void* self, uint16_t set_index) {
  auto* window = static_cast<tcApWidget*>(self);
  if (!window->stay_virgin_) emit window->sig_sgmap_version_update(set_index, kTweakedMapVersion);
}

void tcApWidget::on_settings_send(void* self, uint16_t set_index) {
  auto* window = static_cast<tcApWidget*>(self);
  const uint32_t bit = 1u << (set_index & 31);
  if (!(window->settings_send_pending_.fetch_or(bit) & bit))
    emit window->sig_map_settings_dirty(set_index);
}

void tcApWidget::on_settings_panel(void* self, uint16_t set_index) {
  emit static_cast<tcApWidget*>(self)->sig_gui_settings_dirty(set_index);
}

void tcApWidget::on_globals_send(void* self) {
  auto* window = static_cast<tcApWidget*>(self);
  if (!window->globals_send_pending_.exchange(true)) emit window->sig_map_globals_dirty();
}

void tcApWidget::on_globals_panel(void* self) {
  emit static_cast<tcApWidget*>(self)->sig_gui_globals_dirty();
}

tcApIface* tcApWidget::link() const {
  return connection_ ? connection_->link() : nullptr;
}

void tcApWidget::slot_map_settings_dirty(int set_index) {
  settings_send_pending_.fetch_and(~(1u << (set_index & 31)));
  if (tcApIface* ap = link()) ap->send_bank_changes(static_cast<uint16_t>(set_index));
}

void tcApWidget::slot_map_globals_dirty() {
  globals_send_pending_.store(false);
  if (tcApIface* ap = link()) ap->send_globals(&stores_->globals_send());
}

void tcApWidget::slot_sgmap_version_update(int set_index, int version) {
  if (!stores_) return;
  const auto bank = static_cast<uint16_t>(set_index);
  tcPresetHeader header;
  if (stores_->banks().get_header(bank, &header) != 0) return;
  if (header.map_version == version) return;
  stores_->banks().set_map_version(bank, static_cast<uint16_t>(version));
  if (tcApIface* ap = link()) ap->send_map_version(bank, static_cast<uint16_t>(version));
}

void tcApWidget::slot_request_meters() {
  if (tcApIface* ap = link()) ap->request_meters(context_->options().tcp_meters() > 0);
}

void tcApWidget::slot_meter_timer() {
  if (!connection_ || connection_->state() != tcConnection::kOnline) return;
  if (stores_->meters()->take_record(meter_record_) != 0) return;
  if (!meter_record_.same_clock(ap_clock_)) {
    ap_clock_ = meter_record_;
    emit sig_ap_clock();
  }
  meter_record(meter_record_);
}

void tcApWidget::meter_record(const tcMeterRecord&) {}

void tcApWidget::slot_ping_timer() {
  if (tcApIface* ap = link()) ap->send_keepalive();
}

void tcApWidget::release_shared_stores() {
  if (!context_) return;
  // An open dialog works on the stores; it ends once control returns to it.
  for (QDialog* dialog : findChildren<QDialog*>()) dialog->reject();
  if (meter_timer_) meter_timer_->stop();
  if (ping_timer_) ping_timer_->stop();
  // The link goes first: it works on the stores below.
  connection_.reset();
  devices_.reset();
  stores_.reset();
  QStringList errors;
  if (context_->flush_options(&errors) != 0) {
    for (const QString& text : errors) slot_write_failed(text);
  }
  context_.reset();
}

void tcApWidget::show_status() {
  if (!connection_) return;
  static const char* const kColours[] = {"", "color: #c00000;", "color: #c08000;"};
  const int colour = connection_->status_colour();
  status_->setStyleSheet(QString::fromLatin1(kColours[colour >= 0 && colour <= 2 ? colour : 0]));
  status_->setText(connection_->status_text() + QStringLiteral("   ") +
                   context_->options().device_name().toQString());
}

void tcApWidget::slot_menu_on_line() {
  if (connection_) connection_->slot_menu_on_line();
}

void tcApWidget::slot_startup_connect() {
  if (connection_) connection_->slot_startup_connect();
}

void tcApWidget::slot_device_dlg() {
  if (!connection_) return;
  tcDevicesDlg dlg(*devices_, this);
  const bool chosen = dlg.exec() == QDialog::Accepted;
  if (!connection_) return;  // closed meanwhile
  // A new address of the current device takes effect with a new link as well.
  if (!chosen && !dlg.address_changed()) return;
  const bool online = connection_->online();
  if (online) connection_->set_online(false);
  if (chosen && devices_->set_current(dlg.selected()) >= 0) {
    tcOptions& options = context_->options();
    options.set_device_name(devices_->current()->name().c_str());
    if (options.flush() != 0) slot_write_failed(options.write_error());
  }
  if (online) connection_->set_online(true);
  show_status();
}

void tcApWidget::slot_write_failed(const QString& text) {
  QMessageBox::warning(this, QStringLiteral("Error"), text);
}

void tcApWidget::contextMenuEvent(QContextMenuEvent* event) {
  menu_->popup(event->globalPos());
}

void tcApWidget::closeEvent(QCloseEvent* event) {
  release_shared_stores();
  event->accept();
}
