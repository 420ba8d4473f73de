#pragma once
// A control group: the logic behind one area of the front panel. At
// construction it binds the skin objects of its name table to control ids; the
// objects then report gestures to the group's operations by kind, and the group
// turns them into writes of live parameters (current live set) or globals, with
// change source 2. Changes from anywhere else come back through
// onParameterChanged()/onGlobalChanged() and redraw the controls from the
// stores, never from the gesture.
//
// A page group derives from this class, passes its name table to the
// constructor and sets its three tables in its own constructor (setTables()),
// then fills its controls (ranges, texts, states; refreshAll()). Every accessor
// tolerates a missing control id, a missing object and an object of another
// kind: the call then does nothing.
#include <QObject>
#include <cstdint>
#include <vector>

#include "app/core/tcString.h"
#include "params/tcParamStore.h"

class GLOBALS;
class SETTINGS;
class tcAPBench;
class tcGuiApGraph;
class tcGuiObject;
class tcMeterRecord;
class tcOptions;

// The band readings of one meter record that the Main group hands to the group
// whose page is shown, for its graph:
//   Compressor (page 2): rows 0 to 2 from record bytes 54, 59 and 64, 5 bands
//     each, extra = byte 69;
//   FM Out (page 8): row 0 from byte 114 and row 1 from byte 83, 31 bands each,
//     extra = byte 82;
//   HD Out (page 1): row 0 from byte 152, 31 bands, row 1 all 0xFF, extra = byte 151.
// Bytes are meter value bytes (0.25 dB steps, 255 no value).
struct tcGraphReadings {
  static constexpr int kMaxRows = 3;
  static constexpr int kMaxBands = 31;
  int page = 0;
  int rows = 0;
  int bands = 0;
  uint8_t row[kMaxRows][kMaxBands] = {};
  uint8_t extra = 0xFF;
};

class tcControlGroup : public QObject {
  Q_OBJECT

 public:
  // Ends the switch, value and knob tables.
  static constexpr uint32_t kEnd = 0xFFFFFFFFu;

  // (control id, skin object name); ended by a row with id 0.
  struct NameRow {
    int32_t id;
    const char* name;
  };
  // A check box bound to a live parameter (param non-zero) or else to a global.
  struct SwitchRow {
    uint32_t control;
    uint16_t param;
    uint16_t global;
  };
  // mode 0: a list control whose index is the parameter's raw value minus its
  // minimum; mode non-zero: a list control or display showing the parameter's
  // formatted text, stepped by the list's steps.
  struct ValueRow {
    uint32_t control;
    uint16_t param;
    uint32_t mode;
    const char* unit;
  };
  // A knob or slider with its numeric display (0: none); param's low 16 bits.
  struct KnobRow {
    uint32_t knob;
    uint32_t display;
    uint32_t param;
    const char* unit;
  };
  // A bound skin object.
  struct Bound {
    int id;
    tcString name;
    tcGuiObject* object;
  };
  // A name of the table that denotes a named object group of the skin; its
  // members are bound with control id 0.
  struct SkinGroup {
    int id;
    tcString name;
    const std::vector<tcGuiObject*>* members;
  };

  tcControlGroup(tcAPBench* bench, const NameRow* names);
  // Frees both lists; the objects keep no callback into the group.
  ~tcControlGroup() override;

