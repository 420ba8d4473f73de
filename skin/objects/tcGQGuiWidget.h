#pragma once
// The widget that shows a bench: it turns Qt's mouse, wheel and paint events
// into bench calls, and lets the window be dragged by the top of the panel.
#include <QPoint>
#include <QWidget>
#include <memory>

class tcBench;

class tcGQGuiWidget : public QWidget {
  Q_OBJECT

 public:
  // Presses on empty panel area this close to the top drag the window.
  static constexpr int kDragBand = 30;

  explicit tcGQGuiWidget(QWidget* parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags());
  ~tcGQGuiWidget() override;

  // Takes the bench (the previous one is deleted) and shows it.
  void set_bench(std::unique_ptr<tcBench> bench);
  tcBench* bench() const { return bench_.get(); }
  void delete_bench();
  void set_window_drag(bool allowed) { window_drag_allowed_ = allowed; }
  bool window_dragging() const { return window_dragging_; }
  // Places the window in the middle of its screen.
  void centre();
  // Modifier flags of the objects' drags and wheel steps.
  static int modifier_flags(Qt::KeyboardModifiers modifiers);

 protected:
  // A right press that no object takes; the main window shows its menu here.
  virtual void context_menu(const QPoint& global_pos);

  void closeEvent(QCloseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  std::unique_ptr<tcBench> bench_;
  bool window_drag_allowed_ = true;
  bool window_dragging_ = false;
  QPoint drag_offset_;  // pointer minus window position, in global coordinates
};
