#include "skin/objects/tcGuiButton.h"

#include <QPainter>

#include "skin/objects/tcGuiImage.h"
#include "skin/objects/tcObjectReader.h"

const tcXmlData::AttrRow tcGuiButton::kModeAttrs[] = {
    {"autorepeat", 0, &tcGuiButton::set_autorepeat},
    {nullptr, 0, nullptr},
};

tcGuiButton::tcGuiButton(tcBench* bench, int id, const tcString& name)
    : tcGuiObject(bench, kButton, id, name) {}

tcGuiButton::~tcGuiButton() = default;

std::unique_ptr<tcGuiObject> tcGuiButton::clone(int id, const tcString& name) const {
  return clone_as<tcGuiButton>(id, name);
}

void tcGuiButton::finish() {
  size_from(image_);
  tcGuiObject::finish();
}

void tcGuiButton::set_state(int state) {
  if (state == display_state_) return;
  display_state_ = state;
  repaint();
}

QPoint tcGuiButton::text_origin() const {
  // A button's text sits at its aligned edge; the offsets are the press shift.
  int x = 0;
  if (align_ & Qt::AlignHCenter) x = w_ / 2;
  if (align_ & Qt::AlignRight) x = w_;
  int y = 0;
  if (align_ & Qt::AlignVCenter) y = h_ / 2;
  if (align_ & Qt::AlignBottom) y = h_;
  return QPoint(x, y);
}

void tcGuiButton::click() const {
  if (click_callback_) click_callback_(cookie_, group_);
}

bool tcGuiButton::left_press(int, int) {
  if (blocked()) return false;
  pressed_ = true;
  down_ = true;
  repeat_ = 0;
  repeated_ = false;
  repaint();
  report(kPressed);
  return true;
}

void tcGuiButton::drag(int x, int y, int) {
  if (!pressed_) return;
  const bool over = hit_test(x, y);
  if (down_ && !over) {
    down_ = false;
    repaint();
    report(kLeft);
  } else if (!down_ && over) {
    down_ = true;
    repeat_ = 0;
    repaint();
    report(kReentered);
  }
}

void tcGuiButton::release(int x, int y) {
  drag(x, y, 0);  // the release point decides, whatever moves came before
  const bool was_down = pressed_ && down_;
  pressed_ = false;
  down_ = false;
  repaint();
  if (!was_down) return;
  report(kReleased);
  // Once repeats began, the release adds no click of its own.
  if (!repeated_) click();
}

void tcGuiButton::animate() {
  if (!autorepeat_ || !down_) return;
  ++repeat_;
  // Tick 11 is 1.1 s after the press; then every other tick, 200 ms apart.
  if (repeat_ > 10 && (repeat_ & 1)) {
    repeated_ = true;
    click();
  }
}

void tcGuiButton::paint(QPainter& painter) {
  paint_backdrop(painter);
  if (image_) {
    const int section = display_state_ * 3 + (down_ ? 2 : (hover_ ? 1 : 0));
    image_->draw_section(painter, section, x_, y_);
  }
  if (down_) {
    painter.save();
    painter.translate(press_dx_, press_dy_);
    draw_text(painter);
    painter.restore();
  } else {
    draw_text(painter);
  }
  draw_focus(painter);
  paint_attachments(painter);
}

void tcGuiButton::copy_look(const tcGuiObject& source) {
  const auto& other = static_cast<const tcGuiButton&>(source);
  image_ = other.image_;
  autorepeat_ = other.autorepeat_;
  press_dx_ = other.press_dx_;
  press_dy_ = other.press_dy_;
}

void tcGuiButton::set_autorepeat(tcXmlData& x, const char* value, int) {
  if (tcGuiButton* self = tcObjectReader::target<tcGuiButton>(x)) {
    self->autorepeat_ = tcObjectReader::flag(value);
  }
}