  // Refreshes every bound control from the stores.
  virtual void refreshAll() = 0;
  // A live parameter changed; acts only for the current live set: the first
  // value, switch and knob row of this parameter are redrawn.
  virtual void onParameterChanged(uint16_t id, int set_index);
  // A global changed: the first switch, value and knob row of this global are
  // redrawn.
  virtual void onGlobalChanged(uint16_t id);
  // Shows or hides every bound object, then afterShow().
  virtual void show(bool on);
  virtual void onTick() {}
  virtual void onStatusChanged() {}
  virtual void onMeterRecord(const tcMeterRecord&) {}
  virtual void afterShow() {}
  // A knob row whose knob or display is `id`: the knob row write; otherwise
  // the position of the knob or slider `id`.
  virtual void setKnob(int id, int raw);
  // The check box state, then the first switch row of `id` writes its
  // parameter or global with source 2.
  virtual void setSwitch(int id, int state);
  // Takes the group's callbacks off an object and lets it repaint.
  virtual void resetObject(tcGuiObject* object);
  // A radio item's hook.
  virtual void onRadioHook(int, int) {}
  virtual double getValue(int) { return 0.0; }
  // Called for each object as it is bound; a non-zero answer means the group
  // wires that object itself (no callbacks of its kind are installed).
  virtual int onObjectCreated(const Bound&) { return 0; }
  // Drag and drop onto a control.
  virtual void onDrag(int, int, int) {}
  virtual bool acceptsDrop(int, const tcString&) { return false; }
  // Every switch row from the stores (rows with both ids 0 are skipped).
  virtual void refreshSwitches();
  // Hands the item texts of a list control to it.
  virtual void fillListItems(int) {}
  // Every value row from the stores.
  virtual void refreshValues();
  // Every knob row from the stores: knob position and display text.
  virtual void refreshKnobs();
  virtual void onButton(int) {}
  virtual void onKnobMoved(int id, int value) { setKnob(id, value); }
  // The first value row of `id`: mode 0 takes n as the index, other modes as a
  // step from the current value (not below 0); written with source 2, then the
  // row is redrawn.
  virtual void onListStep(int id, int n);
  // The first value row of `id`: a typed decimal number, converted to raw.
  virtual void onListText(int id, const tcString& text);
  virtual void onSwitchToggled(int id, int state) { setSwitch(id, state); }
  virtual void onRadioSelected(int, int) {}
  // The first knob row whose knob or display is `id`: a typed decimal number,
  // converted to raw and written with source 2; the knob and display follow.
  virtual void onDisplayText(int id, const tcString& text);
  virtual void onDisplayClicked(int) {}
  // The knob paired with a display in the knob table; -1 when none.
  virtual int knobForDisplay(int display_id);
  // The group's processing graph; none by default.
  virtual tcGuiApGraph* graph() const { return nullptr; }
  // The band readings of a meter record for this page's graph (Main calls it
  // on the group of the page shown).
  virtual void onGraphReadings(const tcGraphReadings&) {}
  // The Main group redraws its flow buttons; other groups have none.
  virtual void refreshFlow() {}

  tcAPBench* bench() const { return bench_; }
  bool visible() const { return visible_; }
  const std::vector<Bound>& objects() const { return objects_; }
  const std::vector<SkinGroup>& skinGroups() const { return skin_groups_; }
  const NameRow* nameTable() const { return names_; }
  const SwitchRow* switchTable() const { return switch_table_; }
  const ValueRow* valueTable() const { return value_table_; }
  const KnobRow* knobTable() const { return knob_table_; }

  // Typed accessors: the first bound object of the id, acting only on the
  // stated kinds.
  tcGuiObject* findObject(int id) const;
  tcGuiObject* findObjectOfKind(int id, int kind) const;
  const SkinGroup* findObjectGroup(int id) const;
  // Displays (kind 9).
  void setDisplayText(int id, const tcString& text);
  void setDisplayColour(int id, int alert);
  void setDisplayTextQuiet(int id, const tcString& text);
  void setDisplayEditable(int id, bool on, const char* unit = nullptr);
  void setDisplayClickable(int id, bool on);
  // List controls (kind 12).
  void setListItems(int id, const std::vector<tcString>& items);
  void setListIndex(int id, int index);
  // Knobs and sliders (kinds 10, 11).
  void setKnobRange(int id, int minimum, int maximum);
  void setKnobPosition(int id, int value);
  // Any kind: the text, the owner's state (button look, check box, lamp, radio
  // selection), the text colour, visibility.
  void setText(int id, const tcString& text);
  void setState(int id, int state);
  void setTextColour(int id, uint32_t colour);
  void showObject(int id, bool on);
  // Range and value of a knob or slider from a live parameter (an id of the
  // preset table) or else a global; with a display and a unit the display
  // becomes editable with that unit.
  void setupRange(int control, uint32_t id, int display = 0, const char* unit = nullptr);

