#pragma once
// The plot of the graphs: an area with gutters, axis colours, and an x and a
// y axis that map values to pixels and back. Graph draggers attach to it.
#include <QString>
#include <vector>

#include "skin/objects/tcGuiObject.h"

class tcGuiGraph : public tcGuiObject {
 public:
  enum Colour { kPlotBg, kGutterFg, kGutterBg, kAxisMajor, kAxisMinor };
  static constexpr int kBaseColours = kAxisMinor + 1;
  // Axis kinds: 0 linear counted from the maximum end, 1 logarithmic, 2 linear
  // counted from the minimum end.
  enum AxisKind { kLinearFromMax, kLog, kLinearFromMin };
  struct Axis {
    int kind = kLinearFromMin;
    int size = 0;
    float minimum = 0.0f;
    float maximum = 1.0f;
  };
  // A grid line that its owner places and labels itself.
  struct Mark {
    float value;
    QString label;
  };

  // Gutters around the plot area: the y labels on the left, the x labels below.
  static constexpr int kGutterLeft = 30;
  static constexpr int kGutterBottom = 14;
  static constexpr int kGutterTop = 4;
  static constexpr int kGutterRight = 6;
  // A title takes a row above the plot, a y title a column left of the y
  // labels, so neither is drawn over the curves.
  static constexpr int kTitleRow = 13;
  static constexpr int kTitleColumn = 12;

  ~tcGuiGraph() override;

  void finish() override;
  void set_width(int w) override;
  void set_height(int h) override;
  void paint(QPainter& painter) override;
  // The plot area, relative to the object.
  virtual QRect plot_rect() const;
  // The layers of the plot, with the painter at the plot origin.
  virtual void draw_background(QPainter& painter);
  virtual void draw_curves(QPainter& painter);
  virtual void draw_handles(QPainter& painter);
  // The axis labels in the gutters, with the painter at the object origin.
  virtual void draw_labels(QPainter& painter);
  // Sets an axis (the size always follows the plot area).
  void set_axis(bool x, int kind, float minimum, float maximum);
  // Marks of an axis in place of the automatic steps; none brings those back.
  void set_marks(bool x, std::vector<Mark> marks);
  const std::vector<Mark>& marks(bool x) const { return x ? x_marks_ : y_marks_; }
  // A title over the plot and a name along the y axis; empty texts draw
  // nothing and leave their room to the plot.
  void set_titles(const QString& title, const QString& y_title);
  const QString& title() const { return title_; }
  const QString& y_title() const { return y_title_; }

  static int to_pixel(const Axis& axis, float v);
  static float to_value(const Axis& axis, int p);

  Axis& x_axis() { return x_axis_; }
  Axis& y_axis() { return y_axis_; }
  const Axis& x_axis() const { return x_axis_; }
  const Axis& y_axis() const { return y_axis_; }
  uint32_t colour(int which) const { return colours_[which]; }

 protected:
  tcGuiGraph(tcBench* bench, int kind, int id, const tcString& name);
  // The colour of a `color` attribute of the graph; arg counts from kPlotBg.
  virtual void set_colour(int arg, uint32_t colour);
  static void colour_setter(tcXmlData& x, const char* value, int arg);
  // The axes take the plot's size; then plot_resized().
  void size_axes();
  virtual void plot_resized() {}
  // Grid values of an axis: majors (labelled) and minors.
  static void grid_of(const Axis& axis, std::vector<float>* majors, std::vector<float>* minors);
  // The grid of an axis as drawn: its marks when it has some, else the
  // automatic steps; labels go with the majors.
  struct Grid {
    std::vector<float> majors;
    std::vector<float> minors;
    std::vector<QString> labels;
  };
  Grid grid(bool x) const;

 private:
  Axis x_axis_{kLog, 0, 20.0f, 20000.0f};
  Axis y_axis_{kLinearFromMax, 0, -24.0f, 24.0f};
  std::vector<Mark> x_marks_;
  std::vector<Mark> y_marks_;
  QString title_;
  QString y_title_;
  uint32_t colours_[kBaseColours] = {0xFF000000u, 0xFFC0C0C0u, 0xFF202020u, 0xFF808080u,
                                     0xFF404040u};
};
