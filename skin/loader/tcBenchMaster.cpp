#include "skin/loader/tcBenchMaster.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/core/tcLog.h"
#include "skin/objects/tcGuiApGraph.h"
#include "skin/objects/tcGuiButton.h"
#include "skin/objects/tcGuiCheckBox.h"
#include "skin/objects/tcGuiCombo.h"
#include "skin/objects/tcGuiDisplay.h"
#include "skin/objects/tcGuiDynGraph.h"
#include "skin/objects/tcGuiFrame.h"
#include "skin/objects/tcGuiImage.h"
#include "skin/objects/tcGuiKnob.h"
#include "skin/objects/tcGuiLabel.h"
#include "skin/objects/tcGuiLamp.h"
#include "skin/objects/tcGuiListColours.h"
#include "skin/objects/tcGuiListbox.h"
#include "skin/objects/tcGuiMeter.h"
#include "skin/objects/tcGuiRadioGroup.h"
#include "skin/objects/tcGuiRadioItem.h"
#include "skin/objects/tcGuiSlider.h"

namespace {

// The handler word of a level whose object word is a panel object; table
// entries and screens leave it 0.
constexpr intptr_t kObjectWord = 1;

using Creator = std::unique_ptr<tcGuiObject> (*)(tcBench* bench, int id, const tcString& name);

template <class T>
std::unique_ptr<tcGuiObject> make(tcBench* bench, int id, const tcString& name) {
  return std::make_unique<T>(bench, id, name);
}

struct Factory {
  const char* element;
  Creator create;
  int kind;
  int state;
  bool opens_container;  // children are named inside an anonymous container
};

const Factory kFactories[] = {
    {"image", &make<tcGuiImage>, tcGuiObject::kImage, tcBenchMaster::kImageBody, false},
    {"frame", &make<tcGuiFrame>, tcGuiObject::kFrame, tcBenchMaster::kFrameBody, true},
    {"label", &make<tcGuiLabel>, tcGuiObject::kLabel, tcBenchMaster::kLabelBody, true},
    {"button", &make<tcGuiButton>, tcGuiObject::kButton, tcBenchMaster::kButtonBody, false},
    {"combo", &make<tcGuiCombo>, tcGuiObject::kCombo, tcBenchMaster::kComboBody, false},
    {"listbox", &make<tcGuiListbox>, tcGuiObject::kListbox, tcBenchMaster::kListboxBody, false},
    {"lamp", &make<tcGuiLamp>, tcGuiObject::kLamp, tcBenchMaster::kLampBody, false},
    {"checkbox", &make<tcGuiCheckBox>, tcGuiObject::kCheckBox, tcBenchMaster::kCheckBoxBody, false},
    {"display", &make<tcGuiDisplay>, tcGuiObject::kDisplay, tcBenchMaster::kDisplayBody, false},
    {"knob", &make<tcGuiKnob>, tcGuiObject::kKnob, tcBenchMaster::kKnobBody, false},
    {"slider", &make<tcGuiSlider>, tcGuiObject::kSlider, tcBenchMaster::kSliderBody, false},
    {"radiogroup", &make<tcGuiRadioGroup>, tcGuiObject::kRadioGroup, tcBenchMaster::kRadioGroupBody,
     true},
    {"meter", &make<tcGuiMeter>, tcGuiObject::kMeter, tcBenchMaster::kMeterBody, false},
    {"ap_graph", &make<tcGuiApGraph>, tcGuiObject::kApGraph, tcBenchMaster::kApGraphBody, false},
    {"dyngraph", &make<tcGuiDynGraph>, tcGuiObject::kDynGraph, tcBenchMaster::kDynGraphBody, false},
    // Radio items, inside a radio group only.
    {"item", &make<tcGuiRadioItem>, tcGuiObject::kRadioItem, tcBenchMaster::kProperty, false},
};

const Factory* factory_of(const char* element) {
  for (const Factory& f : kFactories) {
    if (std::strcmp(f.element, element) == 0) return &f;
  }
  return nullptr;
}

const char* attribute(const char** atts, const char* name) {
  for (const char** a = atts; a && a[0]; a += 2) {
    if (std::strcmp(a[0], name) == 0) return a[1];
  }
  return nullptr;
}

enum RectArg { kX, kY, kW, kH };
enum FontArg { kFace, kSize, kBold, kItalic, kAngle, kSpace, kWordSpace };
enum ScreenArg { kVisible, kImage, kMeta, kTitle, kNumber, kScreenX, kScreenY };
enum RefArg { kObjRef, kRefMeta, kXOffset, kYOffset };

int hex_digit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

// The start, end and attribute handlers of the skin vocabulary.
struct tcBenchMaster::Handlers {
  static void start_skin(tcXmlData& x, const char*, const char**) { x.level().state = kContent; }

