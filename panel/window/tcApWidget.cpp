#include "panel/window/tcApWidget.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDebug>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QMenu>
#include <QMessageBox>
#include <QPixmap>
#include <QProcess>
#include <QTimer>
#include <iterator>

#include "app/core/tcLog.h"
#include "app/core/tcPanelScale.h"
#include "app/startup/tcSplash.h"
#include "link/devices/tcConnection.h"
#include "link/devices/tcDeviceList.h"
#include "link/devices/tcDevicesDlg.h"
#include "link/transport/tcApIface.h"
#include "link/transport/tcApStores.h"
#include "panel/groups/tcControlGroupMain.h"
#include "panel/groups/tcTK3Bench.h"
#include "presets/dialogs/CPresetsDlg.h"
#include "presets/dialogs/tcPresetContext.h"
#include "presets/dialogs/tcPresetPackageUi.h"
#include "presets/dialogs/tcPresetSave.h"
#include "presets/dialogs/tcPresetTakeDlg.h"
#include "services/access/tcGuiLock.h"
#include "services/access/tcPswdEntryDlg.h"
#include "services/access/tcRemotePassword.h"
#include "services/clock/tcDeviceVersionDlg.h"
#include "services/clock/tcTimeDateSetDlg.h"
#include "services/events/tcEventScheduler.h"
#include "services/firmware/tcFirmwareUpgrade.h"
#include "skin/builtin/tcBuiltinSkin.h"
#include "skin/file/tcSkinDlg.h"
#include "skin/file/tcSkinUnpacker.h"

namespace {

#ifdef Q_OS_WIN
constexpr const char* kExe = ".exe";
#else
constexpr const char* kExe = "";
#endif

constexpr uint16_t kFollow = 0x2000;
constexpr const char* kSkinSuffix = ".skin";

// Signals of the Main and System groups and the window slots they reach.
struct GroupRoute {
  int slot;
  void (tcControlGroup::*signal)();
  void (tcApWidget::*action)();
};
const GroupRoute kRoutes[] = {
    {tcAPBench::kMain, &tcControlGroup::sig_about, &tcApWidget::slot_about},
    {tcAPBench::kMain, &tcControlGroup::sig_pset_take, &tcApWidget::slot_pset_take},
    {tcAPBench::kMain, &tcControlGroup::sig_show_analysis, &tcApWidget::slot_show_analysis},
    {tcAPBench::kMain, &tcControlGroup::sig_pset_save, &tcApWidget::slot_pset_save},
    {tcAPBench::kMain, &tcControlGroup::sig_online, &tcApWidget::slot_menu_on_line},
    {tcAPBench::kMain, &tcControlGroup::sig_exit_app, &tcApWidget::slot_exitMenu},
    {tcAPBench::kMain, &tcControlGroup::sig_minimize, &tcApWidget::slot_minimize},
    {tcAPBench::kMain, &tcControlGroup::sig_pset_dlg, &tcApWidget::slot_preset_dlg},
    {tcAPBench::kMain, &tcControlGroup::sig_device_dlg, &tcApWidget::slot_device_dlg},
    {tcAPBench::kSystem, &tcControlGroup::sig_choose_skin, &tcApWidget::slot_choose_skin},
    {tcAPBench::kSystem, &tcControlGroup::sig_password, &tcApWidget::slot_password_dlg},
    {tcAPBench::kSystem, &tcControlGroup::sig_fppasswd, &tcApWidget::slot_fppasswd_dlg},
    {tcAPBench::kSystem, &tcControlGroup::sig_gui_access, &tcApWidget::slot_gui_access},
    {tcAPBench::kSystem, &tcControlGroup::sig_gui_lock, &tcApWidget::slot_gui_lock},
    {tcAPBench::kSystem, &tcControlGroup::sig_event_dlg, &tcApWidget::slot_event_dlg},
    {tcAPBench::kSystem, &tcControlGroup::sig_device_dlg, &tcApWidget::slot_device_dlg},
    {tcAPBench::kSystem, &tcControlGroup::sig_show_analysis, &tcApWidget::slot_show_analysis},
    {tcAPBench::kSystem, &tcControlGroup::sig_time_set, &tcApWidget::slot_time_set},
};

// Skin colours of the connection display by connection state; the alert colour
// (a rejected login, or the link lost while on-line) shows as rejected.
const char* const kStatusColours[] = {"STATUS_OFFLINE", "STATUS_TRYING", "STATUS_PENDING",
                                      "STATUS_ONLINE", "STATUS_OFFLINE"};
constexpr const char* kStatusAlertColour = "STATUS_REJECTED";

const char* status_colour_name(int state, int colour) {
  if (colour == tcConnection::kColourAlert) return kStatusAlertColour;
  const bool known = state >= 0 && state < static_cast<int>(std::size(kStatusColours));
  return kStatusColours[known ? state : 0];
}

}  // namespace

