#pragma once
// The console's generic main window: the skinned front panel itself. Its
// initialisation brings up the process-wide objects in their fixed order, the
// pop-up menu, the connections of the link's reports and the four timers; the
// skin is loaded into a bench whose control groups bind the panel to the
// stores. Closing it saves the options and releases what it created.
//
// Actions whose dialogs live elsewhere (presets, time, version, events,
// firmware, passwords) pass the on-line gate where they need the processor and
// then run those dialogs. The GUI lock (code, restrictions, lock state and its
// flows) is owned by one tcGuiLock; the panel asks it before each gesture.
#include <QPointer>
#include <atomic>
#include <memory>

#include "app/startup/tcAppContext.h"
#include "link/protocol/tcMeterRecord.h"
#include "skin/objects/tcGQGuiWidget.h"

class QAction;
class QMenu;
class QTimer;
class tcApIface;
class tcApStores;
class tcConnection;
class tcControlGroupMain;
class tcDeviceList;
class tcGuiLock;
class tcPresetTakeDlg;
class tcSplash;
class tcTK3Bench;
struct tcPresetContext;

class tcApWidget : public tcGQGuiWidget {
  Q_OBJECT
 public:
  static constexpr const char* kTitle = "QX770HD Pro";
  static constexpr const char* kIconPath = ":/Resources/quessa_vee.png";
  static constexpr const char* kAboutImage = ":/Resources/morvallion_splash.bmp";
  // Size of the window while no skin gives the panel's.
  static constexpr int kPlainWidth = 640;
  static constexpr int kPlainHeight = 360;
  static constexpr int kMeterIntervalMs = 101;
  static constexpr int kAnimateIntervalMs = 100;
  static constexpr int kPingIntervalMs = 15000;
  static constexpr int kCrcIntervalMs = 1000;
  // The map version that marks a bank as edited on the console.
  static constexpr int kTweakedMapVersion = 0xFFFE;
  // The external front-panel updater, started from the application directory.
  static const char* const kLoaderProgram;
  static const char* const kPackerProgram;
  static constexpr const char* kTimeNotSent =
      "The time could not be sent: the QX770HD is not connected.";

  explicit tcApWidget(QWidget* parent = nullptr);
  ~tcApWidget() override;

  // Start-up of the window and the process-wide objects. Returns 0.
  int init(const tcAppSetup& setup = tcAppSetup::from_process());
  // The skin named by the options, else "default" packed, else the built-in
  // skin; then the after-skin step. 0, or -1 when none loaded.
  int load_initial_skin();
  // Loads one skin (a packed skin file, a skin folder, or the built-in skin)
  // into a new bench; 0, or -1 with no panel.
  int load_skin(const QString& name, bool packed, bool builtin);

  // None before init() and after close.
  tcAppContext* context() { return context_.get(); }
  tcApStores* stores() { return stores_.get(); }
  tcDeviceList* devices() { return devices_.get(); }
  tcConnection* connection() { return connection_.get(); }
  tcGuiLock* gui_lock() { return gui_lock_.get(); }
  // The open preset-take window, if any.
  tcPresetTakeDlg* preset_take() const;
  // None while no skin is loaded.
  tcTK3Bench* panel() const;
  tcControlGroupMain* main_group() const;
  QMenu* menu() const { return menu_; }

  // The processor clock as the newest meter record gave it, with its
  // adjustment mode, SNTP server and time zone.
  const tcMeterRecord& ap_clock() const { return ap_clock_; }
  // Whether the live set's summary differs from the processor's.
  bool preset_modified() const { return preset_modified_; }

 signals:
  void sig_map_settings_dirty(int set_index);
  void sig_gui_settings_dirty(int set_index);
  void sig_map_globals_dirty();
  void sig_gui_globals_dirty();
  void sig_crc_check();
  void sig_connecting();
  void sig_connect();
  void sig_connect_accepted();
  void sig_connect_rejected();
  void sig_disconnect();
  void sig_summary_changed();
  void sig_recv_version();
  void sig_recv_macaddr();
  void sig_preset_pkg_install();
  void sig_startup_connect();
  void sig_new_events();
  void sig_ap_clock();
  void sig_request_meters();
  void sig_sgmap_version_update(int set_index, int version);
  void sig_ptree_change();
  void sig_set_analysis(int type, int dirty_src);
  void sig_set_analysis_chain(int chain, int dirty_src);
  void sig_set_GR_chain(int chain, int dirty_src);

