#include "skin/objects/tcGuiMeter.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "tests/skin/objects/tcPanelWorld.h"
#include "tests/support/tcLogCapture.h"

namespace {

TEST(GuiMeter, LevelsLightTheBarOnTheStylesScale) {
  tcPanelWorld w;
  ASSERT_EQ(w.loaded, 0);
  tcGuiMeter* m = w.get<tcGuiMeter>("OUT_METER");
  ASSERT_EQ(m->channels(), 2);
  EXPECT_EQ(m->bar_length(), 100);
  // VU40: full scale lights the whole bar, 40 dB down (160 quarter dB) nothing.
  EXPECT_EQ(m->lit_of(0), 100);
  EXPECT_EQ(m->lit_of(80), 100 - m->bar_length(3, 80));  // 20 dB: about half
  EXPECT_NEAR(m->lit_of(80), 51, 1);
  EXPECT_EQ(m->lit_of(160), 0);
  EXPECT_EQ(m->lit_of(254), 0);
  EXPECT_EQ(m->lit_of(tcGuiMeter::kNoValue), 0);
  // GR20: no reduction lights nothing, 20 dB the whole bar.
  tcGuiMeter* gr = w.get<tcGuiMeter>("GR_METER");
  EXPECT_TRUE(gr->gain_reduction());
  EXPECT_EQ(gr->lit_of(0), 0);
  EXPECT_EQ(gr->lit_of(80), gr->bar_length());
  EXPECT_EQ(gr->lit_of(200), gr->bar_length());
}

TEST(GuiMeter, AnUpdateRepaintsOnlyTheBarsThatChanged) {
  tcPanelWorld w;
  tcGuiMeter* m = w.get<tcGuiMeter>("OUT_METER");
  m->set_level(0, 40);
  ASSERT_EQ(w.bench->invalidated.size(), 1u);
  EXPECT_EQ(w.bench->invalidated[0], m->bar_rect(0));
  EXPECT_EQ(m->bar_rect(0), QRect(320, 46, 8, 100));
  w.bench->invalidated.clear();
  m->set_level(0, 40);   // unchanged
  m->set_level(1, 255);  // still dark
  EXPECT_TRUE(w.bench->invalidated.empty());
  m->set_over(1, true);
  ASSERT_EQ(w.bench->invalidated.size(), 1u);
  EXPECT_EQ(w.bench->invalidated[0], m->over_rect(1));

  // Lit from the bottom: 10 dB down on VU40 leaves the top quarter dark.
  const QImage img = w.render();
  const QRect bar = m->bar_rect(0);
  EXPECT_EQ(QColor(img.pixel(bar.x() + 2, bar.bottom() - 2)), QColor(0x30, 0xE0, 0x50));
  EXPECT_NE(QColor(img.pixel(bar.x() + 2, bar.y() + 3)), QColor(0xFF, 0x30, 0x30));
  EXPECT_EQ(QColor(img.pixel(m->over_rect(1).center())), QColor(0xFF, 0x20, 0x20));
  EXPECT_EQ(QColor(img.pixel(m->over_rect(0).center())), QColor(0x48, 0x10, 0x10));
}

TEST(GuiMeter, BarAndOverloadPicturesNeedSixSections) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  QFile::copy(QString::fromLatin1(tcTestSkinDir("panelskin").c_str()) + "/bar.png",
              dir.filePath("bar.png"));
  QFile xml(dir.filePath("skin.xml"));
  ASSERT_TRUE(xml.open(QIODevice::WriteOnly));
  xml.write(
      "<skin><image id=\"B\" file=\"bar.png\" sections=\"5\" direction=\"horz\"/>"
      "<image id=\"O\" file=\"bar.png\" sections=\"6\" direction=\"horz\"/>"
      "<meter id=\"M\"><bitmap bar=\"B\" ovr=\"O\"/><type channels=\"1\"/></meter>"
      "<meter id=\"N\"><bitmap bar=\"O\" ovr=\"B\"/><type channels=\"1\"/></meter></skin>");
  xml.close();
  tcLogCapture log;
  tcBenchMaster bench(tcString(dir.path().toLatin1().constData()));
  ASSERT_EQ(bench.load(), 0);
  EXPECT_EQ(log.count(3, "WARNING: Meter bar image does not have 6 sections."), 1);
  EXPECT_EQ(log.count(3, "WARNING: Meter ovr image does not have 6 sections."), 1);
}

}  // namespace
