// The input, equaliser and compressor pages in the window, on-line with the
// simulator run in-process: a knob dragged on each page reaches the
// processor, and a preset the processor recalls redraws every page.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QThread>

#include "link/transport/tcApIface.h"
#include "panel/groups/tcControlGroupCompressor.h"
#include "panel/groups/tcControlGroupParametric.h"
#include "panel/window/TK3Widget.h"
#include "skin/draggers/tcCompDragger.h"
#include "skin/draggers/tcPEQDragger.h"
#include "tests/panel/groups/tcPageWorld.h"
#include "tests/panel/window/tcWindowOnline.h"

namespace {

// One knob of each page and its parameter.
struct PageKnob {
  int page;
  const char* knob;
  uint16_t param;
};
const PageKnob kKnobs[] = {
    {tcAPBench::kPageInput, "INPUT_ANA_GAIN_KNOB", 0x1001},
    {tcAPBench::kPageParametric, "PEQ1_L_KNOB", 0x130E},
    {tcAPBench::kPageCompressor, "COMP_DRV_KNOB", 0x1407},
};
// What the recalled preset holds for them, and for the first AGC attack band.
const float kPresetValues[] = {7.5f, -9.0f, 2.0f};
constexpr uint16_t kAgcAttack1 = 0x1429;
constexpr float kPresetAttack = 320.0f;
constexpr int kPresetSlot = 0;

// Copies the page test skin into the window's skins folder under `name`.
void install_page_skin(const QString& skins_dir, const QString& name) {
  const QDir source(tcPageSkin());
  const QDir target(QDir(skins_dir).filePath(name));
  QDir().mkpath(target.path());
  for (const QString& f : source.entryList(QDir::Files)) {
    QFile::copy(source.filePath(f), target.filePath(f));
  }
}

class EqPagesOnline : public tcWindowOnline<TK3Widget> {
 protected:
  // The processor holds the preset before it serves.
  EqPagesOnline() {
    SETTINGS& preset = *state_.slot(kPresetSlot).set;
    for (size_t i = 0; i < std::size(kKnobs); ++i) {
      preset.set_float(kKnobs[i].param, kPresetValues[i], kSourceSilent);
    }
    preset.set_float(kAgcAttack1, kPresetAttack, kSourceSilent);
  }
  void before_online() override {
    install_page_skin(window_.context()->dirs().skins_dir(), "pages");
    ASSERT_EQ(window_.load_skin("pages", false, false), 0);
    window_.show();
  }
  SETTINGS& bank() { return *stores().banks().set(0); }
  tcGuiObject* named(const char* name) { return window_.panel()->find_object(name); }
};

TEST_F(EqPagesOnline, AKnobOnEachPageReachesTheProcessor) {
  uint32_t expected[std::size(kKnobs)];
  for (size_t i = 0; i < std::size(kKnobs); ++i) {
    const PageKnob& k = kKnobs[i];
    window_.panel()->select_page(k.page);
    tcGuiObject* knob = named(k.knob);
    ASSERT_NE(knob, nullptr);
    ASSERT_TRUE(knob->visible()) << k.knob;
    expected[i] = bank().raw(k.param) + 4;
    tcDragOn(&window_, knob->area().center(), 0, -4);
    EXPECT_EQ(bank().raw(k.param), expected[i]) << k.knob;
  }
  ASSERT_TRUE(wait([&] { return !stores().bank_send().record(0)->any(); }));
  QThread::msleep(300);  // the frames are on their way to the simulator
  stop_simulator();
  for (size_t i = 0; i < std::size(kKnobs); ++i) {
    EXPECT_EQ(state_.bank(0).set->raw(kKnobs[i].param), expected[i]) << kKnobs[i].knob;
  }
}

TEST_F(EqPagesOnline, APresetTheProcessorRecallsRedrawsEveryPage) {
  window_.panel()->select_page(tcAPBench::kPageCompressor);
  tcApIface* link = window_.connection()->link();
  ASSERT_NE(link, nullptr);
  ASSERT_GT(link->send_take(0, kPresetSlot, 0), 0);
  ASSERT_TRUE(wait([&] {
    for (const PageKnob& k : kKnobs) {
      if (named(k.knob)->value() != static_cast<int>(bank().raw(k.param))) return false;
    }
    return bank().raw(kKnobs[0].param) == bank().eng_to_raw(kKnobs[0].param, kPresetValues[0]);
  }));
  for (size_t i = 0; i < std::size(kKnobs); ++i) {
    EXPECT_FLOAT_EQ(bank().eng(kKnobs[i].param), kPresetValues[i]) << kKnobs[i].knob;
  }
  // The graphs follow too: the band of the equaliser and the attack adjuster.
  const auto* eq =
      static_cast<tcControlGroupParametric*>(window_.panel()->group(tcAPBench::kParametric));
  EXPECT_FLOAT_EQ(eq->dragger(tcControlGroupParametric::kMain)->band(0).gain, kPresetValues[1]);
  const auto* comp =
      static_cast<tcControlGroupCompressor*>(window_.panel()->group(tcAPBench::kCompressor));
  EXPECT_FLOAT_EQ(comp->dragger()->adjusters().at(0).value, bank().eng(kAgcAttack1));
  EXPECT_FLOAT_EQ(bank().eng(kAgcAttack1), kPresetAttack);
  // Nothing the processor sent goes back.
  EXPECT_FALSE(stores().bank_send().record(0)->any());
}

}  // namespace
