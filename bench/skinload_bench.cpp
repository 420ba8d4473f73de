// Loading a full front panel: a generated panel of about 600 objects in ten
// containers with the images they draw from, and the console's own default
// skin as this build made it (bin/fp_skins/default), beside the decoding of its
// pictures, which any load has to do.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>
#include <string>

#include "bench/tcBaseline.h"
#include "skin/loader/tcBenchMaster.h"

namespace {

void save_image(const QString& path, int w, int h) {
  QImage image(w, h, QImage::Format_RGB32);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) image.setPixel(x, y, qRgb(x & 0xFF, y & 0xFF, (x ^ y) & 0xFF));
  }
  image.save(path);
}

std::string panel_xml() {
  std::string xml =
      "<?xml version=\"1.0\"?>\n<skin>\n"
      "<color id=\"FG\" rgb=\"E0E0C0\"/><color id=\"BG\" rgb=\"10141880\"/>\n"
      "<gradient id=\"SHADE\" stops=\"0.0,303040;1.0,101018\"/>\n"
      "<font id=\"SMALL\" face=\"Arial\" size=\"10\" space=\"9\"/>\n"
      "<offset id=\"LEFT\" value=\"12\"/><offset id=\"TOP\" value=\"30\"/>\n"
      "<image id=\"BKGRND\" file=\"bkgrnd.png\"/>\n"
      "<image id=\"KNOB\" file=\"knob.png\" sections=\"64\" direction=\"vert\"/>\n"
      "<image id=\"LEDS\" file=\"leds.png\" sections=\"24\" direction=\"horz\"/>\n"
      "<image id=\"BTN\" file=\"button.png\" sections=\"12\" direction=\"horz\"/>\n"
      "<image id=\"LAMP\" file=\"lamp.png\" sections=\"2\" direction=\"horz\"/>\n";
  for (int c = 0; c < 10; ++c) {
    const std::string group = "GROUP" + std::to_string(c);
    xml += "<container id=\"" + group + "\">\n";
    for (int i = 0; i < 20; ++i) {
      const std::string n = std::to_string(i);
      const std::string x = "LEFT+" + std::to_string(40 * i);
      const std::string y = "TOP+" + std::to_string(60 * c);
      xml += "<knob id=\"P" + n + "_KNOB\" type=\"RING_BAR\"><position x=\"" + x + "\" y=\"" + y +
             "\"/><bitmap kimage=\"KNOB\" limage=\"LEDS\"/><text value=\"Knob " + n +
             "\" x=\"0\" y=\"-12\" font=\"SMALL\" color=\"FG\" align=\"bc\"/>"
             "<focus x=\"-2\" y=\"-2\" w=\"44\" h=\"44\"/></knob>\n";
      xml += "<display id=\"P" + n + "_DSPY\"><position x=\"" + x + "\" y=\"" + y +
             "+42\" w=\"40\" h=\"12\"/><text font=\"GQGUI_MONOFONT\" maxchars=\"6\" align=\"cr\"/>"
             "<color fg=\"FG\" bg=\"TRANSPARENT\"/><mode editable=\"1\" units=\"dB\"/></display>\n";
    }
    for (int i = 0; i < 10; ++i) {
      const std::string n = std::to_string(i);
      xml += "<button id=\"B" + n + "\" inherit=\"GROUP0::B0\"><position x=\"LEFT+" +
             std::to_string(60 * i) + "\" y=\"TOP\"/><bitmap image=\"BTN\"/><text value=\"Btn " +
             n + "\"/><mode autorepeat=\"0\"/></button>\n";
    }
    for (int i = 0; i < 5; ++i) {
      const std::string n = std::to_string(i);
      xml += "<label id=\"L" + n + "\"><position x=\"" + std::to_string(100 * i) +
             "\" y=\"5\" w=\"90\" h=\"16\"/><text value=\"Section " + n +
             "\"/><frame id=\"F\" color=\"BG\" fill=\"1\" radius=\"4\" vgrad=\"SHADE\">"
             "<position x=\"0\" y=\"0\" w=\"90\" h=\"16\"/></frame></label>\n";
      xml += "<lamp id=\"LAMP" + n + "\"><position x=\"" + std::to_string(100 * i + 80) +
             "\" y=\"8\"/><bitmap image=\"LAMP\"/></lamp>\n";
    }
    xml += "</container>\n";
  }
  xml += "<screen id=\"MAIN\" visible=\"1\"><obj objref=\"GROUP0::P0_KNOB\"/></screen>\n</skin>\n";
  return xml;
}

void ensure_app() {
  static int argc = 1;
  static char name[] = "skinload_bench";
  static char* argv[] = {name, nullptr};
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static QGuiApplication app(argc, argv);
}

// What any load of a skin folder must do: read its description and decode its
// pictures.
tcBaseline read_and_decode(const QDir& dir) {
  return tcBaseline("read_decode", [dir] {
    QFile xml(dir.filePath("skin.xml"));
    if (xml.open(QIODevice::ReadOnly)) benchmark::DoNotOptimize(xml.readAll());
    for (const QString& png : dir.entryList({"*.png"}, QDir::Files))
      benchmark::DoNotOptimize(QImage(dir.filePath(png)).bits());
  });
}

void load_loop(benchmark::State& state, const QDir& dir) {
  const tcString path(QFile::encodeName(dir.absolutePath()).constData());
  size_t objects = 0;
  const tcBaseline files = read_and_decode(dir);
  for (auto _ : state) {
    tcBenchMaster bench(path);
    if (bench.load() != 0) state.SkipWithError("the skin did not load");
    objects = bench.objects().size();
    benchmark::DoNotOptimize(objects);
  }
  files.report(state);
  state.counters["objects"] = static_cast<double>(objects);
}

void BM_SkinLoad(benchmark::State& state) {
  ensure_app();
  QTemporaryDir dir;
  save_image(dir.filePath("bkgrnd.png"), 800, 240);
  save_image(dir.filePath("knob.png"), 40, 40 * 64);
  save_image(dir.filePath("leds.png"), 24 * 6, 6);
  save_image(dir.filePath("button.png"), 12 * 50, 20);
  save_image(dir.filePath("lamp.png"), 2 * 12, 12);
  QFile skin(dir.filePath("skin.xml"));
  skin.open(QIODevice::WriteOnly);
  skin.write(panel_xml().c_str());
  skin.close();
  load_loop(state, QDir(dir.path()));
}

void BM_DefaultSkinLoad(benchmark::State& state) {
  ensure_app();
  const QDir dir(QCoreApplication::applicationDirPath() + "/../bin/fp_skins/default");
  if (!dir.exists("skin.xml")) {
    state.SkipWithError("the default skin is not built");
    return;
  }
  load_loop(state, dir);
}

}  // namespace

BENCHMARK(BM_SkinLoad)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DefaultSkinLoad)->Unit(benchmark::kMillisecond);
