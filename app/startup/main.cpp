#include <QApplication>
#include <QIcon>
#include <QPixmap>
#include <QStyle>
#include <QStyleFactory>
#include <memory>

#include "app/core/tcLeakSuppressions.h"
#include "app/startup/tcAppContext.h"
#include "app/startup/tcQuitSignals.h"
#include "app/startup/tcSplash.h"
#include "panel/window/TK3Widget.h"

extern "C" const char* __lsan_default_suppressions() {
  return kQtLeakSuppressions;
}

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  tcAppContext::load_resources();
  if (QStyle* style = QStyleFactory::create(QStringLiteral("Plastique")))
    QApplication::setStyle(style);
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/Resources/quessa_vee.png")));

  // On screen before the long initialisation.
  auto splash =
      std::make_unique<tcSplash>(QPixmap(QStringLiteral(":/Resources/morvallion_splash.bmp")));
  splash->show();
  splash->repaint();
  app.processEvents();

  TK3Widget window;
  window.init();
  // The chosen skin, else "default", else the one built into the program.
  window.load_initial_skin();

  // Ctrl+C and SIGTERM close the window like its close box, so options are saved.
  tcQuitSignals quit_signals;
  QObject::connect(&quit_signals, &tcQuitSignals::sig_quit_requested, &window, &QWidget::close);

  window.show();
  splash->finish(&window);
  splash.reset();
  return app.exec();
}
