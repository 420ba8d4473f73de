#pragma once
// What the attribute setters of the object kinds may ask of the skin reader
// that calls them: the object being filled, and the conversions of attribute
// texts through the skin's name tables. The loader implements it; the objects
// see nothing more of the loader.
#include <cstdint>

#include "skin/objects/tcBench.h"
#include "skin/objects/tcGuiObject.h"

class tcGuiFont;
class tcGuiImage;

class tcObjectReader : public tcBench {
 public:
  using tcBench::tcBench;

  // The reader behind an attribute setter's document.
  static tcObjectReader& of(tcXmlData& x) { return static_cast<tcObjectReader&>(x); }
  // The object that the element being read fills, as the kind T, or none.
  template <class T>
  static T* target(tcXmlData& x) {
    return dynamic_cast<T*>(of(x).current_object());
  }

  // An integer sum of numbers and offset names.
  virtual int expression(const char* text) const = 0;
  // A colour name or an RRGGBB / RRGGBBAA literal; `transparent` tells "TRANSPARENT".
  virtual uint32_t colour(const char* text, bool* transparent = nullptr) const = 0;
  virtual const tcGuiFont* find_font(const char* name) const = 0;
  virtual const tcString* find_gradient(const char* name) const = 0;
  // The image object of that name, created empty when no object has it yet;
  // none when the name belongs to another kind of object.
  virtual tcGuiImage* image(const char* name) = 0;
  // A meter's bar position element: the element fills its parent's meter.
  virtual void enter_bar_position() = 0;

  void log_message(int level, const char* fmt, ...) const __attribute__((format(printf, 3, 4)));

  // Conversions that need no table.
  static bool flag(const char* text);
  static int integer(const char* text);
  static int alignment(const char* text);

 protected:
  virtual tcGuiObject* current_object() = 0;
};