const char* const tcApWidget::kLoaderProgram = "lbn_loader";
const char* const tcApWidget::kPackerProgram = "Tessellor";

tcApWidget::tcApWidget(QWidget* parent) : tcGQGuiWidget(parent) {
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

  build_menu();
  create_shared_stores();
  connect_link_reports();
  start_timers();
  stores_->directory().clear_all();
  start_model();
  // Run once the event loop does.
  emit sig_crc_check();
  emit sig_preset_pkg_install();
  emit sig_startup_connect();
  return 0;
}

void tcApWidget::build_menu() {
  menu_ = new QMenu(this);
  QMenu* first = add_first_menu(menu_);
  first->addAction(QStringLiteral("About..."), this, &tcApWidget::slot_about);
  first->addAction(QStringLiteral("Choose Skin..."), this, &tcApWidget::slot_choose_skin);
  first->addAction(QStringLiteral("Exit"), this, &tcApWidget::slot_exitMenu);

  QMenu* hardware = menu_->addMenu(QStringLiteral("Hardware"));
  hardware->addAction(QStringLiteral("Devices..."), this, &tcApWidget::slot_device_dlg);
  online_action_ =
      hardware->addAction(QStringLiteral("On-Line Mode..."), this, &tcApWidget::slot_menu_on_line);
  online_action_->setCheckable(true);
  hardware->addAction(QStringLiteral("Event Scheduler..."), this, &tcApWidget::slot_event_dlg);
  hardware->addAction(QStringLiteral("Login Password..."), this, &tcApWidget::slot_password_dlg);
  hardware->addAction(QStringLiteral("Version..."), this, &tcApWidget::slot_version_dlg);
  hardware->addAction(QStringLiteral("Update..."), this, &tcApWidget::slot_swup_dlg);
  if (QFileInfo(program_path(kLoaderProgram)).isFile()) {
    hardware->addAction(QStringLiteral("Update Front Panel..."), this, &tcApWidget::slot_lbn_dlg);
  }

  QMenu* presets = menu_->addMenu(QStringLiteral("Presets"));
  presets->addAction(QStringLiteral("Take..."), this, &tcApWidget::slot_pset_take);
  presets->addAction(QStringLiteral("Save..."), this, &tcApWidget::slot_pset_save);
  presets->addAction(QStringLiteral("Library..."), this, &tcApWidget::slot_preset_dlg);
}

QMenu* tcApWidget::add_first_menu(QMenu* menu) {
  return menu->addMenu(QStringLiteral("File"));
}