  static void start_container(tcXmlData& x, const char*, const char** atts) {
    tcBenchMaster& b = of(x);
    // The container's own id (not its full name) joins the prefix of its children.
    const char* id = attribute(atts, "id");
    b.push_container(id ? tcString(id) : b.anonymous_name());
    x.level().state = kContainer;
  }

  static void end_container(tcXmlData& x) { of(x).close_object_group(); }

  static void start_property(tcXmlData& x, const char*, const char**) {
    enter_property(x, kProperty);
  }

  // The object of that name, made by the element's factory when there is none
  // yet; none when the name belongs to another kind.
  static tcGuiObject* object_for(tcBenchMaster& b, const Factory* f, const tcString& name) {
    if (!f) return nullptr;
    tcGuiObject* object = b.find_object(name.c_str());
    if (object && object->kind() != f->kind) {
      b.log_message(tcLog::kError,
                    "ERROR: Object \"%s\" on line %d of the skin file is already defined as "
                    "another kind.",
                    name.c_str(), b.current_line());
      return nullptr;
    }
    if (object) return object;
    std::unique_ptr<tcGuiObject> made = f->create(&b, b.next_object_id(), name);
    object = made.get();
    b.add(std::move(made));
    return object;
  }

  static void start_object(tcXmlData& x, const char* element, const char** atts) {
    Level& here = x.level();
    tcBenchMaster& b = of(x);
    const Factory* f = factory_of(element);
    tcGuiObject* object = object_for(b, f, b.element_name(atts, true));
    if (!object) {
      here.state = kIgnore;
      return;
    }
    here.state = f->state;
    here.object = object;
    here.user = kObjectWord;
    if (f->opens_container) b.push_container(b.anonymous_name());
    if (f->kind == tcGuiObject::kRadioGroup) {
      b.radio_group_ = static_cast<tcGuiRadioGroup*>(object);
    }
  }

  static tcGuiObject* parent_object(tcXmlData& x) {
    const Level& parent = x.parent_level();
    return parent.user == kObjectWord ? static_cast<tcGuiObject*>(parent.object) : nullptr;
  }

  static void end_frame(tcXmlData& x) {
    of(x).pop_container();
    auto* frame = target<tcGuiFrame>(x);
    if (tcGuiObject* parent = parent_object(x)) parent->attach_frame(frame);
  }

  static void end_label(tcXmlData& x) {
    of(x).pop_container();
    auto* label = target<tcGuiLabel>(x);
    if (tcGuiObject* parent = parent_object(x)) parent->attach_label(label);
  }

  static void end_radiogroup(tcXmlData& x) {
    tcBenchMaster& b = of(x);
    b.pop_container();
    b.radio_group_ = nullptr;
  }

