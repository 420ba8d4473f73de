// Painting a panel of about 600 objects: a full repaint into an image beside a
// bare blit of a panel-sized image, and the repaint that follows one meter
// update (only the bars that changed) beside a blit of the same rectangles.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <memory>
#include <string>
#include <vector>

#include "bench/tcBaseline.h"
#include "skin/loader/tcBenchMaster.h"
#include "skin/objects/tcGuiCombo.h"
#include "skin/objects/tcGuiDisplay.h"
#include "skin/objects/tcGuiKnob.h"
#include "skin/objects/tcGuiMeter.h"

namespace {

// One block of 30 objects (20 blocks and the shared pictures make about 600); the offsets BX and BY
// place it.
const char kBlock[] = R"(
<offset id="BX" value="%1"/><offset id="BY" value="%2"/>
<container id="B%3">
  <frame id="PANE" fill="1" radius="6" color="1C2228"><position x="BX" y="BY" w="236" h="146"/></frame>
  <label id="CAPTION"><position x="BX+6" y="BY+2" w="100" h="14"/><text value="BAND %3" x="0" y="0" font="SMALL" color="INK"/></label>
  <knob id="K1" type="RING_BAR"><position x="BX+6" y="BY+18"/><bitmap kimage="KNOB_IMG" limage="LED_IMG"/><text value="Drive" x="0" y="-12" font="SMALL" color="INK" align="bc"/></knob>
  <knob id="K2" type="RING_DOT" inherit="B%3::K1"><position x="BX+56"/><text value="Attack"/></knob>
  <knob id="K3" type="RING_SPREAD" inherit="B%3::K1"><position x="BX+106"/><text value="Release"/></knob>
  <knob id="K4" type="RING_PAN" inherit="B%3::K1"><position x="BX+156"/><text value="Ratio"/></knob>
  <display id="D1"><position x="BX+4" y="BY+74" w="44" h="12"/><text font="SMALL" x="3" y="0" align="cr"/><color fg="LCD_FG" bg="LCD_BG"/></display>
  <display id="D2" inherit="B%3::D1"><position x="BX+54"/><text font="SMALL" x="3" y="0" align="cr"/><color fg="LCD_FG" bg="LCD_BG"/></display>
  <display id="D3" inherit="B%3::D1"><position x="BX+104"/><text font="SMALL" x="3" y="0" align="cr"/><color fg="LCD_FG" bg="LCD_BG"/></display>
  <display id="D4" inherit="B%3::D1"><position x="BX+154"/><text font="SMALL" x="3" y="0" align="cr"/><color fg="LCD_FG" bg="LCD_BG"/></display>
  <button id="B1"><position x="BX+4" y="BY+92"/><bitmap image="BTN_IMG"/><text value="ON" x="1" y="1" align="cc" font="SMALL" color="FFFFFF"/></button>
  <button id="B2" inherit="B%3::B1"><position x="BX+68"/><text value="SOLO"/></button>
  <button id="B3" inherit="B%3::B1"><position x="BX+132"/><text value="LINK"/></button>
  <checkbox id="C1"><position x="BX+4" y="BY+116"/><bitmap image="CHECK_IMG"/><text value="Sidechain" x="20" y="0" align="cl" font="SMALL" color="INK"/></checkbox>
  <lamp id="L1"><position x="BX+90" y="BY+118"/><bitmap image="LAMP_IMG"/><text value="GATE" x="15" y="0" align="cl" font="SMALL" color="INK"/></lamp>
  <lamp id="L2" inherit="B%3::L1"><position x="BX+140"/><text value="OVER"/></lamp>
  <slider id="S1" direction="horz"><position x="BX+4" y="BY+132"/><bitmap rail="HRAIL_IMG" thumb="HTHUMB_IMG"/></slider>
  <meter id="M1"><position x="BX+206" y="BY+18" w="20" h="110"/><type style="VU40" channels="2" vertical="1" clip="1"/>
    <barpos ch="0" x="0" y="10" ovrx="0" ovry="0"/><barpos ch="1" x="10" y="10" ovrx="10" ovry="0"/><bitmap bar="BAR_IMG" ovr="OVR_IMG"/></meter>
  <meter id="M2"><position x="BX+132" y="BY+134" w="60" h="8"/><type style="GR20" channels="1"/><barpos ch="0" x="0" y="0"/></meter>
  <combo id="CB1" type="ROLL"><position x="BX+236" y="BY+4" w="80" h="16"/><text value="STEREO" x="4" y="0" align="cl" font="SMALL" color="LCD_FG"/><color fg="INK" bg="LCD_BG"/></combo>
  <combo id="CB2" type="DROP" inherit="B%3::CB1"><position y="BY+24"/><text value="PRESET"/></combo>
  <radiogroup id="R"><position x="BX+236" y="BY+44" w="80" h="32"/>
    <item id="B%3_R1" x="BX+236" y="BY+44" value="ANALOG" color="INK" font="SMALL"/>
    <item id="B%3_R2" x="BX+236" y="BY+60" value="DIGITAL" color="INK" font="SMALL"/></radiogroup>
  <listbox id="LB"><position x="BX+236" y="BY+80" w="80" h="44"/><item font="SMALL"/></listbox>
  <display id="NAME"><position x="BX+236" y="BY+128" w="80" h="14"/><text font="SMALL" x="3" y="0" align="cl"/><color fg="LCD_FG" bg="LCD_BG"/><mode marquee="1"/></display>
  <slider id="S2" inherit="B%3::S1"><position x="BX+4" y="BY+138"/></slider>
  <lamp id="L3" inherit="B%3::L1"><position x="BX+190" y="BY+2"/><text value=""/></lamp>
  <label id="NOTE"><position x="BX+110" y="BY+2" w="80" h="14"/><text value="-24 dBFS" x="0" y="0" font="SMALL" color="DIM"/></label>
  <label id="UNITS"><position x="BX+6" y="BY+86" w="200" h="6"/><text value="dB    ms    ms    :1" x="0" y="0" font="SMALL" color="DIM"/></label>
</container>)";

