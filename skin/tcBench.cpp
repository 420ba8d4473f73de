#include "skin/tcBench.h"

#include <QPainter>
#include <QRect>
#include <cmath>
#include <limits>

#include "skin/tcGuiObject.h"

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
    rect = QRect(to_skin_x(dirty.x()), to_skin_y(dirty.y()), to_skin_x(dirty.width()) + 1,
                 to_skin_y(dirty.height()) + 1);
  }
  for (const auto& object : objects_) {
    if (object->intersects(rect)) object->paint(painter);
  }
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

void tcBench::invalidate(const QRect&) {}