  static void start_radio_item(tcXmlData& x, const char* element, const char** atts) {
    tcBenchMaster& b = of(x);
    Level& here = x.level();
    here.state = kIgnore;
    if (!b.radio_group_) return;
    // Radio items are named without the container prefix.
    const tcString name = b.element_name(atts, false);
    const bool known = b.find_object(name.c_str()) != nullptr;
    auto* item = static_cast<tcGuiRadioItem*>(object_for(b, factory_of(element), name));
    if (!item) return;
    if (!known) {
      item->set_group_object(b.radio_group_);
      b.radio_group_->add_item(item);
    }
    here.state = kProperty;
    here.object = static_cast<tcGuiObject*>(item);
    here.user = kObjectWord;
  }

  template <class T>
  static void define_entry(tcXmlData& x, tcNameTable<T>& table, T fresh, const char* full_message,
                           const char** atts) {
    tcBenchMaster& b = of(x);
    Level& here = x.level();
    const tcString name = b.element_name(atts, true);
    bool full = false;
    T* entry = name.empty() ? nullptr : table.define(name, std::move(fresh), &full);
    if (!entry) {
      if (full) b.log_message(tcLog::kError, "%s", full_message);
      here.state = kIgnore;
      return;
    }
    here.state = kProperty;
    here.object = entry;
    here.user = 0;
  }

  static void start_colour(tcXmlData& x, const char*, const char** atts) {
    define_entry(x, of(x).colours_, 0xFF000000u,
                 "ERROR: Maximimum number of COLOR objects exceeded", atts);
  }
  static void start_gradient(tcXmlData& x, const char*, const char** atts) {
    define_entry(x, of(x).gradients_, tcString("0.0,000000;1.0,FFFFFF"),
                 "ERROR: Maximimum number of gradient objects exceeded", atts);
  }
  static void start_font(tcXmlData& x, const char*, const char** atts) {
    define_entry(x, of(x).fonts_, tcGuiFont(), "ERROR: Maximimum number of FONT objects exceeded",
                 atts);
  }
  static void start_offset(tcXmlData& x, const char*, const char** atts) {
    define_entry(x, of(x).offsets_, 0, "ERROR: Maximimum number of OFFSET objects exceeded", atts);
  }
  static void start_region(tcXmlData& x, const char*, const char** atts) {
    define_entry(x, of(x).regions_, QRect(0, 0, 100, 100),
                 "ERROR: Maximimum number of REGION objects exceeded", atts);
  }

  template <class T>
  static T& entry(tcXmlData& x) {
    return *static_cast<T*>(x.level().object);
  }

  static void set_rgb(tcXmlData& x, const char* value, int) {
    entry<uint32_t>(x) = of(x).colour(value);
  }
  static void set_stops(tcXmlData& x, const char* value, int) { entry<tcString>(x) = value; }
  static void set_offset(tcXmlData& x, const char* value, int) {
    entry<int>(x) = of(x).expression(value);
  }
  static void set_region(tcXmlData& x, const char* value, int arg) {
    QRect& r = entry<QRect>(x);
    const int v = tcGuiObject::clamp_coord(of(x).expression(value));
    switch (arg) {
      case kX:
        r = QRect(v, r.y(), r.width(), r.height());
        break;
      case kY:
        r = QRect(r.x(), v, r.width(), r.height());
        break;
      case kW:
        r.setWidth(v);
        break;
      default:
        r.setHeight(v);
        break;
    }
  }
  static void set_font(tcXmlData& x, const char* value, int arg) {
    tcGuiFont& f = entry<tcGuiFont>(x);
    switch (arg) {
      case kFace:
        f.face = value;
        break;
      case kSize:
        f.size = integer(value);
        break;
      case kBold:
        f.bold = integer(value) != 0;
        break;
      case kItalic:
        f.italic = integer(value) != 0;
        break;
      case kAngle:
        f.angle = integer(value);
        break;
      case kWordSpace:
        f.word_space = std::clamp(integer(value), 0, 100);
        break;
      default:
        f.spacing = integer(value);
        break;
    }
  }

