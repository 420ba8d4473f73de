#pragma once
// What the compressor and multiband slide draggers share: a row of linked
// level adjusters, their handles, and the menu of the seven link actions.
#include <memory>
#include <vector>

#include "skin/draggers/tcDraggerAdjusters.h"
#include "skin/objects/tcGuiGraphDragger.h"

class QAction;
class QMenu;
class tcGuiImage;

class tcDraggerAdjusterBase : public tcGuiGraphDragger {
  Q_OBJECT

 public:
  ~tcDraggerAdjusterBase() override;

  void set_band_ops(tcDraggerBandOps ops) { adj_.set_ops(std::move(ops)); }
  // Values from the group; no write.
  void set_value(int band, float value) { adj_.set_value(band, value); }
  void set_values(const float* values, int count);
  // An image of four sections: linked, linked selected, independent,
  // independent selected. None draws plain handles.
  void set_adjuster_image(const tcGuiImage* image) { image_ = image; }
  void set_drag_mode(int mode);

  const tcDraggerAdjusters& adjusters() const { return adj_; }
  int adjuster_x(int i) const { return i >= 0 && i < static_cast<int>(xs_.size()) ? xs_[i] : 0; }
  QMenu* menu() const { return menu_.get(); }

  void set_plot_size(int width, int height) override;
  void draw_handles(QPainter& p) override;
  int double_click(int x, int y) override;
  int right_press(int x, int y) override;
  int release(int x, int y) override;
  int drag(int dx, int dy, int modifiers) override;
  int wheel(int step, int modifiers) override;

 public slots:
  void slot_flatten();
  void slot_group();
  void slot_ungroup();
  void slot_group_all();
  void slot_ungroup_all();
  void slot_prop_drag();
  void slot_flat_drag();

 protected:
  tcDraggerAdjusterBase(tcGuiApGraph* graph, int count, int mode, QObject* parent);

  // The adjuster a pointer x selects, -1 for none.
  virtual int zone_at(int x) const;
  // Whether an adjuster is drawn and can be hit.
  virtual bool shown(int) const { return true; }
  // New plot x positions of the adjusters.
  virtual void place() = 0;
  // A press on an adjuster's zone: selects it and starts a drag from the
  // current heights; false (and no drag) when no zone holds x.
  bool begin_drag(int x);
  void stop_drag() { dragging_ = false; }

  std::vector<int> xs_;
  tcDraggerAdjusters adj_;

 private:
  void show_mode();

  std::unique_ptr<QMenu> menu_;
  QAction* prop_action_ = nullptr;
  QAction* flat_action_ = nullptr;
  const tcGuiImage* image_ = nullptr;
  bool dragging_ = false;
  int acc_dy_ = 0;
};