QString tcApWidget::program_path(const char* program) const {
  return QDir(context_->dirs().app_dir()).filePath(QString::fromLatin1(program) + kExe);
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
  // A panel locked on this device stays locked across restarts.
  gui_lock_ = std::make_unique<tcGuiLock>(*devices_, stores_->globals(), this);
  gui_lock_->load_from_device();

  connection_ = std::make_unique<tcConnection>(options, *devices_, stores_->link_stores());
  connection_->set_trace(&tcApWidget::on_link_trace, this);
  connection_->set_login_prompt([this] {
    tcPswdEntryDlg dlg(tcPswdEntryDlg::kLogin, context_->options(), this);
    tcConnection::LoginEntry entry;
    entry.confirmed = dlg.exec() == QDialog::Accepted;
    entry.code = dlg.code();
    entry.remember = dlg.remember();
    return entry;
  });
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
  // Straight to the slot, one hop like a console edit's mark, so a version the
  // processor reported before an edit is never applied after that edit's mark.
  connect(link, &tcLinkSignals::sig_sgmap_version_update, this,
          &tcApWidget::slot_sgmap_version_update, queued);
  connect(link, &tcLinkSignals::sig_connect_rejected, this, &tcApWidget::sig_connect_rejected,
          queued);

  tcConnection* c = connection_.get();
  // The link's status reports: the cached clock and the summary comparison go
  // with every change of the connection.
  const auto clear_clock = [this] {
    ap_clock_ = tcMeterRecord();
    preset_modified_ = false;
  };
  connect(c, &tcConnection::sig_connecting, this, clear_clock, queued);
  connect(c, &tcConnection::sig_connect, this, clear_clock, queued);
  connect(c, &tcConnection::sig_disconnect, this, clear_clock, queued);
  connect(c, &tcConnection::sig_connecting, this, &tcApWidget::sig_connecting, queued);
  connect(c, &tcConnection::sig_connect, this, &tcApWidget::sig_connect, queued);
  connect(c, &tcConnection::sig_disconnect, this, &tcApWidget::sig_disconnect, queued);
  connect(c, &tcConnection::sig_summary_changed, this, &tcApWidget::sig_summary_changed);
  connect(c, &tcConnection::sig_connect_accepted, this, &tcApWidget::sig_connect_accepted);
  connect(c, &tcConnection::sig_request_meters, this, &tcApWidget::sig_request_meters);
  connect(c, &tcConnection::sig_status_changed, this, &tcApWidget::show_status);
  connect(c, &tcConnection::sig_write_failed, this, &tcApWidget::slot_write_failed);
  connect(c, &tcConnection::sig_online_changed, this, [this](bool on) {
    online_action_->setChecked(on);
    if (tcControlGroupMain* main = main_group()) main->showOnline(on);
  });
  connect(c, &tcConnection::sig_gui_access, gui_lock_.get(), &tcGuiLock::set_access);
  connect(c, &tcConnection::sig_gui_access_cleared, gui_lock_.get(), &tcGuiLock::clear_access);

  connect(this, &tcApWidget::sig_map_settings_dirty, this, &tcApWidget::slot_map_settings_dirty,
          queued);
  connect(this, &tcApWidget::sig_gui_settings_dirty, this, &tcApWidget::slot_gui_settings_dirty,
          queued);
  connect(this, &tcApWidget::sig_map_globals_dirty, this, &tcApWidget::slot_map_globals_dirty,
          queued);
  connect(this, &tcApWidget::sig_gui_globals_dirty, this, &tcApWidget::slot_gui_globals_dirty,
          queued);
  connect(this, &tcApWidget::sig_crc_check, this, &tcApWidget::slot_crc_check, queued);
  connect(this, &tcApWidget::sig_summary_changed, this, &tcApWidget::show_preset, queued);
  connect(this, &tcApWidget::sig_preset_pkg_install, this, &tcApWidget::slot_preset_pkg_install,
          queued);
  connect(this, &tcApWidget::sig_startup_connect, this, &tcApWidget::slot_startup_connect, queued);
  connect(this, &tcApWidget::sig_request_meters, this, &tcApWidget::slot_request_meters, queued);
  connect(this, &tcApWidget::sig_sgmap_version_update, this, &tcApWidget::slot_sgmap_version_update,
          queued);
  connect(this, &tcApWidget::sig_ptree_change, this, &tcApWidget::slot_ptree_change, queued);
  connect(this, &tcApWidget::sig_recv_macaddr, this, &tcApWidget::slot_recv_macaddr, queued);
  connect(this, &tcApWidget::sig_set_analysis, this, &tcApWidget::slot_set_analysis, queued);
  connect(this, &tcApWidget::sig_set_analysis_chain, this, &tcApWidget::slot_set_analysis_chain,
          queued);
}