const char kHead[] = R"(<skin>
  <color id="INK" rgb="C8D0D8"/><color id="DIM" rgb="7C8894"/>
  <color id="LCD_BG" rgb="0C1014"/><color id="LCD_FG" rgb="60F088"/>
  <font id="SMALL" face="Arial" size="10" bold="1" space="11"/>
  <image id="KNOB_IMG" file="knob.png" sections="31" trans="FF00FF"/>
  <image id="LED_IMG" file="led.png" sections="24" trans="FF00FF"/>
  <image id="BTN_IMG" file="button.png" sections="12" direction="horz" trans="FF00FF"/>
  <image id="CHECK_IMG" file="check.png" sections="6" direction="horz"/>
  <image id="LAMP_IMG" file="lamp.png" sections="2" direction="horz" trans="FF00FF"/>
  <image id="HRAIL_IMG" file="hrail.png" trans="FF00FF"/>
  <image id="HTHUMB_IMG" file="hthumb.png" sections="2"/>
  <image id="BAR_IMG" file="bar.png" sections="6" direction="horz"/>
  <image id="OVR_IMG" file="ovr.png" sections="6" direction="horz"/>
)";

constexpr int kColumns = 4;
constexpr int kRows = 5;
constexpr int kBlockW = 324;
constexpr int kBlockH = 150;

// A bench that keeps the rectangles its objects ask to repaint.
class Bench : public tcBenchMaster {
 public:
  using tcBenchMaster::tcBenchMaster;
  void invalidate(const QRect& r) override { dirty.push_back(r); }
  std::vector<QRect> dirty;
};

