// The analysis window: panes, type and chain round trip, feeding, geometry,
// menus and the integration settings.
#include "metering/analysis/tcAnalysisWnd.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QMenuBar>
#include <QSignalSpy>
#include <QSlider>

#include "metering/analysis/tcAnalysis.h"
#include "metering/analysis/tcAnalysisEField.h"
#include "metering/analysis/tcAnalysisSettingsDlg.h"
#include "metering/analysis/tcAnalysisSpecDyn.h"
#include "metering/meters/tcMetersGR.h"
#include "metering/meters/tcMetersVU.h"
#include "tests/metering/analysis/tcAnalysisStores.h"
#include "tests/metering/analysis/tcSimRecords.h"

namespace {

class Window : public ::testing::Test, protected tcAnalysisStores {
 protected:
  // Every action of the window's menus, by text.
  QAction* find_action(tcAnalysisWnd& w, const QString& text) {
    for (QAction* a : w.menuBar()->findChildren<QAction*>())
      if (a->text() == text) return a;
    return nullptr;
  }
};

}  // namespace

TEST_F(Window, HidingAnalysisAndGrShowsTheVuPane) {
  tcAnalysisWnd w(options, analysis_options, config);
  EXPECT_EQ(w.windowTitle(), QStringLiteral("QX770HD Pro Analysis"));
  w.show();
  w.pane_action(tcAnalysisWnd::kVuPane)->trigger();  // hide VU
  EXPECT_FALSE(w.meters_vu()->isVisible());
  EXPECT_EQ(options.analysis_vwnd(), 0);
  w.pane_action(tcAnalysisWnd::kAnalysisPane)->trigger();
  EXPECT_EQ(options.analysis_awnd(), 0);
  w.pane_action(tcAnalysisWnd::kGrPane)->trigger();
  EXPECT_TRUE(w.meters_vu()->isVisible());
  EXPECT_TRUE(w.pane_action(tcAnalysisWnd::kVuPane)->isChecked());
  EXPECT_FALSE(w.meters_gr()->isVisible());
  EXPECT_EQ(options.analysis_vwnd(), 1);
  EXPECT_EQ(options.analysis_gwnd(), 0);
  // The VU pane cannot be hidden as long as it is the only one.
  w.pane_action(tcAnalysisWnd::kVuPane)->trigger();
  EXPECT_TRUE(w.meters_vu()->isVisible());
}

TEST_F(Window, StoredPanesAreRestoredAndAnEmptyWindowIsRefused) {
  options.set_analysis_awnd(0);
  options.set_analysis_gwnd(0);
  options.set_analysis_vwnd(0);
  tcAnalysisWnd w(options, analysis_options, config);
  EXPECT_TRUE(w.pane_shown(tcAnalysisWnd::kVuPane));
  EXPECT_FALSE(w.pane_shown(tcAnalysisWnd::kAnalysisPane));
}

TEST_F(Window, ChoicesAskTheMainWindowWhichSetsThemBack) {
  tcAnalysisWnd w(options, analysis_options, config);
  QSignalSpy types(&w, &tcAnalysisWnd::sig_set_analysis);
  QSignalSpy chains(&w, &tcAnalysisWnd::sig_set_analysis_chain);
  QAction* oscope = find_action(w, QStringLiteral("O-Scope"));
  QAction* hd = find_action(w, QStringLiteral("HD Analysis"));
  ASSERT_TRUE(oscope && hd);
  oscope->trigger();
  hd->trigger();
  ASSERT_EQ(types.count(), 1);
  EXPECT_EQ(types[0], (QVariantList{1, 2}));
  ASSERT_EQ(chains.count(), 1);
  EXPECT_EQ(chains[0], (QVariantList{1, 2}));
  // Nothing changes until the main window confirms.
  EXPECT_EQ(w.view_type(), 0);
  EXPECT_FALSE(oscope->isChecked());
  EXPECT_FALSE(hd->isChecked());
  w.set_view_type(1);
  w.set_chain(1);
  EXPECT_TRUE(oscope->isChecked());
  EXPECT_TRUE(hd->isChecked());
  EXPECT_EQ(w.meters_gr()->chain(), 1);
  // The display's context menu asks the same way.
  w.analysis()->slot_type_aclip();
  EXPECT_EQ(types.last(), (QVariantList{5, 2}));
  w.analysis()->slot_type_fm();
  EXPECT_EQ(chains.last(), (QVariantList{0, 2}));
  QStringList entries;
  for (QAction* a : w.analysis()->context_menu()->actions())
    if (!a->isSeparator()) entries << a->text();
  EXPECT_EQ(entries,
            (QStringList{"FM", "HD", "FFT", "O-Scope", "E vs F", "3-D Plot", "SDR", "A-Clip"}));
}