void tcApWidget::start_timers() {
  const auto start = [this](QTimer*& timer, int ms, void (tcApWidget::*slot)()) {
    timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, slot);
    timer->start(ms);
  };
  start(meter_timer_, kMeterIntervalMs, &tcApWidget::slot_meter_timer);
  start(animate_timer_, kAnimateIntervalMs, &tcApWidget::slot_animate_timer);
  start(ping_timer_, kPingIntervalMs, &tcApWidget::slot_ping_timer);
  start(crc_timer_, kCrcIntervalMs, &tcApWidget::slot_crc_check);
}

// --- Skin ----------------------------------------------------------------------

int tcApWidget::load_initial_skin() {
  if (!context_) return -1;
  tcOptions& options = context_->options();
  if (load_skin(options.skin_name().toQString(), options.skin_file() > 0, false) == 0) return 0;
  if (load_skin(QString::fromLatin1(tcOptions::kDefaultSkin), true, false) == 0) return 0;
  return load_skin(QString(), false, true);
}

int tcApWidget::load_skin(const QString& name, bool packed, bool builtin) {
  if (!context_) return -1;
  delete_bench();
  const tcAppDirs& dirs = context_->dirs();
  QString dir;
  if (builtin || packed) {
    // Unpacked into a temporary folder that goes once the panel is built.
    dir = tcSkinUnpacker::make_temp_dir(dirs.data_dir());
    QString error;
    if (builtin) {
      if (tcSkinUnpacker::extract(tcBuiltinSkin::bytes(), QDir(dir), QStringLiteral("built-in"),
                                  &error) != tcSkinUnpacker::kDone) {
        tcLog::plain("%s\n", error.toLocal8Bit().constData());
      }
    } else {
      // A failed unpack is not reported by itself: the loader then finds no skin.
      const QString file = name.endsWith(kSkinSuffix) ? name : name + kSkinSuffix;
      tcSkinUnpacker unpacker;
      unpacker.unpack(QDir(dirs.skins_dir()).filePath(file), dir);
    }
  } else {
    dir = QDir(dirs.skins_dir()).filePath(name);
  }

  tcPanelStores panel_stores;
  panel_stores.banks = &stores_->banks();
  panel_stores.globals = &stores_->globals();
  panel_stores.options = &context_->options();
  panel_stores.analysis_config = &context_->analysis_config();
  panel_stores.quick_save = &stores_->quick_save();
  auto bench = std::make_unique<tcTK3Bench>(tcString(dir.toLocal8Bit().constData()), panel_stores);
  const tcPanelScale scale(dirs.data_dir());
  bench->set_scale(static_cast<float>(scale.x()), static_cast<float>(scale.y()));
  tcTK3Bench* raw = bench.get();
  set_bench(std::move(bench));
  const int result = raw->setup();
  if (builtin || packed) QDir(dir).removeRecursively();
  if (result != 0) {
    delete_bench();
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    resize(kPlainWidth, kPlainHeight);
    return -1;
  }
  after_skin();
  return 0;
}

void tcApWidget::after_skin() {
  tcTK3Bench* bench = panel();
  const QSize size = bench->panel_size();
  setFixedSize(bench->to_widget_x(size.width()), bench->to_widget_y(size.height()));
  bench->set_access_checker([this](int control_id) {
    return gui_lock_ && gui_lock_->check(control_id) != tcGuiLock::kNotRestricted;
  });
  connect_groups();
  if (connection_) main_group()->showOnline(connection_->online());
  show_status();
  emit sig_set_analysis_chain(bench->analysis_chain(), kSourceProcessor);
}

