// The window fed with the simulator's records for every view: each view and
// both panels draw the data. With QX_SHOT_DIR set the pictures are saved there.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>

#include "metering/analysis/tcAnalysis.h"
#include "metering/analysis/tcAnalysisWnd.h"
#include "metering/meters/tcMetersGR.h"
#include "metering/meters/tcMetersVU.h"
#include "tests/metering/analysis/tcAnalysisStores.h"
#include "tests/metering/analysis/tcSimRecords.h"

namespace {

// Share of pixels inside `r` that differ from the colour at its top-left corner.
double busy(const QImage& image, const QRect& r) {
  const QRgb ground = image.pixel(r.topLeft());
  int differ = 0;
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x) differ += image.pixel(x, y) != ground;
  return static_cast<double>(differ) / (r.width() * r.height());
}

void save(const QImage& image, const char* name) {
  const QString dir = qEnvironmentVariable("QX_SHOT_DIR");
  if (dir.isEmpty()) return;
  QDir().mkpath(dir);
  image.save(QDir(dir).filePath(QString::fromLatin1(name)));
}

class Shots : public ::testing::Test, protected tcAnalysisStores {};

}  // namespace

TEST_F(Shots, EveryViewDrawsTheSimulatorsData) {
  tcAnalysisWnd w(options, analysis_options, config);
  w.resize(900, 960);
  w.show();
  tcSimRecords sim;
  const char* names[] = {"view_fft.png", "view_oscope.png", "view_efield.png",
                         "view_3d.png",  "view_sdr.png",    "view_aclip.png"};
  for (int type = 0; type < tcAnalysisView::kTypes; ++type) {
    const int chain = type == tcAnalysisView::kSurfPlot ? 1 : 0;
    w.set_view_type(type);
    w.set_chain(chain);
    for (int i = 0; i < 60; ++i) w.feed(sim.next(type, chain));
    QApplication::processEvents();
    const QImage shot = w.analysis()->grab().toImage();
    const QRect plot = w.analysis()->current().plot_rect(shot.rect());
    EXPECT_GT(busy(shot, plot.adjusted(2, 2, -2, -2)), 0.02) << tcAnalysisView::type_name(type);
    save(shot, names[type]);
    if (type == tcAnalysisView::kFft) save(w.grab().toImage(), "window.png");
  }
  w.set_chain(0);
  w.feed(sim.next(0, 0));
  QApplication::processEvents();
  const QImage gr = w.meters_gr()->grab().toImage();
  const QImage vu = w.meters_vu()->grab().toImage();
  EXPECT_GT(busy(gr, QRect(50, tcMetersGR::kTop, gr.width() - 100, gr.height() - 70)), 0.05);
  EXPECT_GT(
      busy(vu, QRect(tcMetersVU::kBarLeft, tcMetersVU::kTop, vu.width() - 120, vu.height() - 60)),
      0.05);
  save(gr, "meters_gr.png");
  save(vu, "meters_vu.png");
}
