#pragma once
// The entry modes that displays and combos share: typing a value, its unit
// text and pattern, and the double-click callback.
#include "app/core/tcString.h"
#include "skin/xml/tcXmlData.h"

class tcGuiEditModes {
 public:
  enum Which { kEditable, kUnits, kDlgRegExp, kDClickable };

  virtual ~tcGuiEditModes();

  bool editable() const { return editable_; }
  const tcString& units() const { return units_; }
  const tcString& dlg_regexp() const { return dlg_regexp_; }
  bool dclickable() const { return dclickable_; }
  // The owner's settings after the load.
  void set_editable(bool on) { editable_ = on; }
  void set_units(const tcString& units) { units_ = units; }
  void set_dclickable(bool on) { dclickable_ = on; }

  // Setter of the `editable`, `units`, `dlgregexp` and `dclickable` attributes.
  static void set_mode(tcXmlData& x, const char* value, int arg);

 private:
  bool editable_ = false;
  tcString units_;
  tcString dlg_regexp_ = "-?\\d*\\.\\d+";
  bool dclickable_ = false;
};