void tcApWidget::connect_groups() {
  // Queued: an action may replace the panel whose object reported the gesture.
  const auto queued = Qt::QueuedConnection;
  for (const GroupRoute& route : kRoutes) {
    if (tcControlGroup* g = panel()->group(route.slot)) {
      connect(g, route.signal, this, route.action, queued);
    }
  }
  if (tcControlGroup* system = panel()->group(tcAPBench::kSystem)) {
    connect(system, &tcControlGroup::sig_set_analysis, this, &tcApWidget::slot_set_analysis,
            queued);
    connect(system, &tcControlGroup::sig_set_analysis_chain, this,
            &tcApWidget::slot_set_analysis_chain, queued);
    connect(system, &tcControlGroup::sig_request_meters, this, &tcApWidget::sig_request_meters,
            queued);
  }
  tcControlGroupMain* main = main_group();
  connect(main, &tcControlGroup::sig_set_analysis, this, &tcApWidget::sig_set_analysis, queued);
  connect(main, &tcControlGroup::sig_set_analysis_chain, this, &tcApWidget::sig_set_analysis_chain,
          queued);
  connect(main, &tcControlGroupMain::sig_write_failed, this, &tcApWidget::slot_write_failed,
          queued);
}

tcTK3Bench* tcApWidget::panel() const {
  return static_cast<tcTK3Bench*>(bench());
}

tcControlGroupMain* tcApWidget::main_group() const {
  return panel() ? panel()->main_group() : nullptr;
}

void tcApWidget::slot_choose_skin() {
  if (!context_) return;
  tcOptions& options = context_->options();
  const bool packing = QFileInfo(program_path(kPackerProgram)).isFile();
  tcSkinDlg dlg(context_->dirs().skins_dir(), packing, this);
  dlg.select(options.skin_name().toQString(), options.skin_file() > 0);
  if (dlg.exec() != QDialog::Accepted || !context_) return;
  QString name = dlg.chosen_name();
  bool packed = dlg.chosen_packed();
  if (name.isEmpty()) {
    name = QString::fromLatin1(tcOptions::kDefaultSkin);
    packed = true;
  }
  // The panel is never left empty: the usual fallbacks follow a skin that fails.
  if (load_skin(name, packed, false) != 0 &&
      load_skin(QString::fromLatin1(tcOptions::kDefaultSkin), true, false) != 0) {
    load_skin(QString(), false, true);
  }
  options.set_skin_file(packed ? 1 : 0);
  options.set_skin_name(name.left(tcOptions::kSkinNameMax).toLocal8Bit().constData());
  if (options.flush() != 0) slot_write_failed(options.write_error());
}

// --- Change reports ------------------------------------------------------------

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
  auto* window = static_cast<tcApWidget*>(self);
  const uint32_t bit = 1u << (set_index & 31);
  if (!(window->settings_panel_pending_.fetch_or(bit) & bit))
    emit window->sig_gui_settings_dirty(set_index);
}

void tcApWidget::on_globals_send(void* self) {
  auto* window = static_cast<tcApWidget*>(self);
  if (!window->globals_send_pending_.exchange(true)) emit window->sig_map_globals_dirty();
}

void tcApWidget::on_globals_panel(void* self) {
  auto* window = static_cast<tcApWidget*>(self);
  if (!window->globals_panel_pending_.exchange(true)) emit window->sig_gui_globals_dirty();
}

void tcApWidget::on_link_trace(void*, const char* line) {
  qDebug().noquote() << QString::fromLatin1(line).trimmed();
}

tcApIface* tcApWidget::link() const {
  return connection_ ? connection_->link() : nullptr;
}

void tcApWidget::slot_gui_settings_dirty(int set_index) {
  settings_panel_pending_.fetch_and(~(1u << (set_index & 31)));
  if (!stores_) return;
  tcChangeFlags* record = stores_->bank_panel().record(static_cast<uint16_t>(set_index));
  if (!record) return;
  const tcParamTable& table = tcParamTable::presets();
  for (uint16_t id = table.first_id(); id != tcParamTable::kEndId; id = table.next_id(id)) {
    if (record->take(id) && panel()) panel()->parameter_changed(id, set_index);
  }
}

