#include "panel/window/TK3Widget.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QIcon>
#include <QTemporaryDir>
#include <QThread>

#include "app/core/tcLog.h"
#include "metering/analysis/tcAnalysisWnd.h"
#include "metering/meters/tcBarWidget.h"
#include "metering/meters/tcMetersVU.h"
#include "tests/panel/window/tcWindowOnline.h"

namespace {

QByteArray read_all(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

TEST(TK3Widget, StartsTheProcessObjectsAndSavesOptionsOnClose) {
  QTemporaryDir work, docs;
  TK3Widget window;
  EXPECT_EQ(window.context(), nullptr);
  ASSERT_EQ(window.init({{"qx770xpro", "-data", "Studio2"}, work.path(), docs.path()}), 0);
  EXPECT_EQ(window.windowTitle(), "QX770HD Pro");
  EXPECT_FALSE(window.windowIcon().isNull());

  tcAppContext* context = window.context();
  ASSERT_NE(context, nullptr);
  EXPECT_EQ(tcAppContext::instance(), context);
  EXPECT_EQ(context->dirs().data_dir(), QDir(docs.path()).filePath("Morvallion/Studio2"));

  // The log hook writes to the skin log in the working directory.
  tcLog::message(0, tcLog::kError, "Failed to open file: %s\n", "skin.xml");
  EXPECT_EQ(read_all(QDir(work.path()).filePath("skin.log")),
            QByteArray("Failed to open file: skin.xml\n"));

  context->options().set_online(1);
  context->analysis_options().set_rls_rate("FFT", 20);
  context->analysis_config().set_legend("GRMETERS", false);
  const QString data = context->dirs().data_dir() + "/";

  window.show();
  EXPECT_TRUE(window.close());
  EXPECT_EQ(window.context(), nullptr);
  EXPECT_EQ(tcAppContext::instance(), nullptr);
  EXPECT_TRUE(read_all(data + "qx770xpro.ini").contains("ONLINE=\"1\""));
  EXPECT_TRUE(read_all(data + "qx770xpro_analysis.ini").contains("rls_rate=\"20\""));
  EXPECT_TRUE(read_all(data + "qx770xpro_analysis_cfg.ini").contains("legend=\"0\""));
}

namespace {

constexpr uint16_t kAnalysisType = 0x200C;
constexpr uint16_t kAnalysisChain = 0x200D;

// On-line with a panel: the Main group routes the processor's analysis globals.
class AnalysisOnline : public tcWindowOnline<TK3Widget> {
 protected:
  void before_online() override { ASSERT_EQ(window_.load_initial_skin(), 0); }
};

}  // namespace

TEST_F(AnalysisOnline, ChoicesInTheAnalysisWindowGoToTheProcessorAndItsChoicesAreShown) {
  tcAnalysisWnd* analysis = window_.analysis_window();
  ASSERT_NE(analysis, nullptr);

  // Chosen in the analysis window: the globals change, go out, and the window follows.
  emit analysis->sig_set_analysis(3, kSourceConsole);
  emit analysis->sig_set_analysis_chain(1, kSourceConsole);
  EXPECT_EQ(analysis->view_type(), 3);
  EXPECT_EQ(analysis->chain(), 1);
  ASSERT_TRUE(wait([&] { return !stores().globals_send().any(); }));
  QThread::msleep(300);  // the frame is on its way to the simulator
  stop_simulator();
  EXPECT_EQ(state_.globals().int_value(kAnalysisType), 3u);
  EXPECT_EQ(state_.globals().int_value(kAnalysisChain), 1u);

  // Chosen on the processor: shown here, and not sent back.
  stores().globals().set_int(kAnalysisType, 5, kSourceProcessor);
  stores().globals().set_int(kAnalysisChain, 0, kSourceProcessor);
  ASSERT_TRUE(wait([&] { return analysis->view_type() == 5 && analysis->chain() == 0; }));
  EXPECT_FALSE(stores().globals_send().any());
}

TEST_F(AnalysisOnline, MeterRecordsReachTheShownAnalysisWindow) {
  tcAnalysisWnd* analysis = window_.analysis_window();
  ASSERT_NE(analysis, nullptr);
  window_.slot_show_analysis();
  EXPECT_TRUE(analysis->isVisible());
  // The simulator's programme lights the first VU bar within a few records.
  ASSERT_TRUE(wait([&] { return analysis->meters_vu()->bar(0)->value() != 0; }));
  window_.close();
  EXPECT_EQ(window_.analysis_window(), nullptr);
}
