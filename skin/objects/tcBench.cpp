#include "skin/objects/tcBench.h"

#include <QPainter>
#include <QRect>
#include <cmath>
#include <limits>

#include "skin/objects/tcGuiObject.h"

tcBench::tcBench(const tcString& path) : tcXmlData(path) {}

tcBench::~tcBench() = default;

tcGuiObject* tcBench::add_object(std::unique_ptr<tcGuiObject> object) {
  tcGuiObject* raw = object.get();
  by_name_.emplace(std::string(raw->name().c_str(), static_cast<size_t>(raw->name().length())),
                   raw);
  objects_.push_back(std::move(object));
  return raw;
}

tcGuiObject* tcBench::find_object(const char* name) const {
  const auto it = by_name_.find(name ? name : "");
  return it == by_name_.end() ? nullptr : it->second;
}

void tcBench::clear_objects() {
  captured_ = nullptr;
  by_name_.clear();
  objects_.clear();
}

void tcBench::set_scale(float x, float y) {
  const auto usable = [](float f) { return std::isfinite(f) && f > 0.0f ? f : 1.0f; };
  scale_x_ = usable(x);
  scale_y_ = usable(y);
  scaled_ = !(scale_x_ == 1.0f && scale_y_ == 1.0f);
}

namespace {
int to_int(double v) {
  if (v >= std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
  if (v <= std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
  return static_cast<int>(v);
}
}  // namespace

int tcBench::scale_up(int v, float factor) {
  return factor == 1.0f ? v : to_int(static_cast<double>(factor) * v + 0.5);
}

int tcBench::scale_down(int v, float factor) {
  return factor == 1.0f ? v : to_int(v / static_cast<double>(factor) + 0.5);
}

template <class Accepts>
tcGuiObject* tcBench::object_at(int x, int y, Accepts accepts) const {
  for (const auto& object : objects_) {
    if (accepts(*object) && object->hit_test(x, y)) return object.get();
  }
  return nullptr;
}

void tcBench::paint(QPainter& painter, const QRect& dirty) {
  QRect rect = dirty;
  if (scaled_) {
    painter.scale(scale_x_, scale_y_);
    // Rounded outward, so no skin pixel of the dirty area is left out.
    const int left = static_cast<int>(std::floor(dirty.x() / static_cast<double>(scale_x_)));
    const int top = static_cast<int>(std::floor(dirty.y() / static_cast<double>(scale_y_)));
    const int right =
        static_cast<int>(std::ceil((dirty.x() + dirty.width()) / static_cast<double>(scale_x_)));
    const int bottom =
        static_cast<int>(std::ceil((dirty.y() + dirty.height()) / static_cast<double>(scale_y_)));
    rect = QRect(left, top, right - left, bottom - top);
  }
  paint_objects(painter, rect);
}

void tcBench::paint_objects(QPainter& painter, const QRect& skin_rect) {
  for (const auto& object : objects_) {
    if (!object->attached() && object->intersects(skin_rect)) object->paint(painter);
  }
}

QPoint tcBench::to_global(int skin_x, int skin_y) const {
  const QPoint p(to_widget_x(skin_x), to_widget_y(skin_y));
  return host_ ? host_->mapToGlobal(p) : p;
}

QRect tcBench::to_widget(const QRect& r) const {
  if (!scaled_) return r;
  const int left = static_cast<int>(std::floor(r.x() * static_cast<double>(scale_x_)));
  const int top = static_cast<int>(std::floor(r.y() * static_cast<double>(scale_y_)));
  const int right =
      static_cast<int>(std::ceil((r.x() + r.width()) * static_cast<double>(scale_x_)));
  const int bottom =
      static_cast<int>(std::ceil((r.y() + r.height()) * static_cast<double>(scale_y_)));
  return QRect(left, top, right - left, bottom - top).adjusted(-1, -1, 1, 1);
}

int tcBench::left_press(int x, int y) {
  x = to_skin_x(x);
  y = to_skin_y(y);
  tcGuiObject* object = object_at(x, y, [](const tcGuiObject& o) { return o.accepts_left(); });
  if (!object) return kNoObject;
  if (!object->left_press(x, y)) return kRefused;
  captured_ = object;
  return kCaptured;
}

bool tcBench::right_press(int x, int y) {
  x = to_skin_x(x);
  y = to_skin_y(y);
  tcGuiObject* object = object_at(x, y, [](const tcGuiObject& o) { return o.accepts_right(); });
  if (!object || !object->right_press(x, y)) return false;
  captured_ = object;
  return true;
}

void tcBench::release(int x, int y) {
  tcGuiObject* object = captured_;
  captured_ = nullptr;
  if (object) object->release(to_skin_x(x), to_skin_y(y));
}

void tcBench::drag(int x, int y, int modifiers) {
  if (captured_) {
    captured_->drag(to_skin_x(x), to_skin_y(y), modifiers);
  } else {
    hover(x, y);
  }
}

void tcBench::hover(int x, int y) {
  x = to_skin_x(x);
  y = to_skin_y(y);
  for (const auto& object : objects_) {
    if (object->accepts_hover()) object->hover(x, y);
  }
}

void tcBench::wheel(int x, int y, int step, int modifiers) {
  x = to_skin_x(x);
  y = to_skin_y(y);
  tcGuiObject* object = object_at(x, y, [](const tcGuiObject& o) { return o.accepts_wheel(); });
  if (object) object->wheel(step > 0 ? 1 : -1, modifiers);
}

void tcBench::double_click(int x, int y) {
  x = to_skin_x(x);
  y = to_skin_y(y);
  tcGuiObject* object =
      object_at(x, y, [](const tcGuiObject& o) { return o.accepts_double_click(); });
  if (object) object->double_click(x, y);
}

void tcBench::animate() {
  for (const auto& object : objects_) object->animate();
}

bool tcBench::group_locked(int) const {
  return false;
}

void tcBench::invalidate(const QRect& skin_rect) {
  if (host_ && !skin_rect.isEmpty()) host_->update(to_widget(skin_rect));
}
