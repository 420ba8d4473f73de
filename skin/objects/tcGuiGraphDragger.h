#pragma once
// The editor of one processing block on a processing-curve plot. The plot
// forwards its pointer input here in plot coordinates (pointer minus plot
// origin and gutter) and calls the three drawing layers from its paint with the
// painter already translated to the plot origin.
//
// Answers of the input hooks: bit 0 asks the plot to repaint, bit 1 raises the
// plot's changed flag.
#include <QObject>
#include <QPoint>

class QPainter;
class tcGuiApGraph;

class tcGuiGraphDragger : public QObject {
  Q_OBJECT

 public:
  enum Answer { kRepaint = 1, kChanged = 2 };

  // The plot size is taken from the graph's axes, which span the plot area.
  explicit tcGuiGraphDragger(tcGuiApGraph* graph, QObject* parent = nullptr);
  ~tcGuiGraphDragger() override;

  virtual void set_plot_size(int width, int height);
  virtual void draw_background(QPainter& p);
  virtual void draw_curves(QPainter& p);
  virtual void draw_handles(QPainter& p);
  virtual int left_press(int x, int y);
  virtual int double_click(int x, int y);
  virtual int right_press(int x, int y);
  virtual int release(int x, int y);
  // Pointer movement since the last drag event while a button is held.
  virtual int drag(int dx, int dy, int modifiers);
  // Pointer movement over the plot with no button held.
  virtual int hover(int x, int y);
  virtual int wheel(int step, int modifiers);
  // The pointer left the plot.
  virtual int leave();

  tcGuiApGraph* graph() const { return graph_; }
  int plot_width() const { return plot_w_; }
  int plot_height() const { return plot_h_; }
  QPoint left_press_pos() const { return left_pos_; }
  QPoint right_press_pos() const { return right_pos_; }

 protected:
  // For changes made outside the pointer hooks (menu actions, parameters
  // arriving): asks the bench to repaint the graph's area.
  void request_repaint() const;

 private:
  tcGuiApGraph* const graph_;
  int plot_w_ = 0;
  int plot_h_ = 0;
  QPoint left_pos_;
  QPoint right_pos_;
};