  static void start_screen(tcXmlData& x, const char*, const char** atts) {
    tcBenchMaster& b = of(x);
    const tcString name = b.element_name(atts, true);
    tcGuiScreen* screen = b.find_screen(name.c_str());
    if (!screen) {
      b.screens_.push_back(std::make_unique<tcGuiScreen>(name));
      screen = b.screens_.back().get();
    }
    Level& here = x.level();
    here.state = kScreen;
    here.object = screen;
    here.user = 0;
  }

  static void set_screen(tcXmlData& x, const char* value, int arg) {
    auto& s = entry<tcGuiScreen>(x);
    switch (arg) {
      case kVisible:
        s.visible = integer(value) != 0;
        break;
      case kImage:
        s.image = value;
        break;
      case kMeta:
        s.meta = value;
        break;
      case kTitle:
        s.title = value;
        break;
      case kNumber:
        s.number = of(x).expression(value);
        break;
      case kScreenX:
        s.x = of(x).expression(value);
        break;
      default:
        s.y = of(x).expression(value);
        break;
    }
  }

  static void start_obj(tcXmlData& x, const char*, const char** atts) {
    auto* screen = static_cast<tcGuiScreen*>(x.parent_level().object);
    const char* objref = attribute(atts, "objref");
    Level& here = x.level();
    here.state = kProperty;
    here.object = &screen->ref(tcString(objref ? objref : ""));
    here.user = 0;
  }

  static void set_ref(tcXmlData& x, const char* value, int arg) {
    auto& r = entry<tcGuiScreen::Ref>(x);
    switch (arg) {
      case kObjRef:
        r.object = value;
        break;
      case kRefMeta:
        r.meta = value;
        break;
      case kXOffset:
        r.x_offset = of(x).expression(value);
        break;
      default:
        r.y_offset = of(x).expression(value);
        break;
    }
  }