void tcApWidget::slot_map_settings_dirty(int set_index) {
  settings_send_pending_.fetch_and(~(1u << (set_index & 31)));
  if (tcApIface* ap = link()) ap->send_bank_changes(static_cast<uint16_t>(set_index));
}

void tcApWidget::slot_gui_globals_dirty() {
  globals_panel_pending_.store(false);
  if (!stores_) return;
  tcGlobalsDirty& flags = stores_->globals_panel();
  const tcParamTable& table = tcParamTable::globals();
  bool access = false;
  for (uint16_t id = table.first_id(); id != tcParamTable::kEndId; id = table.next_id(id)) {
    if (!flags.take(id)) continue;
    if (panel()) panel()->global_changed(id);
    access = access || id == tcGuiLock::kLocalPwId || id == tcGuiLock::kLocalAccId;
  }
  // The processor's GUI access values become the device's and the lock's.
  if (access && gui_lock_) gui_lock_->take_processor_access();
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

// --- Timers --------------------------------------------------------------------

void tcApWidget::slot_request_meters() {
  if (tcApIface* ap = link()) ap->request_meters(context_->options().tcp_meters() > 0);
}

void tcApWidget::slot_meter_timer() {
  if (!connection_ || connection_->state() != tcConnection::kOnline) return;
  if (!stores_->meters() || stores_->meters()->take_record(meter_record_) != 0) return;
  const bool new_time = !meter_record_.same_clock(ap_clock_);
  // Adjustment mode, SNTP server and time zone come with every record.
  ap_clock_ = meter_record_;
  if (new_time) emit sig_ap_clock();
  meter_record(meter_record_);
}

void tcApWidget::meter_record(const tcMeterRecord& record) {
  if (tcTK3Bench* bench = panel()) bench->meter_record(record);
}

void tcApWidget::slot_animate_timer() {
  if (tcTK3Bench* bench = panel()) bench->tick();
}

void tcApWidget::slot_ping_timer() {
  if (tcApIface* ap = link()) ap->send_keepalive();
}

void tcApWidget::slot_crc_check() {
  if (!connection_ || connection_->state() != tcConnection::kOnline) return;
  const tcLiveSettings& banks = stores_->banks();
  const SETTINGS* live = banks.current();
  tcPresetHeader reported;
  if (!live || banks.get_header(banks.current_slot(), &reported) != 0) return;
  uint16_t count = 0;
  bool modified =
      live->checksum(tcSettings::kNormal, &count) != reported.check[tcPresetHeader::kNormal] ||
      count != reported.count[tcPresetHeader::kNormal];
  if (stores_->globals().bool_value(kFollow) != 0) {
    modified = modified ||
               live->checksum(tcSettings::kIo, &count) != reported.check[tcPresetHeader::kIo] ||
               count != reported.count[tcPresetHeader::kIo];
  }
  preset_modified_ = modified;
  show_preset();
}

// --- Status --------------------------------------------------------------------

void tcApWidget::show_status() {
  tcControlGroupMain* main = main_group();
  if (!connection_ || !main) return;
  panel()->set_connection_state(connection_->state());
  main->showConnection(tcString(connection_->status_text().toLatin1().constData()),
                       connection_->status_colour());
  // A skin with status colours shows each state in its own colour.
  const uint32_t* argb =
      panel()->find_colour(status_colour_name(connection_->state(), connection_->status_colour()));
  tcGuiObject* display =
      main->findObjectOfKind(tcControlGroupMain::kStatOnline, tcGuiObject::kDisplay);
  if (argb && display) display->set_text_colour(*argb);
  main->showDevice(context_->options().device_name());
  show_preset();
}

void tcApWidget::show_preset() {
  tcControlGroupMain* main = main_group();
  if (!main || !stores_) return;
  tcPresetHeader header;
  const tcLiveSettings& banks = stores_->banks();
  const bool known = connection_ && connection_->state() == tcConnection::kOnline &&
                     banks.get_header(banks.current_slot(), &header) == 0;
  main->showPreset(known ? header.name_text() : tcString("--------"), known && preset_modified_);
}

// --- Connection ----------------------------------------------------------------

void tcApWidget::slot_connecting() {
  if (connection_) connection_->slot_connecting();
}

void tcApWidget::slot_connect() {
  if (connection_) connection_->slot_connect();
}

void tcApWidget::slot_connect_accepted() {
  if (connection_) connection_->slot_connect_accepted();
}

void tcApWidget::slot_connect_rejected() {
  if (connection_) connection_->slot_connect_rejected();
}

void tcApWidget::slot_disconnect() {
  if (connection_) connection_->slot_disconnect();
}

void tcApWidget::slot_menu_on_line() {
  if (connection_) connection_->slot_menu_on_line();
}

void tcApWidget::slot_startup_connect() {
  if (connection_) connection_->slot_startup_connect();
}

bool tcApWidget::gate(const char* title) {
  return connection_ && connection_->gate(this, title);
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
    // The lock as it stands on that device.
    gui_lock_->load_from_device();
  }
  if (online) connection_->set_online(true);
  show_status();
}

