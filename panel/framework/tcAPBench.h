#pragma once
// The front panel's bench: the loaded skin with its background, the control
// groups built on it, the page shown, the connection state given by the window
// and the GUI lock. A model's bench creates its groups in create_groups().
//
// Painting: the `BKGRND` picture for the clip rectangle, then every visible
// panel object that meets it, in skin order (the objects of hidden groups are
// hidden).
//
// GUI lock: every press, drag and wheel step of a bound control first asks
// whether its control may act now (group_locked(), with the control id). The
// window's lock answers through the access checker; without one nothing is
// restricted. A gesture that ran the unlock flow is not carried out itself
// (its release went to the dialog); the next one acts.
#include <QImage>
#include <QRect>
#include <QSize>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "panel/framework/tcPanelStores.h"
#include "skin/loader/tcBenchMaster.h"

class tcControlGroup;
class tcGuiApGraph;
class tcGuiImage;
class tcMeterRecord;

class tcAPBench : public tcBenchMaster {
 public:
  // Pages of the panel; any other number shows the System page.
  enum Page {
    kPageSystem = 0,
    kPageHdOut = 1,
    kPageCompressor = 2,
    kPageParametric = 4,
    kPageInput = 7,
    kPageFmOut = 8,
    kPageFmPlex = 9,
    kPageTest = 10,
  };
  // The bench's pointer per control group.
  enum Slot {
    kMain,
    kInput,
    kParametric,
    kCompressor,
    kFmOut,
    kFmPlex,
    kHdOut,
    kSystem,
    kTest,
    kSlots,
  };
  // True when the control must not act now: restricted while the panel is
  // locked (after the unlock flow it may have run).
  using AccessChecker = std::function<bool(int control_id)>;

  static constexpr const char* kBackground = "BKGRND";
  static constexpr const char* kNoBackground =
      "ERROR: Loading the skin file, no BKGRND image found";

  tcAPBench(const tcString& skin_dir, const tcPanelStores& stores);
  ~tcAPBench() override;

  // Loads the skin and builds the panel: the `BKGRND` image gives the panel
  // size, the groups are created, the Main group's graph takes its spectrum
  // range, the Main group is shown and the stored page selected. 0, or -1 (the
  // skin log tells why) with no groups.
  int setup();

  const tcPanelStores& stores() const { return stores_; }
  // Size of `BKGRND` in skin coordinates.
  QSize panel_size() const { return panel_size_; }

  // Groups, in creation order.
  const std::vector<std::unique_ptr<tcControlGroup>>& groups() const { return groups_; }
  tcControlGroup* group(int slot) const;
  // Takes a group into the list and into its slot (kSlots: no slot).
  tcControlGroup* add_group(std::unique_ptr<tcControlGroup> group, int slot);
  // The graph of the Main group, which the pages share; none without one.
  tcGuiApGraph* main_graph() const;

  // Shows a page: every page group but the target is hidden, the target shown,
  // the page stored and the Main group's flow buttons refreshed. Page 10 needs
  // FACTORY/GURU; without it, and for unknown numbers, the System page shows.
  void select_page(int page);
  int page() const { return page_; }
  // The page group shown for a page number (after the fallbacks).
  static int slot_of_page(int page, bool guru);
  // The Main group's flow buttons follow the page and the sections' switches.
  void refresh_flow();

  // Routing from the window, to every group in list order.
  void parameter_changed(uint16_t id, int set_index);
  void global_changed(uint16_t id);
  void meter_record(const tcMeterRecord& record);
  void set_connection_state(int state);
  int connection_state() const { return connection_state_; }
  // The animation step: blinking and scrolling objects, then the groups' ticks.
  void tick();
  void refresh_all();

  // The spectrum range (dB) of the Main group's graph: its y axis spans this
  // much below its top; kept as OPTIONS/SPECTRA_RANGE when the bench goes.
  int spectrum_range() const { return spectrum_range_; }
  void set_spectrum_range(int range);

  // The analysis chain (global 0x200D) as it stood when the panel was built.
  int analysis_chain() const { return analysis_chain_; }

  void set_access_checker(AccessChecker checker) { checker_ = std::move(checker); }
  bool group_locked(int control_id) const override;

  // Object repaints asked while held are dropped (text set without repaint).
  void hold_repaints(bool hold) { repaints_held_ = hold; }
  void invalidate(const QRect& skin_rect) override;
  void paint(QPainter& painter, const QRect& dirty) override;

 protected:
  // The model's groups, in its order, through add_group().
  virtual void create_groups() = 0;
  // The background section of a clip rectangle (widget coordinates) is
  // prepared once and reused while the clip stays the same.
  virtual void render_background(QImage* target, const QRect& clip) const;

 private:
  const tcPanelStores stores_;
  std::vector<std::unique_ptr<tcControlGroup>> groups_;
  tcControlGroup* slots_[kSlots] = {};
  const tcGuiImage* background_ = nullptr;
  QSize panel_size_;
  QImage background_cache_;
  QRect background_rect_;  // the clip the cache was made for
  int page_ = kPageSystem;
  int connection_state_ = 0;
  int analysis_chain_ = 0;
  int spectrum_range_ = 0;
  AccessChecker checker_;
  bool repaints_held_ = false;
};