 public slots:
  void slot_exitMenu();
  void slot_minimize();
  void slot_about();
  void slot_gui_settings_dirty(int set_index);
  void slot_map_settings_dirty(int set_index);
  void slot_gui_globals_dirty();
  void slot_map_globals_dirty();
  void slot_fppasswd_dlg() {}
  void slot_password_dlg();
  void slot_version_dlg();
  void slot_swup_dlg();
  void slot_lbn_dlg();
  void slot_gui_access();
  void slot_gui_lock();
  void slot_pset_take();
  void slot_pset_save();
  void slot_preset_dlg();
  void slot_device_dlg();
  void slot_netsrvr_dlg() {}
  void slot_config_dlg() {}
  void slot_tabs_options() {}
  void slot_ptree_change() {}
  void slot_recv_macaddr() {}
  void slot_choose_skin();
  // The connection states run in tcConnection; these hand events to it.
  void slot_connecting();
  void slot_connect();
  void slot_connect_accepted();
  void slot_connect_rejected();
  void slot_disconnect();
  void slot_menu_on_line();
  void slot_startup_connect();
  void slot_meter_timer();
  void slot_animate_timer();
  void slot_ping_timer();
  void slot_crc_check();
  void slot_request_meters();
  void slot_preset_pkg_install();
  void slot_time_set();
  void slot_event_dlg();
  void slot_sgmap_version_update(int set_index, int version);
  virtual void slot_set_analysis(int, int) {}
  virtual void slot_set_analysis_chain(int, int) {}
  virtual void slot_show_analysis() {}
  // Tells the user that a file could not be written (the old one was kept).
  void slot_write_failed(const QString& text);

 protected:
  void closeEvent(QCloseEvent* event) override;
  // While a modal dialog runs, ends the dialogs and closes the window later;
  // true when the close was put off.
  bool defer_close(QCloseEvent* event);
  // A right press on no object: the menu, after the unlock path while locked.
  void context_menu(const QPoint& global_pos) override;
  // The first sub-menu: "File" here, the model's page menu in a model's window.
  virtual QMenu* add_first_menu(QMenu* menu);
  // The model's own windows, made once the stores and timers are up.
  virtual void start_model() {}
  // Each new meter record while on-line: the panel's graph and lamps; the
  // model's window adds its displays.
  virtual void meter_record(const tcMeterRecord& record);

 private:
  // The parameter model, meter listener and device list come up here, after
  // the application objects and before the skin.
  void create_shared_stores();
  void build_menu();
  void connect_link_reports();
  void start_timers();
  // Status displays, group signals, lock and size of a new panel.
  void after_skin();
  void connect_groups();
  // Saves the options and destroys the process-wide objects in the close order.
  void release_shared_stores();
  // The status displays: connection, device and preset.
  void show_status();
  void show_preset();
  // The link while on-line, else none.
  tcApIface* link() const;
  // The on-line gate: true when the action may go on.
  bool gate(const char* title);
  // What the preset dialogs work on: this window's stores, link and folders.
  tcPresetContext preset_context();
  QString program_path(const char* program) const;

  // Change reports of the stores; they run under the store locks, on whichever
  // thread wrote, and only post queued signals.
  static void on_console_edit(void* self, uint16_t set_index);
  static void on_settings_send(void* self, uint16_t set_index);
  static void on_settings_panel(void* self, uint16_t set_index);
  static void on_globals_send(void* self);
  static void on_globals_panel(void* self);
  // The link's trace lines (transport thread) go to the debug output.
  static void on_link_trace(void* self, const char* line);

  std::unique_ptr<tcAppContext> context_;
  std::unique_ptr<tcApStores> stores_;
  std::unique_ptr<tcDeviceList> devices_;
  std::unique_ptr<tcConnection> connection_;
  std::unique_ptr<tcGuiLock> gui_lock_;
  QPointer<tcPresetTakeDlg> take_;
  std::unique_ptr<tcSplash> about_;
  QMenu* menu_ = nullptr;
  QAction* online_action_ = nullptr;
  QTimer* meter_timer_ = nullptr;
  QTimer* animate_timer_ = nullptr;
  QTimer* ping_timer_ = nullptr;
  QTimer* crc_timer_ = nullptr;
  // One queued request stands for every change made before it runs; one bit
  // per live bank.
  std::atomic<uint32_t> settings_send_pending_{0};
  std::atomic<uint32_t> settings_panel_pending_{0};
  std::atomic<bool> globals_send_pending_{false};
  std::atomic<bool> globals_panel_pending_{false};
  bool stay_virgin_ = false;
  bool preset_modified_ = false;
  tcMeterRecord meter_record_;
  tcMeterRecord ap_clock_;
};
