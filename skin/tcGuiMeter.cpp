#include "skin/tcGuiMeter.h"

#include <cstring>

#include "app/tcLog.h"
#include "skin/tcBenchMaster.h"
#include "skin/tcGuiImage.h"

namespace {
enum BarposArg { kCh, kX, kY, kOvrX, kOvrY };
enum TypeArg { kStyle, kClip, kChannels, kVertical, kTicksArg };
enum ImageArg { kBg, kBar, kOvr };
// Arguments of the shared text setter (see tcGuiObject::kTextAttrs).
enum TextArg { kTextX = 1, kTextY = 2, kTextColour = 3 };

const char* const kStyleNames[] = {"VU30",   "VU40", "VU60", "VUFS30", "VUFS40",
                                   "VUFS60", "GR15", "GR20", "GR30"};
const int kRangeDb[tcGuiMeter::kRanges] = {15, 20, 30, 40, 60};
int g_max_chans = 8;

void warn_sections(const tcBench* bench, const tcGuiImage* image, const char* text) {
  if (image && image->sections() != 6) {
    tcLog::message(bench ? bench->log_owner() : 0, tcLog::kError, "%s", text);
  }
}
}  // namespace

const tcXmlData::AttrRow tcGuiMeter::kBarposAttrs[] = {
    {"ch", kCh, &tcGuiMeter::set_barpos},     {"x", kX, &tcGuiMeter::set_barpos},
    {"y", kY, &tcGuiMeter::set_barpos},       {"ovrx", kOvrX, &tcGuiMeter::set_barpos},
    {"ovry", kOvrY, &tcGuiMeter::set_barpos}, {nullptr, 0, nullptr},
};

const tcXmlData::AttrRow tcGuiMeter::kTextAttrs[] = {
    {"x", kTextX, &tcGuiObject::set_text_attr},
    {"y", kTextY, &tcGuiObject::set_text_attr},
    {"color", kTextColour, &tcGuiObject::set_text_attr},
    {nullptr, 0, nullptr},
};

const tcXmlData::AttrRow tcGuiMeter::kBitmapAttrs[] = {
    {"bg", kBg, &tcGuiObject::set_bitmap},
    {"bar", kBar, &tcGuiObject::set_bitmap},
    {"ovr", kOvr, &tcGuiObject::set_bitmap},
    {nullptr, 0, nullptr},
};

const tcXmlData::AttrRow tcGuiMeter::kTypeAttrs[] = {
    {"style", kStyle, &tcGuiMeter::set_type},       {"clip", kClip, &tcGuiMeter::set_type},
    {"channels", kChannels, &tcGuiMeter::set_type}, {"vertical", kVertical, &tcGuiMeter::set_type},
    {"ticks", kTicksArg, &tcGuiMeter::set_type},    {nullptr, 0, nullptr},
};

tcGuiMeter::tcGuiMeter(tcBench* bench, int id, const tcString& name)
    : tcGuiObject(bench, kMeter, id, name) {}

tcGuiMeter::~tcGuiMeter() = default;

void tcGuiMeter::set_max_chans(int n) {
  g_max_chans = n > 0 ? n : 1;
}

int tcGuiMeter::max_chans() {
  return g_max_chans;
}

int tcGuiMeter::style_of(const char* text) {
  for (int i = 0; i < static_cast<int>(sizeof kStyleNames / sizeof kStyleNames[0]); ++i) {
    if (std::strcmp(text, kStyleNames[i]) == 0) return i;
  }
  return kVU40;
}

int tcGuiMeter::range_db(int range_index) {
  return kRangeDb[range_index];
}

void tcGuiMeter::finish() {
  warn_sections(bench(), bar_image_, "WARNING: Meter bar image does not have 6 sections.");
  warn_sections(bench(), ovr_, "WARNING: Meter ovr image does not have 6 sections.");
  int length = vertical_ ? h_ : w_;
  if (bar_image_ && !bar_image_->picture().isNull()) {
    length = vertical_ ? bar_image_->section_height() : bar_image_->section_width();
  }
  // A panel bar is never longer than this; it keeps the tables in range for any skin.
  length = length < 0 ? 0 : (length > 65536 ? 65536 : length);
  for (int r = 0; r < kRanges; ++r) {
    for (int level = 0; level < kLevels; ++level) {
      const double db = level * 0.25;
      lengths_[r][level] = static_cast<int>((length - 1) * db / kRangeDb[r] + 0.5);
    }
  }
  for (int i = 0; i < kTicks; ++i) tick_pos_[i] = static_cast<int>(length * i / 10.0 + 0.5);
  tcGuiObject::finish();
}

void tcGuiMeter::set_image(int arg, tcGuiImage* image) {
  switch (arg) {
    case kBg:
      bg_ = image;
      break;
    case kBar:
      bar_image_ = image;
      break;
    default:
      ovr_ = image;
      break;
  }
}

void tcGuiMeter::start_barpos(tcXmlData& x, const char*, const char**) {
  tcBenchMaster::enter_property(x, tcBenchMaster::kBarpos);
  if (tcGuiMeter* self = tcBenchMaster::target<tcGuiMeter>(x)) {
    self->pending_ch_ = -1;
    self->pending_ = Bar();
  }
}

void tcGuiMeter::end_barpos(tcXmlData& x) {
  tcGuiMeter* self = tcBenchMaster::target<tcGuiMeter>(x);
  if (!self) return;
  if (self->pending_ch_ >= 0 && self->pending_ch_ < self->channels()) {
    self->bars_[static_cast<size_t>(self->pending_ch_)] = self->pending_;
  }
}

void tcGuiMeter::set_barpos(tcXmlData& x, const char* value, int arg) {
  tcGuiMeter* self = tcBenchMaster::target<tcGuiMeter>(x);
  if (!self) return;
  const int v = tcBenchMaster::of(x).expression(value);
  switch (arg) {
    case kCh:
      self->pending_ch_ = v;
      break;
    case kX:
      self->pending_.x = v;
      break;
    case kY:
      self->pending_.y = v;
      break;
    case kOvrX:
      self->pending_.ovr_x = v;
      break;
    default:
      self->pending_.ovr_y = v;
      break;
  }
}

void tcGuiMeter::set_type(tcXmlData& x, const char* value, int arg) {
  tcGuiMeter* self = tcBenchMaster::target<tcGuiMeter>(x);
  if (!self) return;
  switch (arg) {
    case kStyle:
      self->style_ = style_of(value);
      break;
    case kClip:
      self->clip_ = tcBenchMaster::flag(value);
      break;
    case kChannels: {
      int n = tcBenchMaster::integer(value);
      if (n > g_max_chans) {
        tcBenchMaster::of(x).log_message(
            tcLog::kError,
            "ERROR: Maximimum meter channels exceeded, use tcGuiMeter::set_max_chans()");
        n = g_max_chans;
      }
      self->bars_.resize(static_cast<size_t>(n > 0 ? n : 0));
      break;
    }
    case kVertical:
      self->vertical_ = tcBenchMaster::flag(value);
      break;
    default:
      self->ticks_ = tcBenchMaster::flag(value);
      break;
  }
}