  static const AttrRow kColourAttrs[];
  static const AttrRow kGradientAttrs[];
  static const AttrRow kOffsetAttrs[];
  static const AttrRow kRegionAttrs[];
  static const AttrRow kFontAttrs[];
  static const AttrRow kScreenAttrs[];
  static const AttrRow kRefAttrs[];
  static const ElementRow kRoot[];
  static const ElementRow kContentElements[];
  static const ElementRow kScreenChildren[];
  static const ElementRow kImageChildren[];
  static const ElementRow kFrameChildren[];
  static const ElementRow kLabelChildren[];
  static const ElementRow kButtonChildren[];
  static const ElementRow kComboChildren[];
  static const ElementRow kListboxChildren[];
  static const ElementRow kPlainChildren[];
  static const ElementRow kDisplayChildren[];
  static const ElementRow kKnobChildren[];
  static const ElementRow kSliderChildren[];
  static const ElementRow kRadioGroupChildren[];
  static const ElementRow kMeterChildren[];
  static const ElementRow kApGraphChildren[];
  static const ElementRow kDynGraphChildren[];
  static const ElementRow kNoChildren[];
  static const StateRow kStates[];
};

using H = tcBenchMaster::Handlers;

const tcXmlData::AttrRow H::kColourAttrs[] = {{"rgb", 0, &H::set_rgb}, {nullptr, 0, nullptr}};
const tcXmlData::AttrRow H::kGradientAttrs[] = {{"stops", 0, &H::set_stops}, {nullptr, 0, nullptr}};
const tcXmlData::AttrRow H::kOffsetAttrs[] = {{"value", 0, &H::set_offset}, {nullptr, 0, nullptr}};
const tcXmlData::AttrRow H::kRegionAttrs[] = {
    {"x", kX, &H::set_region}, {"y", kY, &H::set_region}, {"w", kW, &H::set_region},
    {"h", kH, &H::set_region}, {nullptr, 0, nullptr},
};
const tcXmlData::AttrRow H::kFontAttrs[] = {
    {"face", kFace, &H::set_font},           {"size", kSize, &H::set_font},
    {"bold", kBold, &H::set_font},           {"italic", kItalic, &H::set_font},
    {"angle", kAngle, &H::set_font},         {"space", kSpace, &H::set_font},
    {"wordspace", kWordSpace, &H::set_font}, {nullptr, 0, nullptr},
};
const tcXmlData::AttrRow H::kScreenAttrs[] = {
    {"visible", kVisible, &H::set_screen}, {"image", kImage, &H::set_screen},
    {"meta", kMeta, &H::set_screen},       {"title", kTitle, &H::set_screen},
    {"number", kNumber, &H::set_screen},   {"x", kScreenX, &H::set_screen},
    {"y", kScreenY, &H::set_screen},       {nullptr, 0, nullptr},
};
const tcXmlData::AttrRow H::kRefAttrs[] = {
    {"objref", kObjRef, &H::set_ref},
    {"meta", kRefMeta, &H::set_ref},
    {"xoffset", kXOffset, &H::set_ref},
    {"yoffset", kYOffset, &H::set_ref},
    {nullptr, 0, nullptr},
};

const tcXmlData::ElementRow H::kRoot[] = {{"skin", nullptr, &H::start_skin},
                                          {nullptr, nullptr, nullptr}};

const tcXmlData::ElementRow H::kContentElements[] = {
    {"container", nullptr, &H::start_container},
    {"color", H::kColourAttrs, &H::start_colour},
    {"gradient", H::kGradientAttrs, &H::start_gradient},
    {"offset", H::kOffsetAttrs, &H::start_offset},
    {"region", H::kRegionAttrs, &H::start_region},
    {"font", H::kFontAttrs, &H::start_font},
    {"screen", H::kScreenAttrs, &H::start_screen},
    {"image", tcGuiImage::kAttrs, &H::start_object},
    {"frame", tcGuiFrame::kAttrs, &H::start_object},
    {"label", tcGuiObject::kInheritAttrs, &H::start_object},
    {"button", tcGuiObject::kInheritAttrs, &H::start_object},
    {"combo", tcGuiCombo::kAttrs, &H::start_object},
    {"listbox", tcGuiListbox::kAttrs, &H::start_object},
    {"lamp", tcGuiObject::kInheritAttrs, &H::start_object},
    {"checkbox", tcGuiObject::kInheritAttrs, &H::start_object},
    {"display", tcGuiObject::kInheritAttrs, &H::start_object},
    {"knob", tcGuiKnob::kAttrs, &H::start_object},
    {"slider", tcGuiSlider::kAttrs, &H::start_object},
    {"radiogroup", tcGuiObject::kInheritAttrs, &H::start_object},
    {"meter", tcGuiObject::kInheritAttrs, &H::start_object},
    {"ap_graph", nullptr, &H::start_object},
    {"dyngraph", nullptr, &H::start_object},
    {nullptr, nullptr, nullptr},
};

const tcXmlData::ElementRow H::kScreenChildren[] = {{"obj", H::kRefAttrs, &H::start_obj},
                                                    {nullptr, nullptr, nullptr}};

namespace {
// Child elements that several kinds share.
constexpr tcXmlData::ElementRow kPosition = {"position", tcGuiObject::kPositionAttrs,
                                             &H::start_property};
constexpr tcXmlData::ElementRow kText = {"text", tcGuiObject::kTextAttrs, &H::start_property};
constexpr tcXmlData::ElementRow kFocus = {"focus", tcGuiObject::kFocusAttrs, &H::start_property};
constexpr tcXmlData::ElementRow kBitmap = {"bitmap", tcGuiObject::kBitmapAttrs, &H::start_property};
constexpr tcXmlData::ElementRow kFrame = {"frame", tcGuiFrame::kAttrs, &H::start_object};
constexpr tcXmlData::ElementRow kLabel = {"label", tcGuiObject::kInheritAttrs, &H::start_object};
constexpr tcXmlData::ElementRow kEnd = {nullptr, nullptr, nullptr};
}  // namespace

const tcXmlData::ElementRow H::kImageChildren[] = {kPosition, kEnd};
const tcXmlData::ElementRow H::kFrameChildren[] = {kPosition, kFrame, kLabel, kEnd};
const tcXmlData::ElementRow H::kLabelChildren[] = {kPosition, kText, kFocus, kFrame, kLabel, kEnd};
const tcXmlData::ElementRow H::kButtonChildren[] = {
    kPosition, kText, kBitmap, kFocus, {"mode", tcGuiButton::kModeAttrs, &H::start_property}, kEnd};
const tcXmlData::ElementRow H::kComboChildren[] = {
    kPosition,
    kText,
    kBitmap,
    kFocus,
    {"color", tcGuiListColours::kAttrs, &H::start_property},
    {"drop", tcGuiCombo::kDropAttrs, &H::start_property},
    {"mode", tcGuiCombo::kModeAttrs, &H::start_property},
    kEnd};
const tcXmlData::ElementRow H::kListboxChildren[] = {
    kPosition,
    kText,
    kBitmap,
    kFocus,
    {"item", tcGuiListbox::kItemAttrs, &H::start_property},
    {"color", tcGuiListColours::kAttrs, &H::start_property},
    {"mode", tcGuiListbox::kModeAttrs, &H::start_property},
    kEnd};
const tcXmlData::ElementRow H::kPlainChildren[] = {kPosition, kText, kBitmap, kFocus, kEnd};
const tcXmlData::ElementRow H::kDisplayChildren[] = {
    kPosition,
    {"text", tcGuiDisplay::kTextAttrs, &H::start_property},
    {"color", tcGuiDisplay::kColourAttrs, &H::start_property},
    {"mode", tcGuiDisplay::kModeAttrs, &H::start_property},
    kEnd};
const tcXmlData::ElementRow H::kKnobChildren[] = {
    kPosition, kText, {"bitmap", tcGuiKnob::kBitmapAttrs, &H::start_property}, kFocus, kEnd};
const tcXmlData::ElementRow H::kSliderChildren[] = {
    kPosition, kText, {"bitmap", tcGuiSlider::kBitmapAttrs, &H::start_property}, kFocus, kEnd};
const tcXmlData::ElementRow H::kRadioGroupChildren[] = {
    kPosition, {"bitmap", tcGuiRadioGroup::kBitmapAttrs, &H::start_property},
    kFocus,    {"item", tcGuiRadioItem::kAttrs, &H::start_radio_item},
    kFrame,    kLabel,
    kEnd};
const tcXmlData::ElementRow H::kMeterChildren[] = {
    kPosition,
    {"barpos", tcGuiMeter::kBarposAttrs, &tcGuiMeter::start_barpos},
    {"text", tcGuiMeter::kTextAttrs, &H::start_property},
    {"bitmap", tcGuiMeter::kBitmapAttrs, &H::start_property},
    {"type", tcGuiMeter::kTypeAttrs, &H::start_property},
    kEnd};
const tcXmlData::ElementRow H::kApGraphChildren[] = {
    kPosition, {"color", tcGuiApGraph::kColourAttrs, &H::start_property}, kEnd};
const tcXmlData::ElementRow H::kDynGraphChildren[] = {
    kPosition, {"color", tcGuiDynGraph::kColourAttrs, &H::start_property}, kEnd};
const tcXmlData::ElementRow H::kNoChildren[] = {kEnd};

const tcXmlData::StateRow H::kStates[] = {
    {kDocument, H::kRoot, nullptr},
    {kContent, H::kContentElements, nullptr},
    {kContainer, H::kContentElements, &H::end_container},
    {kScreen, H::kScreenChildren, nullptr},
    {kImageBody, H::kImageChildren, nullptr},
    {kFrameBody, H::kFrameChildren, &H::end_frame},
    {kLabelBody, H::kLabelChildren, &H::end_label},
    {kButtonBody, H::kButtonChildren, nullptr},
    {kComboBody, H::kComboChildren, nullptr},
    {kListboxBody, H::kListboxChildren, nullptr},
    {kLampBody, H::kPlainChildren, nullptr},
    {kCheckBoxBody, H::kPlainChildren, nullptr},
    {kDisplayBody, H::kDisplayChildren, nullptr},
    {kKnobBody, H::kKnobChildren, nullptr},
    {kSliderBody, H::kSliderChildren, nullptr},
    {kRadioGroupBody, H::kRadioGroupChildren, &H::end_radiogroup},
    {kMeterBody, H::kMeterChildren, nullptr},
    {kBarpos, H::kNoChildren, &tcGuiMeter::end_barpos},
    {kApGraphBody, H::kApGraphChildren, nullptr},
    {kDynGraphBody, H::kDynGraphChildren, nullptr},
    {kIgnore, nullptr, nullptr},
};

tcBenchMaster::tcBenchMaster(const tcString& skin_dir)
    : tcObjectReader(skin_dir.empty() ? tcString() : tcString(skin_dir) += "/skin.xml") {}

tcBenchMaster::~tcBenchMaster() {
  clear();
}

const tcXmlData::StateRow* tcBenchMaster::state_table() const {
  return H::kStates;
}

int tcBenchMaster::load() {
  clear();
  restart_ids();
  colours_.clear();
  gradients_.clear();
  offsets_.clear();
  regions_.clear();
  bool full = false;
  fonts_.define("GQGUI_HFONT", tcGuiFont("Arial", 14, 11), &full);
  fonts_.define("GQGUI_MONOFONT", tcGuiFont("Lucida Console", 15, 11), &full);
  if (!path().empty()) {
    log_message(tcLog::kProgress, "Opening skin file");
    if (parse_file(path()) != 0) {
      containers_.clear();
      radio_group_ = nullptr;
      log_message(tcLog::kError, "ERROR: Loading the skin file");
      return -1;
    }
  }
  hfont_ = find_font("GQGUI_HFONT");
  monofont_ = find_font("GQGUI_MONOFONT");
  set_default_font(hfont_);
  for (const auto& object : objects()) object->finish();
  return 0;
}

void tcBenchMaster::clear() {
  // Objects point at fonts, so they go first.
  clear_objects();
  radio_group_ = nullptr;
  containers_.clear();
  object_groups_.clear();
  screens_.clear();
  fonts_.clear();
  hfont_ = nullptr;
  monofont_ = nullptr;
  set_default_font(nullptr);
}

tcGuiScreen* tcBenchMaster::find_screen(const char* name) const {
  for (const auto& screen : screens_) {
    if (screen->name == name) return screen.get();
  }
  return nullptr;
}

int tcBenchMaster::expression(const char* text) const {
  // Terms are held well inside 64 bits; the sum is cut to 32 bits at the end.
  constexpr long long kLimit = 1LL << 40;
  const auto clamp = [](long long v) { return v > kLimit ? kLimit : (v < -kLimit ? -kLimit : v); };
  long long sum = 0;
  long long pending = 0;
  int sign = 1;
  const char* p = text ? text : "";
  while (*p) {
    const char c = *p;
    if (c >= '0' && c <= '9') {
      pending = clamp(pending * 10 + (c - '0'));
      ++p;
    } else if (std::isalpha(static_cast<unsigned char>(c))) {
      const char* start = p;
      while (*p && *p != ' ' && *p != '\t' && *p != '+' && *p != '-') ++p;
      const std::string name(start, static_cast<size_t>(p - start));
      const int* value = offsets_.find(name.c_str());
      if (!value) {
        log_message(tcLog::kError,
                    "ERROR: Could not find a definition for offset \"%s\" on line %d of the skin "
                    "file.",
                    name.c_str(), current_line());
      }
      sum = clamp(sum + sign * (value ? *value : 0));
      // A "+" or "-" that ends the name is read as an operator by the next round.
    } else {
      sum = clamp(sum + sign * pending);
      pending = 0;
      if (c == '+' || c == '-') sign = c == '+' ? 1 : -1;
      ++p;
    }
  }
  sum = clamp(sum + sign * pending);
  return sum > INT_MAX ? INT_MAX : (sum < INT_MIN ? INT_MIN : static_cast<int>(sum));
}

uint32_t tcBenchMaster::colour(const char* text, bool* transparent) const {
  if (!text) text = "";
  if (transparent) *transparent = std::strcmp(text, "TRANSPARENT") == 0;
  if (const uint32_t* named = colours_.find(text)) return *named;
  uint32_t v = 0;
  int digits = 0;
  for (const char* p = text; digits < 8 && hex_digit(*p) >= 0; ++p, ++digits) {
    v = (v << 4) | static_cast<uint32_t>(hex_digit(*p));
  }
  if (digits == 0) return 0xFF000000u;
  if (std::strlen(text) <= 6) return 0xFF000000u | v;
  return (v >> 8) | (v << 24);  // RRGGBBAA to AARRGGBB
}

tcGuiImage* tcBenchMaster::image(const char* name) {
  if (!name || !*name) return nullptr;
  if (tcGuiObject* found = find_object(name)) return dynamic_cast<tcGuiImage*>(found);
  return static_cast<tcGuiImage*>(Handlers::object_for(*this, factory_of("image"), name));
}

void tcBenchMaster::enter_property(tcXmlData& x, int state) {
  Level& here = x.level();
  const Level& parent = x.parent_level();
  here.state = state;
  here.object = parent.object;
  here.user = parent.user;
}

void tcBenchMaster::enter_bar_position() {
  enter_property(*this, kBarpos);
}

tcGuiObject* tcBenchMaster::current_object() {
  const Level& here = level();
  return here.user == kObjectWord ? static_cast<tcGuiObject*>(here.object) : nullptr;
}

void tcBenchMaster::add(std::unique_ptr<tcGuiObject> object) {
  if (!containers_.empty()) containers_.back().objects.push_back(object->name());
  add_object(std::move(object));
}

tcString tcBenchMaster::element_name(const char** atts, bool with_prefix) {
  tcString name;
  if (with_prefix) {
    for (const Container& c : containers_) {
      name += c.name;
      name += "::";
    }
  }
  const char* id = attribute(atts, "id");
  if (id) {
    name += id;
  } else {
    name += anonymous_name();
  }
  return name;
}

tcString tcBenchMaster::anonymous_name() {
  tcString name;
  name.format("anonymous_%d", ++anonymous_);
  return name;
}

void tcBenchMaster::pop_container() {
  if (!containers_.empty()) containers_.pop_back();
}

void tcBenchMaster::close_object_group() {
  if (containers_.empty()) return;
  tcString name;
  for (const Container& c : containers_) {
    if (!name.empty()) name += "::";
    name += c.name;
  }
  Container closed = std::move(containers_.back());
  containers_.pop_back();
  // The outer container holds what the inner one held.
  if (!containers_.empty()) {
    std::vector<tcString>& outer = containers_.back().objects;
    outer.insert(outer.end(), closed.objects.begin(), closed.objects.end());
  }
  ObjectGroup* group = nullptr;
  for (ObjectGroup& g : object_groups_) {
    if (g.name == name) group = &g;
  }
  if (!group) {
    object_groups_.push_back(ObjectGroup{name, {}});
    group = &object_groups_.back();
  }
  for (const tcString& member : closed.objects) {
    tcGuiObject* object = find_object(member.c_str());
    if (object &&
        std::find(group->members.begin(), group->members.end(), object) == group->members.end()) {
      group->members.push_back(object);
    }
  }
}

const std::vector<tcGuiObject*>* tcBenchMaster::find_object_group(const char* name) const {
  for (const ObjectGroup& g : object_groups_) {
    if (g.name == name) return &g.members;
  }
  return nullptr;
}
