#include "skin/tcGuiRadioItem.h"

#include "skin/tcBenchMaster.h"

namespace {
enum Arg { kX, kY, kValue, kColour, kFont, kTx, kTy, kImageArg };
}

const tcXmlData::AttrRow tcGuiRadioItem::kAttrs[] = {
    {"x", kX, &tcGuiRadioItem::set_attr},
    {"y", kY, &tcGuiRadioItem::set_attr},
    {"value", kValue, &tcGuiRadioItem::set_attr},
    {"color", kColour, &tcGuiRadioItem::set_attr},
    {"font", kFont, &tcGuiRadioItem::set_attr},
    {"tx", kTx, &tcGuiRadioItem::set_attr},
    {"ty", kTy, &tcGuiRadioItem::set_attr},
    {"image", kImageArg, &tcGuiRadioItem::set_attr},
    {nullptr, 0, nullptr},
};

tcGuiRadioItem::tcGuiRadioItem(tcBench* bench, int id, const tcString& name)
    : tcGuiObject(bench, kRadioItem, id, name) {}

tcGuiRadioItem::~tcGuiRadioItem() = default;

void tcGuiRadioItem::set_attr(tcXmlData& x, const char* value, int arg) {
  tcGuiRadioItem* self = tcBenchMaster::target<tcGuiRadioItem>(x);
  if (!self) return;
  tcBenchMaster& bench = tcBenchMaster::of(x);
  switch (arg) {
    case kX:
      self->set_x(bench.expression(value));
      self->x_set_ = true;
      break;
    case kY:
      self->set_y(bench.expression(value));
      self->y_set_ = true;
      break;
    case kValue:
      self->set_text(tcString(value));
      break;
    case kColour:
      self->text_colour_ = bench.colour(value);
      break;
    case kFont:
      if (const tcGuiFont* font = bench.find_font(value)) self->set_font_record(font);
      break;
    case kTx:
      self->set_text_dx(bench.expression(value));
      self->tx_set_ = true;
      break;
    case kTy:
      self->set_text_dy(bench.expression(value));
      self->ty_set_ = true;
      break;
    default:
      self->image_ = bench.image(value);
      break;
  }
}