// --- Actions -------------------------------------------------------------------

void tcApWidget::slot_exitMenu() {
  close();
}

void tcApWidget::slot_minimize() {
  showMinimized();
}

void tcApWidget::slot_about() {
  about_ = std::make_unique<tcSplash>(QPixmap(QString::fromLatin1(kAboutImage)));
  about_->show();
}

void tcApWidget::slot_password_dlg() {
  if (gate(tcConnection::kGatePasswordUpdate))
    tcRemotePassword::run_change(this, context_->options(), stores_->globals(), *devices_);
}

void tcApWidget::slot_version_dlg() {
  // The dialog asks the processor for its version as it opens.
  if (gate(tcConnection::kGateVersion)) tcDeviceVersionDlg::run(this, *stores_, link());
}

void tcApWidget::slot_swup_dlg() {
  if (!gate(tcConnection::kGateUpdate)) return;
  if (tcApIface* ap = link()) tcFirmwareUpgrade::run(this, *ap);
}

void tcApWidget::slot_lbn_dlg() {
  const QString program = program_path(kLoaderProgram);
  if (!QProcess::startDetached(program, {}, context_->dirs().app_dir())) {
    QMessageBox::warning(
        this, QStringLiteral("Error"),
        QStringLiteral("Unable to start \"%1\".").arg(QDir::toNativeSeparators(program)));
  }
}

void tcApWidget::slot_gui_access() {
  if (gui_lock_) gui_lock_->run_set_access();
}

void tcApWidget::slot_gui_lock() {
  if (gui_lock_) gui_lock_->run_lock();
}

tcPresetContext tcApWidget::preset_context() {
  tcPresetContext c;
  c.stores = stores_.get();
  c.link = [this] { return link(); };
  c.online = [this] {
    return connection_ && connection_->online() && connection_->state() == tcConnection::kOnline;
  };
  c.devices = devices_.get();
  c.options = &context_->options();
  c.presets_dir = context_->dirs().presets_dir();
  c.favorites_dir = context_->dirs().favorites_dir();
  return c;
}

tcPresetTakeDlg* tcApWidget::preset_take() const {
  return take_;
}

void tcApWidget::slot_pset_take() {
  if (!stores_) return;
  // One take window at a time, made afresh for the state of now.
  delete take_;
  take_ =
      new tcPresetTakeDlg(preset_context(), connection_->state() == tcConnection::kOnline, this);
  take_->setAttribute(Qt::WA_DeleteOnClose);
  connect(this, &tcApWidget::sig_summary_changed, take_, &tcPresetTakeDlg::slot_populate);
  connect(this, &tcApWidget::sig_ptree_change, take_, &tcPresetTakeDlg::slot_populate);
  take_->show();
  take_->raise();
  take_->activateWindow();
}

