#pragma once
// The skin loader: reads "skin.xml" of a skin directory into the name tables
// (colours, gradients, fonts, offsets, regions), the panel objects, containers
// and screens. The attribute setters of the object kinds use its conversions.
#include <QRect>
#include <cstdarg>
#include <memory>
#include <vector>

#include "skin/loader/tcGuiScreen.h"
#include "skin/loader/tcNameTable.h"
#include "skin/objects/tcGuiFont.h"
#include "skin/objects/tcGuiObject.h"
#include "skin/objects/tcObjectReader.h"

class tcGuiImage;
class tcGuiRadioGroup;

class tcBenchMaster : public tcObjectReader {
 public:
  static constexpr int kColours = 256;
  static constexpr int kGradients = 64;
  static constexpr int kFonts = 64;
  static constexpr int kOffsets = 10000;
  static constexpr int kRegions = 1024;

  // States of the skin vocabulary; 1 and 2 are the reader's leaf and property states.
  enum State {
    kDocument = 0,
    kLeaf = 1,
    kProperty = 2,
    kContent,
    kContainer,
    kScreen,
    kImageBody,
    kFrameBody,
    kLabelBody,
    kButtonBody,
    kComboBody,
    kListboxBody,
    kLampBody,
    kCheckBoxBody,
    kDisplayBody,
    kKnobBody,
    kSliderBody,
    kRadioGroupBody,
    kMeterBody,
    kBarpos,
    kApGraphBody,
    kDynGraphBody,
  };

  // The skin directory holds "skin.xml"; an empty directory loads nothing.
  explicit tcBenchMaster(const tcString& skin_dir);
  ~tcBenchMaster() override;

  int load();
  void clear();

  const uint32_t* find_colour(const char* name) const { return colours_.find(name); }
  const tcString* find_gradient(const char* name) const override { return gradients_.find(name); }
  const tcGuiFont* find_font(const char* name) const override { return fonts_.find(name); }
  const int* find_offset(const char* name) const { return offsets_.find(name); }
  const QRect* find_region(const char* name) const { return regions_.find(name); }
  const std::vector<std::unique_ptr<tcGuiScreen>>& screens() const { return screens_; }
  tcGuiScreen* find_screen(const char* name) const;
  // The objects created inside a `container` element (its nested containers
  // included), in creation order, found by the container's full name (outer
  // container names joined by "::", then its id); none when no container has it.
  const std::vector<tcGuiObject*>* find_object_group(const char* name) const;
  const tcGuiFont* hfont() const { return hfont_; }
  const tcGuiFont* monofont() const { return monofont_; }

  int expression(const char* text) const override;
  uint32_t colour(const char* text, bool* transparent = nullptr) const override;
  tcGuiImage* image(const char* name) override;
  void enter_bar_position() override;

  static tcBenchMaster& of(tcXmlData& x) { return static_cast<tcBenchMaster&>(x); }
  // A property element: fill the parent's object in the given state.
  static void enter_property(tcXmlData& x, int state);
  tcGuiRadioGroup* radio_group() const { return radio_group_; }

  // The handlers and tables of the skin vocabulary.
  struct Handlers;
  friend struct Handlers;

 protected:
  const StateRow* state_table() const override;

 private:
  struct Container {
    tcString name;
    std::vector<tcString> objects;
  };

  tcGuiObject* current_object() override;
  void add(std::unique_ptr<tcGuiObject> object);
  tcString element_name(const char** atts, bool with_prefix);
  tcString anonymous_name();
  void push_container(const tcString& name) { containers_.push_back(Container{name, {}}); }
  void pop_container();
  // Ends a `container` element: its objects become the named object group.
  void close_object_group();

  tcNameTable<uint32_t> colours_{kColours};
  tcNameTable<tcString> gradients_{kGradients};
  tcNameTable<tcGuiFont> fonts_{kFonts};
  tcNameTable<int> offsets_{kOffsets};
  tcNameTable<QRect> regions_{kRegions};
  std::vector<std::unique_ptr<tcGuiScreen>> screens_;
  std::vector<Container> containers_;
  struct ObjectGroup {
    tcString name;
    std::vector<tcGuiObject*> members;
  };
  std::vector<ObjectGroup> object_groups_;
  int anonymous_ = 0;
  tcGuiRadioGroup* radio_group_ = nullptr;
  const tcGuiFont* hfont_ = nullptr;
  const tcGuiFont* monofont_ = nullptr;
};