  // Stores. Live parameters are those of the current live set; without one
  // they read 0 and writes go nowhere. The param* operations take a live
  // parameter or, for any other id, a global.
  SETTINGS* liveSet() const;
  GLOBALS* globals() const;
  tcOptions* options() const;
  static bool isLiveParameter(uint32_t id);
  uint32_t paramValue(uint16_t id) const;
  uint32_t paramMin(uint16_t id) const;
  uint32_t paramMax(uint16_t id) const;
  tcString paramText(uint16_t id) const;
  void writeParam(uint16_t id, uint32_t raw, int source = kSourceConsole);
  uint32_t globalValue(uint16_t id) const;
  tcString globalText(uint16_t id) const;
  void writeGlobal(uint16_t id, uint32_t value, int source = kSourceConsole);
  // A typed decimal number as the raw value of a live parameter (floats
  // through their map, others rounded); false when the text is no number.
  bool rawFromText(uint16_t id, const tcString& text, uint32_t* raw) const;
  bool guru() const;

 signals:
  void sig_exit_app();
  void sig_minimize();
  void sig_about();
  void sig_pset_save();
  void sig_pset_take();
  void sig_pset_dlg();
  void sig_device_dlg();
  void sig_online();
  void sig_diff_current();
  void sig_password();
  void sig_password_type(int type);
  void sig_fppasswd();
  void sig_gui_access();
  void sig_gui_lock();
  void sig_choose_skin();
  void sig_event_dlg();
  void sig_time_set();
  void sig_ptree_change();
  void sig_set_analysis(int type, int dirty_src);
  void sig_set_analysis_chain(int chain, int dirty_src);
  void sig_set_GR_chain(int chain, int dirty_src);
  void sig_show_analysis();
  // The meters-over-TCP option changed: the window asks for meters again.
  void sig_request_meters();

 protected:
  void setTables(const SwitchRow* switches, const ValueRow* values, const KnobRow* knobs);
  // Knob row write: parameter write with source 2, then the knob and display
  // from the stored value (the store may have clamped it).
  void writeKnobRow(const KnobRow& row, uint32_t raw);
  // The same from the stores, without writing.
  void showKnobRow(const KnobRow& row);
  void showValueRow(const ValueRow& row);
  void showSwitchRow(const SwitchRow& row);
  // The first value row and the first knob row of a parameter or global.
  void showRowsOf(uint16_t id);
  // The gestures on one row, as the table-driven operations run them; groups
  // that keep their rows out of the tables call them directly. A typed text
  // that is no number writes nothing (false).
  void stepValueRow(const ValueRow& row, int n);
  bool typeValueRow(const ValueRow& row, const tcString& text);
  bool typeKnobRow(const KnobRow& row, const tcString& text);
  // A radio group standing for a live parameter or a global: the chosen item
  // is written (source 2) only when it is one of the first `items` and differs
  // from the stored value; the group then shows the stored value.
  void selectRadio(int group, uint16_t id, int item, int items);
  const SwitchRow* switchRowOf(int control) const;
  const ValueRow* valueRowOf(int control) const;
  const KnobRow* knobRowOf(int control) const;

 private:
  void bind(tcGuiObject* object, int id, const tcString& name);
  static void clearCallbacks(tcGuiObject* object);

  tcAPBench* const bench_;
  const NameRow* const names_;
  bool visible_ = false;
  std::vector<Bound> objects_;
  std::vector<SkinGroup> skin_groups_;
  const SwitchRow* switch_table_;
  const ValueRow* value_table_;
  const KnobRow* knob_table_;
};