TEST_F(Window, FeedsBothPanelsAndTheCurrentView) {
  tcAnalysisWnd w(options, analysis_options, config);
  tcSimRecords sim;
  w.set_view_type(1);
  const tcMeterRecord r = sim.next(1, 0);
  w.feed(r);
  EXPECT_EQ(w.analysis()->current().frames(), 1);
  EXPECT_EQ(w.meters_vu()->bar(0)->value(), r.byte(46));
  EXPECT_EQ(w.meters_gr()->bar(tcMetersGR::kSst)->value(), r.byte(69));
  w.set_chain(1);
  w.feed(sim.next(1, 1));
  EXPECT_EQ(w.meters_gr()->bar(tcMetersGR::kMpx)->value(), 255);
}

TEST_F(Window, FactoryMenuOnlyForTheGuru) {
  {
    tcAnalysisWnd w(options, analysis_options, config);
    EXPECT_EQ(find_action(w, QStringLiteral("Edit Analysis...")), nullptr);
    EXPECT_NE(find_action(w, QStringLiteral("Settings...")), nullptr);
  }
  options.set_guru(true);
  tcAnalysisWnd w(options, analysis_options, config);
  EXPECT_NE(find_action(w, QStringLiteral("Edit VU Meters...")), nullptr);
  EXPECT_NE(find_action(w, QStringLiteral("Edit Analysis...")), nullptr);
  EXPECT_NE(find_action(w, QStringLiteral("Edit GR Meters...")), nullptr);
}

TEST_F(Window, GeometryIsSavedOnResizeAndRestored) {
  {
    tcAnalysisWnd w(options, analysis_options, config);
    w.show();
    w.resize(700, 810);
    QApplication::processEvents();
    EXPECT_FALSE(options.analysis_geometry().empty());
  }
  tcAnalysisWnd again(options, analysis_options, config);
  EXPECT_EQ(again.size(), QSize(700, 810));
  options.set_analysis_geometry("0badc0de");
  tcAnalysisWnd fallback(options, analysis_options, config);
  EXPECT_EQ(fallback.size(), QSize(860, 940));
}

TEST_F(Window, IntegrationSettingsApplyAtOnceAndAreKept) {
  tcAnalysisWnd w(options, analysis_options, config);
  tcAnalysisSettingsDlg dlg(w.analysis()->efield(), w.analysis()->specdyn());
  EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Analysis Settings"));
  dlg.evf_intg()->setValue(8);
  dlg.evf_release()->setValue(50);
  dlg.evf_peak()->setChecked(false);
  dlg.sdr_intg()->setValue(2);
  dlg.sdr_release()->setValue(25);
  EXPECT_EQ(w.analysis()->efield().intg_time(), 8);
  EXPECT_EQ(w.analysis()->efield().dynamics().release(), 50);
  EXPECT_FALSE(w.analysis()->efield().peak_hold());
  EXPECT_EQ(w.analysis()->specdyn().intg_time(), 2);
  EXPECT_EQ(w.analysis()->specdyn().rls_rate(), 25);
  EXPECT_DOUBLE_EQ(analysis_options.intg_time("EFIELDPLOT", 0), 8.0);
  EXPECT_EQ(analysis_options.rls_rate("SDR"), 25);
  EXPECT_FALSE(analysis_options.peak_hold("EFIELDPLOT", true));
  // A new display reads them back.
  tcAnalysis again(analysis_options, config);
  EXPECT_EQ(again.efield().intg_time(), 8);
  EXPECT_FALSE(again.efield().peak_hold());
}
