#pragma once
// The console's generic main window. Its initialisation brings up the
// process-wide objects in their fixed order; closing it saves the options and
// releases what it created.
#include <QWidget>
#include <memory>

#include "app/tcAppContext.h"

class tcApWidget : public QWidget {
  Q_OBJECT
 public:
  static constexpr const char* kTitle = "QX770HD Pro";
  static constexpr const char* kIconPath = ":/Resources/quessa_vee.png";

  explicit tcApWidget(QWidget* parent = nullptr);
  ~tcApWidget() override;

  // Start-up of the window and the process-wide objects. Returns 0.
  int init(const tcAppSetup& setup = tcAppSetup::from_process());

  // None before init() and after close.
  tcAppContext* context() { return context_.get(); }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  // The parameter model, preset library, meter listener and device list come
  // up here, after the application objects and before the skin.
  void create_shared_stores();
  // Saves the options and destroys the process-wide objects, newest first.
  void release_shared_stores();

  std::unique_ptr<tcAppContext> context_;
};
