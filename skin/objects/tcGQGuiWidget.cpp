#include "skin/objects/tcGQGuiWidget.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QWheelEvent>

#include "skin/objects/tcBench.h"
#include "skin/objects/tcGuiObject.h"

tcGQGuiWidget::tcGQGuiWidget(QWidget* parent, Qt::WindowFlags flags) : QWidget(parent, flags) {
  // Hover needs moves without a button; the bench paints every pixel it owns.
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

tcGQGuiWidget::~tcGQGuiWidget() {
  delete_bench();
}

void tcGQGuiWidget::set_bench(std::unique_ptr<tcBench> bench) {
  delete_bench();
  bench_ = std::move(bench);
  if (bench_) bench_->set_host(this);
  update();
}

void tcGQGuiWidget::delete_bench() {
  window_dragging_ = false;
  bench_.reset();
}

void tcGQGuiWidget::centre() {
  const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  QWidget* w = window();
  const QRect area = screen->availableGeometry();
  w->move(area.center() - QPoint(w->frameGeometry().width() / 2, w->frameGeometry().height() / 2));
}

int tcGQGuiWidget::modifier_flags(Qt::KeyboardModifiers modifiers) {
  int flags = 0;
  if (modifiers & Qt::ShiftModifier) flags |= tcGuiObject::kShift;
  if (modifiers & Qt::ControlModifier) flags |= tcGuiObject::kControl;
  return flags;
}

void tcGQGuiWidget::context_menu(const QPoint&) {}

void tcGQGuiWidget::closeEvent(QCloseEvent* event) {
  delete_bench();
  QWidget::closeEvent(event);
}

void tcGQGuiWidget::mousePressEvent(QMouseEvent* event) {
  if (!bench_) return;
  const QPoint pos = event->pos();
  if (event->button() == Qt::LeftButton) {
    const int answer = bench_->left_press(pos.x(), pos.y());
    if (answer == tcBench::kNoObject && window_drag_allowed_ && pos.y() < kDragBand) {
      window_dragging_ = true;
      drag_offset_ = event->globalPos() - window()->pos();
    }
  } else if (event->button() == Qt::RightButton) {
    if (!bench_->right_press(pos.x(), pos.y())) context_menu(event->globalPos());
  }
}

void tcGQGuiWidget::mouseReleaseEvent(QMouseEvent* event) {
  window_dragging_ = false;
  if (bench_) bench_->release(event->pos().x(), event->pos().y());
}

void tcGQGuiWidget::mouseMoveEvent(QMouseEvent* event) {
  if (window_dragging_) {
    window()->move(event->globalPos() - drag_offset_);
    return;
  }
  // The bench drags a captured object, or offers the hover to the objects.
  if (bench_) bench_->drag(event->pos().x(), event->pos().y(), modifier_flags(event->modifiers()));
}

void tcGQGuiWidget::mouseDoubleClickEvent(QMouseEvent* event) {
  if (bench_ && event->button() == Qt::LeftButton) {
    bench_->double_click(event->pos().x(), event->pos().y());
  }
}

void tcGQGuiWidget::wheelEvent(QWheelEvent* event) {
  if (!bench_) return;
  const QPoint delta = event->angleDelta();
  const int d = delta.y() != 0 ? delta.y() : delta.x();
  if (d == 0) return;
  const QPoint pos = event->position().toPoint();
  // However large the delta, one event is one step.
  bench_->wheel(pos.x(), pos.y(), d > 0 ? 1 : -1, modifier_flags(event->modifiers()));
  event->accept();
}

void tcGQGuiWidget::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  // Rectangle by rectangle: a meter update dirties a few bars far apart, and
  // their bounding rectangle would repaint most of the panel.
  for (const QRect& r : event->region()) {
    painter.save();
    painter.setClipRect(r);
    painter.fillRect(r, palette().window());
    if (bench_) bench_->paint(painter, r);
    painter.restore();
  }
}
