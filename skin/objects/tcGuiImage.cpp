#include "skin/objects/tcGuiImage.h"

#include <QPainter>
#include <cstring>

#include "app/core/tcLog.h"
#include "skin/objects/tcObjectReader.h"

namespace {
enum Arg { kFile, kSections, kTrans, kDirection };
}

const tcXmlData::AttrRow tcGuiImage::kAttrs[] = {
    {"file", kFile, &tcGuiImage::set_attr},
    {"sections", kSections, &tcGuiImage::set_attr},
    {"trans", kTrans, &tcGuiImage::set_attr},
    {"direction", kDirection, &tcGuiImage::set_attr},
    {nullptr, 0, nullptr},
};

tcGuiImage::tcGuiImage(tcBench* bench, int id, const tcString& name)
    : tcGuiObject(bench, kImage, id, name) {}

tcGuiImage::~tcGuiImage() = default;

void tcGuiImage::finish() {
  if (has_trans_ && !picture_.isNull()) {
    // Pixels of the transparent colour become see-through.
    QImage argb = picture_.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = trans_ | 0xFF000000u;
    for (int row = 0; row < argb.height(); ++row) {
      QRgb* line = reinterpret_cast<QRgb*>(argb.scanLine(row));
      for (int col = 0; col < argb.width(); ++col) {
        if ((line[col] | 0xFF000000u) == key) line[col] = 0;
      }
    }
    picture_ = argb;
  }
  // Cut on first use: pictures of pages never shown are never converted.
  cut_done_ = false;
  cut_.clear();
  size_from(this);
  tcGuiObject::finish();
}

void tcGuiImage::cut() const {
  if (cut_done_) return;
  cut_done_ = true;
  cut_.clear();
  if (picture_.isNull()) return;
  const QImage premultiplied = picture_.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  // A single section is the whole picture: shared, not copied.
  if (sections_ == 1) {
    cut_.push_back(premultiplied);
    return;
  }
  for (int i = 0; i < sections_; ++i) {
    const QRect r = section_rect(i);
    if (r.isEmpty()) break;
    cut_.push_back(premultiplied.copy(r));
  }
}

const QImage* tcGuiImage::section(int i) const {
  cut();
  return i >= 0 && i < static_cast<int>(cut_.size()) ? &cut_[static_cast<size_t>(i)] : nullptr;
}

void tcGuiImage::draw_section(QPainter& painter, int i, int x, int y) const {
  if (const QImage* s = section(i)) painter.drawImage(QPoint(x, y), *s);
}

void tcGuiImage::draw_section_part(QPainter& painter, int i, const QRect& r, int x, int y) const {
  const QImage* s = section(i);
  if (!s) return;
  const QRect part = r & s->rect();
  if (!part.isEmpty()) painter.drawImage(QPoint(x + part.x(), y + part.y()), *s, part);
}

void tcGuiImage::paint(QPainter& painter) {
  draw_section(painter, 0, x_, y_);
  paint_overlay(painter);
}

int tcGuiImage::section_width() const {
  return vertical_ ? picture_.width() : picture_.width() / sections_;
}

int tcGuiImage::section_height() const {
  return vertical_ ? picture_.height() / sections_ : picture_.height();
}

QRect tcGuiImage::section_rect(int i) const {
  const int w = section_width();
  const int h = section_height();
  return vertical_ ? QRect(0, i * h, w, h) : QRect(i * w, 0, w, h);
}

void tcGuiImage::load(const QString& path) {
  cut_done_ = false;
  if (path.isEmpty() || !picture_.load(path)) {
    picture_ = QImage();
    tcLog::message(bench()->log_owner(), tcLog::kError,
                   "ERROR: Could not load the image file \"%s\".", file_.c_str());
  }
}

void tcGuiImage::set_attr(tcXmlData& x, const char* value, int arg) {
  tcGuiImage* self = tcObjectReader::target<tcGuiImage>(x);
  if (!self) return;
  switch (arg) {
    case kFile:
      self->file_ = value;
      // Only files of the skin directory are read.
      self->load(x.resolve_in_base(value));
      break;
    case kSections: {
      const int n = tcObjectReader::integer(value);
      self->sections_ = n > 0 ? n : 1;
      self->cut_done_ = false;
      break;
    }
    case kTrans:
      self->trans_ = tcObjectReader::of(x).colour(value);
      self->has_trans_ = true;
      break;
    default:
      self->vertical_ = std::strcmp(value, "horz") != 0;
      self->cut_done_ = false;
      break;
  }
}
