#pragma once
// The console's generic main window. Its initialisation brings up the
// process-wide objects in their fixed order, connects the link's reports to the
// GUI thread and runs the periodic timers; closing it saves the options and
// releases what it created.
#include <QWidget>
#include <atomic>
#include <memory>

#include "app/startup/tcAppContext.h"
#include "link/protocol/tcMeterRecord.h"

class QAction;
class QLabel;
class QMenu;
class QTimer;
class tcApIface;
class tcApStores;
class tcConnection;
class tcDeviceList;

class tcApWidget : public QWidget {
  Q_OBJECT
 public:
  static constexpr const char* kTitle = "QX770HD Pro";
  static constexpr const char* kIconPath = ":/Resources/quessa_vee.png";
  // Size of the window until a skin gives the panel's.
  static constexpr int kPlainWidth = 640;
  static constexpr int kPlainHeight = 360;
  static constexpr int kMeterIntervalMs = 101;
  static constexpr int kPingIntervalMs = 15000;
  // The map version that marks a bank as edited on the console.
  static constexpr int kTweakedMapVersion = 0xFFFE;

  explicit tcApWidget(QWidget* parent = nullptr);
  ~tcApWidget() override;

  // Start-up of the window and the process-wide objects. Returns 0.
  int init(const tcAppSetup& setup = tcAppSetup::from_process());

  // None before init() and after close.
  tcAppContext* context() { return context_.get(); }
  tcApStores* stores() { return stores_.get(); }
  tcDeviceList* devices() { return devices_.get(); }
  tcConnection* connection() { return connection_.get(); }

  // The processor clock as the newest meter record gave it.
  const tcMeterRecord& ap_clock() const { return ap_clock_; }

 signals:
  void sig_map_settings_dirty(int set_index);
  void sig_gui_settings_dirty(int set_index);
  void sig_map_globals_dirty();
  void sig_gui_globals_dirty();
  void sig_crc_check();
  void sig_connect_accepted();
  void sig_summary_changed();
  void sig_recv_version();
  void sig_recv_macaddr();
  void sig_startup_connect();
  void sig_new_events();
  void sig_ap_clock();
  void sig_request_meters();
  void sig_sgmap_version_update(int set_index, int version);

 public slots:
  void slot_map_settings_dirty(int set_index);
  void slot_map_globals_dirty();
  void slot_sgmap_version_update(int set_index, int version);
  void slot_request_meters();
  void slot_meter_timer();
  void slot_ping_timer();
  void slot_device_dlg();
  void slot_menu_on_line();
  void slot_startup_connect();
  // Tells the user that a file could not be written (the old one was kept).
  void slot_write_failed(const QString& text);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  // Each new meter record while on-line; the model's window feeds its displays.
  virtual void meter_record(const tcMeterRecord& record);

 private:
  // The parameter model, meter listener and device list come up here, after
  // the application objects and before the skin.
  void create_shared_stores();
  void connect_link_reports();
  void start_timers();
  // Saves the options and destroys the process-wide objects, newest first.
  void release_shared_stores();
  // The connection text and the device name, in the connection's colour.
  void show_status();
  // The link while on-line, else none.
  tcApIface* link() const;

  // Change reports of the stores; they run under the store locks, on whichever
  // thread wrote, and only post queued signals.
  static void on_console_edit(void* self, uint16_t set_index);
  static void on_settings_send(void* self, uint16_t set_index);
  static void on_settings_panel(void* self, uint16_t set_index);
  static void on_globals_send(void* self);
  static void on_globals_panel(void* self);

  std::unique_ptr<tcAppContext> context_;
  std::unique_ptr<tcApStores> stores_;
  std::unique_ptr<tcDeviceList> devices_;
  std::unique_ptr<tcConnection> connection_;
  QMenu* menu_ = nullptr;
  QAction* online_action_ = nullptr;
  QLabel* status_ = nullptr;
  QTimer* meter_timer_ = nullptr;
  QTimer* ping_timer_ = nullptr;
  // One queued send request stands for every change made before it runs; one
  // bit per live bank.
  std::atomic<uint32_t> settings_send_pending_{0};
  std::atomic<bool> globals_send_pending_{false};
  bool stay_virgin_ = false;
  tcMeterRecord meter_record_;
  tcMeterRecord ap_clock_;
};