struct Panel {
  Panel() {
    if (!QCoreApplication::instance()) {
      qputenv("QT_QPA_PLATFORM", "offscreen");
      static int argc = 1;
      static char name[] = "panelpaint_bench";
      static char* argv[] = {name, nullptr};
      static QApplication app(argc, argv);
    }
    const QString images = QFileInfo(QStringLiteral(__FILE__)).absolutePath() +
                           QStringLiteral("/../tests/skin/data/panelskin");
    for (const char* f : {"knob.png", "led.png", "button.png", "check.png", "lamp.png", "hrail.png",
                          "hthumb.png", "bar.png", "ovr.png"}) {
      QFile::copy(images + QLatin1Char('/') + QLatin1String(f), dir.filePath(QLatin1String(f)));
    }
    QString xml = QString::fromLatin1(kHead);
    int n = 0;
    for (int r = 0; r < kRows; ++r) {
      for (int c = 0; c < kColumns; ++c, ++n) {
        xml += QString::fromLatin1(kBlock).arg(c * kBlockW).arg(r * kBlockH).arg(n);
      }
    }
    xml += QStringLiteral("</skin>");
    QFile file(dir.filePath(QStringLiteral("skin.xml")));
    if (file.open(QIODevice::WriteOnly)) file.write(xml.toLatin1());
    file.close();
    bench = std::make_unique<Bench>(tcString(dir.path().toLatin1().constData()));
    loaded = bench->load() == 0;
    int value = 0;
    for (const auto& o : bench->objects()) {
      if (o->kind() == tcGuiObject::kImage) continue;
      o->show(true);
      if (auto* k = dynamic_cast<tcGuiKnob*>(o.get())) k->set_value(value += 37);
      if (auto* d = dynamic_cast<tcGuiDisplay*>(o.get())) d->set_text("-12.5");
      if (auto* m = dynamic_cast<tcGuiMeter*>(o.get())) meters.push_back(m);
    }
    image = QImage(kColumns * kBlockW, kRows * kBlockH, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::black);
  }

  QTemporaryDir dir;
  std::unique_ptr<Bench> bench;
  bool loaded = false;
  std::vector<tcGuiMeter*> meters;
  QImage image;
};

Panel& panel() {
  static Panel p;
  return p;
}

void BM_FullRepaint(benchmark::State& state) {
  Panel& p = panel();
  if (!p.loaded) {
    state.SkipWithError("panel skin did not load");
    return;
  }
  state.counters["objects"] = static_cast<double>(p.bench->objects().size());
  const QImage drawn = p.image.copy();
  const tcBaseline blit("blit", [&] {
    QPainter painter(&p.image);
    painter.drawImage(0, 0, drawn);
  });
  for (auto _ : state) {
    QPainter painter(&p.image);
    p.bench->paint(painter, p.image.rect());
  }
  blit.report(state);
}
BENCHMARK(BM_FullRepaint)->Unit(benchmark::kMillisecond);

// Every meter of the panel takes a new reading, as on each meter tick; the
// dirty bars are then repainted one rectangle at a time, as the host does.
void BM_MeterUpdate(benchmark::State& state) {
  Panel& p = panel();
  if (!p.loaded) {
    state.SkipWithError("panel skin did not load");
    return;
  }
  uint8_t level = 16;
  size_t bars = 0;
  // The rectangles one update dirties, copied from a drawn panel.
  for (tcGuiMeter* m : p.meters) {
    for (int ch = 0; ch < m->channels(); ++ch) m->set_level(ch, 200);
  }
  p.bench->dirty.clear();
  for (tcGuiMeter* m : p.meters) {
    for (int ch = 0; ch < m->channels(); ++ch) m->set_level(ch, level);
  }
  const std::vector<QRect> rects = p.bench->dirty;
  const QImage drawn = p.image.copy();
  const tcBaseline blit("blit", [&] {
    QPainter painter(&p.image);
    for (const QRect& r : rects) painter.drawImage(r, drawn, r);
  });
  for (auto _ : state) {
    p.bench->dirty.clear();
    // 4 dB and 24 dB in turn: every bar of every meter changes.
    level = level == 16 ? 96 : 16;
    for (tcGuiMeter* m : p.meters) {
      for (int ch = 0; ch < m->channels(); ++ch) m->set_level(ch, level);
    }
    QPainter painter(&p.image);
    for (const QRect& r : p.bench->dirty) {
      painter.save();
      painter.setClipRect(r);
      p.bench->paint(painter, r);
      painter.restore();
    }
    bars = p.bench->dirty.size();
  }
  blit.report(state);
  state.counters["bars"] = static_cast<double>(bars);
}
BENCHMARK(BM_MeterUpdate)->Unit(benchmark::kMicrosecond);

}  // namespace