void tcApWidget::slot_pset_save() {
  if (gate(tcConnection::kGatePresetSave)) tcPresetSave::from_window(this, preset_context());
}

void tcApWidget::slot_preset_dlg() {
  if (!stores_) return;
  CPresetsDlg dlg(preset_context(), this);
  connect(this, &tcApWidget::sig_summary_changed, &dlg, &CPresetsDlg::slot_populate_arc_list);
  connect(this, &tcApWidget::sig_crc_check, &dlg, &CPresetsDlg::slot_populate_arc_list);
  connect(this, &tcApWidget::sig_ptree_change, &dlg, &CPresetsDlg::slot_ptree_change);
  dlg.exec();
}

void tcApWidget::slot_time_set() {
  if (!gate(tcConnection::kGateSetTime)) return;
  if (tcTimeDateSetDlg::run(this, ap_clock_, context_->options().time_24hour() > 0, link()) < 0) {
    QMessageBox::warning(this, QString::fromLatin1(tcConnection::kGateSetTime),
                         QString::fromLatin1(kTimeNotSent));
  }
}

void tcApWidget::slot_event_dlg() {
  if (!gate(tcConnection::kGateEventScheduler)) return;
  tcEventScheduler dlg(*stores_, context_->options(), ap_clock_, link(), this);
  connect(this, &tcApWidget::sig_ap_clock, &dlg, &tcEventScheduler::slot_update_ap_time);
  dlg.exec();
}

void tcApWidget::slot_preset_pkg_install() {
  if (!context_) return;
  const tcAppDirs& dirs = context_->dirs();
  // Each failed package is reported and stays in the folder.
  if (tcPresetPackageUi::autoload(this, dirs.presets_dir(), dirs.favorites_dir(),
                                  context_->options()) > 0) {
    emit sig_ptree_change();
  }
}

void tcApWidget::slot_write_failed(const QString& text) {
  QMessageBox::warning(this, QStringLiteral("Error"), text);
}

void tcApWidget::context_menu(const QPoint& global_pos) {
  // While locked the menu waits for the access code.
  if (gui_lock_ && gui_lock_->check_mask(tcGuiRestriction::kAll) == tcGuiLock::kStillLocked) return;
  menu_->popup(global_pos);
}

// --- Close ---------------------------------------------------------------------

void tcApWidget::release_shared_stores() {
  if (!context_) return;
  // An open dialog works on the stores; it ends once control returns to it.
  for (QDialog* dialog : findChildren<QDialog*>()) dialog->reject();
  for (QTimer* timer : {meter_timer_, animate_timer_, ping_timer_, crc_timer_}) delete timer;
  meter_timer_ = animate_timer_ = ping_timer_ = crc_timer_ = nullptr;
  about_.reset();
  delete take_;
  delete menu_;
  menu_ = nullptr;
  online_action_ = nullptr;
  // The panel keeps its page in the options and works on the stores.
  delete_bench();
  // The link goes before the stores it works on.
  connection_.reset();
  gui_lock_.reset();
  stores_.reset();
  devices_.reset();
  QStringList errors;
  if (context_->flush_options(&errors) != 0) {
    for (const QString& text : errors) slot_write_failed(text);
  }
  context_.reset();
}

bool tcApWidget::defer_close(QCloseEvent* event) {
  // A dialog runs its own loop, perhaps under a gesture on the panel or a flow
  // of the lock: what its callers work on must outlive it. The dialogs end
  // first; the window closes once their loops have returned.
  if (!QApplication::activeModalWidget()) return false;
  for (QDialog* dialog : findChildren<QDialog*>()) dialog->reject();
  event->ignore();
  QTimer::singleShot(0, this, &QWidget::close);
  return true;
}

void tcApWidget::closeEvent(QCloseEvent* event) {
  if (defer_close(event)) return;
  release_shared_stores();
  event->accept();
}
