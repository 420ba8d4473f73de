#include "skin/loader/tcBenchMaster.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QTemporaryDir>
#include <string>

#include "skin/objects/tcGuiApGraph.h"
#include "skin/objects/tcGuiButton.h"
#include "skin/objects/tcGuiCombo.h"
#include "skin/objects/tcGuiDisplay.h"
#include "skin/objects/tcGuiDynGraph.h"
#include "skin/objects/tcGuiFrame.h"
#include "skin/objects/tcGuiImage.h"
#include "skin/objects/tcGuiKnob.h"
#include "skin/objects/tcGuiLabel.h"
#include "skin/objects/tcGuiListbox.h"
#include "skin/objects/tcGuiMeter.h"
#include "skin/objects/tcGuiRadioGroup.h"
#include "skin/objects/tcGuiRadioItem.h"
#include "skin/objects/tcGuiSlider.h"
#include "tests/support/tcLogCapture.h"
#include "tests/support/tcTestPaths.h"

namespace {

class BenchTest : public ::testing::Test {
 protected:
  // A bench loaded from the given skin.xml text; the result of the load in *result.
  tcBenchMaster& load(const std::string& xml, int* result = nullptr) {
    QFile f(dir_.filePath("skin.xml"));
    EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(xml.data(), static_cast<qint64>(xml.size()));
    f.close();
    bench_ = std::make_unique<tcBenchMaster>(tcString(QFile::encodeName(dir_.path()).constData()));
    const int r = bench_->load();
    if (result) {
      *result = r;
    } else {
      EXPECT_EQ(r, 0);
    }
    return *bench_;
  }
  template <class T>
  T* find(const char* name) {
    return dynamic_cast<T*>(bench_->find_object(name));
  }
  static std::string skin(const std::string& body) { return "<skin>" + body + "</skin>"; }

  QTemporaryDir dir_;
  tcLogCapture log_;
  std::unique_ptr<tcBenchMaster> bench_;
};

TEST_F(BenchTest, NamesCarryTheContainerPrefixAndTheAnonymousCounter) {
  load(
      skin("<knob/>"
           "<container id='A'><knob id='K'/>"
           "  <frame><label id='L'/></frame>"
           "  <label id='T'><frame id='F'/></label>"
           "  <container id='B'><lamp id='M'/></container>"
           "</container>"
           "<radiogroup id='R'><item id='I'/><item/></radiogroup>"));
  EXPECT_NE(find<tcGuiKnob>("anonymous_1"), nullptr);
  EXPECT_NE(find<tcGuiKnob>("A::K"), nullptr);
  // The frame is anonymous_2 and opens anonymous_3 for its children; the label L
  // opens anonymous_4, the label T anonymous_5.
  ASSERT_NE(find<tcGuiFrame>("A::anonymous_2"), nullptr);
  ASSERT_NE(find<tcGuiLabel>("A::anonymous_3::L"), nullptr);
  ASSERT_NE(find<tcGuiFrame>("A::anonymous_5::F"), nullptr);
  EXPECT_NE(find<tcGuiObject>("A::B::M"), nullptr);
  // Radio items are named without any prefix.
  auto* group = find<tcGuiRadioGroup>("R");
  ASSERT_NE(group, nullptr);
  ASSERT_EQ(group->items().size(), 2u);
  EXPECT_EQ(group->items()[0], find<tcGuiRadioItem>("I"));
  EXPECT_EQ(group->items()[1], find<tcGuiRadioItem>("anonymous_8"));
  EXPECT_EQ(find<tcGuiRadioItem>("I")->group_object(), group);

  // Attachments: the label inside the frame, the frame inside the label.
  const auto* frame = find<tcGuiFrame>("A::anonymous_2");
  ASSERT_EQ(frame->labels().size(), 1u);
  EXPECT_EQ(frame->labels()[0], find<tcGuiLabel>("A::anonymous_3::L"));
  EXPECT_EQ(find<tcGuiLabel>("A::T")->frame(), find<tcGuiFrame>("A::anonymous_5::F"));

  // Identifiers in creation order from 10001.
  EXPECT_EQ(find<tcGuiKnob>("anonymous_1")->id(), 10001);
  EXPECT_EQ(bench_->objects().back()->id(), 10001 + static_cast<int>(bench_->objects().size()) - 1);
  EXPECT_EQ(log_.errors(), 0);
}

TEST_F(BenchTest, OffsetExpressions) {
  auto& b =
      load(skin("<offset id='LEFT' value='100'/><offset id='TOP' value='LEFT-60'/>"
                "<knob id='K'><position x='LEFT+10' y='TOP-4' w='-5' h='LEFT + 20'/></knob>"));
  const auto* k = find<tcGuiKnob>("K");
  EXPECT_EQ(k->x(), 110);
  EXPECT_EQ(k->y(), 36);
  EXPECT_EQ(k->width(), -5);
  EXPECT_EQ(k->height(), 120);
  EXPECT_EQ(b.expression("2 3"), 5);          // a blank ends a number
  EXPECT_EQ(b.expression("10-LEFT+5"), -85);  // the sign holds for one term
  EXPECT_EQ(b.expression("99999999999999999999"), 2147483647);
  EXPECT_EQ(log_.errors(), 0);

  load(skin("<knob id='K'><position x='LEFT+10'/></knob>"));
  EXPECT_EQ(find<tcGuiKnob>("K")->x(), 10);
  EXPECT_EQ(log_.count(3,
                       "ERROR: Could not find a definition for offset \"LEFT\" on line 1 of "
                       "the skin file."),
            1);
}

TEST_F(BenchTest, ColoursFromLiteralsAndNames) {
  auto& b =
      load(skin("<color id='RED' rgb='FF0000'/><color id='HALF' rgb='FF000080'/>"
                "<color id='COPY' rgb='HALF'/><color id='BAD' rgb='XYZ'/><color id='NONE'/>"
                "<frame id='F' color='RED'/>"));
  EXPECT_EQ(*b.find_colour("RED"), 0xFFFF0000u);
  EXPECT_EQ(*b.find_colour("HALF"), 0x80FF0000u);
  EXPECT_EQ(*b.find_colour("COPY"), 0x80FF0000u);
  EXPECT_EQ(*b.find_colour("BAD"), 0xFF000000u);
  EXPECT_EQ(*b.find_colour("NONE"), 0xFF000000u);
  EXPECT_EQ(find<tcGuiFrame>("F")->colour(), 0xFFFF0000u);
  EXPECT_EQ(b.colour(""), 0xFF000000u);
  EXPECT_EQ(b.colour("00ff00"), 0xFF00FF00u);
  bool transparent = false;
  EXPECT_EQ(b.colour("TRANSPARENT", &transparent), 0xFF000000u);
  EXPECT_TRUE(transparent);
}

TEST_F(BenchTest, TheColourTableHoldsTwoHundredFiftySixNames) {
  std::string body;
  for (int i = 0; i < 257; ++i) body += "<color id='C" + std::to_string(i) + "' rgb='123456'/>";
  auto& b = load(skin(body + "<color id='C0' rgb='654321'/>"));
  EXPECT_NE(b.find_colour("C255"), nullptr);
  EXPECT_EQ(b.find_colour("C256"), nullptr);
  EXPECT_EQ(*b.find_colour("C0"), 0xFF654321u);  // a known name still refines its entry
  EXPECT_EQ(log_.count(3, "ERROR: Maximimum number of COLOR objects exceeded"), 1);
}

TEST_F(BenchTest, TablesDefaultsAndStandardFonts) {
  auto& b =
      load(skin("<gradient id='G'/><region id='R' x='5'/><offset id='O'/>"
                "<font id='F' face='Courier' size='12' bold='1' angle='90' space='13'/>"
                "<font id='W' wordspace='25'/><font id='WW' wordspace='250'/>"));
  EXPECT_EQ(*b.find_gradient("G"), "0.0,000000;1.0,FFFFFF");
  EXPECT_EQ(*b.find_region("R"), QRect(5, 0, 100, 100));
  EXPECT_EQ(*b.find_offset("O"), 0);
  const tcGuiFont* f = b.find_font("F");
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(f->face, "Courier");
  EXPECT_EQ(f->size, 12);
  EXPECT_TRUE(f->bold);
  EXPECT_FALSE(f->italic);
  EXPECT_EQ(f->angle, 90);
  EXPECT_EQ(f->spacing, 13);
  EXPECT_EQ(f->word_space, 100);
  EXPECT_EQ(f->qfont().wordSpacing(), 0.0);
  // Narrowed blanks: a quarter of the face's own; never wider than it.
  const QFont narrow = b.find_font("W")->qfont();
  QFont plain = narrow;
  plain.setWordSpacing(0.0);
  EXPECT_NEAR(narrow.wordSpacing(),
              -0.75 * QFontMetricsF(plain).horizontalAdvance(QLatin1Char(' ')), 0.01);
  EXPECT_EQ(b.find_font("WW")->word_space, 100);
  ASSERT_NE(b.hfont(), nullptr);
  EXPECT_EQ(b.hfont()->face, "Arial");
  EXPECT_EQ(b.hfont()->size, 14);
  EXPECT_EQ(b.monofont()->face, "Lucida Console");
  EXPECT_EQ(b.monofont()->size, 15);
  EXPECT_EQ(b.monofont()->spacing, 11);
}

TEST_F(BenchTest, TwoButtonsWithOneIdBuildOneButton) {
  load(
      skin("<button id='B'><position x='1' y='2'/></button>"
           "<button id='B'><position x='7'/><mode autorepeat='1'/></button>"));
  ASSERT_EQ(bench_->objects().size(), 1u);
  const auto* b = find<tcGuiButton>("B");
  EXPECT_EQ(b->x(), 7);
  EXPECT_EQ(b->y(), 2);
  EXPECT_TRUE(b->autorepeat());
}

TEST_F(BenchTest, ANameOfAnotherKindIsRefusedWithItsSubtree) {
  load(skin("<lamp id='X'><position x='3'/></lamp><knob id='X'><position x='9'/></knob>"));
  ASSERT_EQ(bench_->objects().size(), 1u);
  EXPECT_EQ(bench_->find_object("X")->x(), 3);
  EXPECT_EQ(log_.count(3, "ERROR: Object \"X\" on line 1"), 1);
}

TEST_F(BenchTest, InheritCopiesTheCommonPartAndTheLookOfTheSameKind) {
  load(
      skin("<image id='KI'/><font id='SMALL' size='9'/>"
           "<knob id='K1' type='RING_BAR'><position x='4' y='5' w='30' h='31'/>"
           "  <text value='Gain' x='2' y='3' font='SMALL'/><bitmap kimage='KI'/>"
           "  <focus w='8'/></knob>"
           "<knob id='K2' inherit='K1'><position x='40'/></knob>"
           "<lamp id='L' inherit='K1'/>"
           "<knob id='K3' inherit='NOBODY'/>"));
  const auto* k2 = find<tcGuiKnob>("K2");
  EXPECT_EQ(k2->x(), 40);
  EXPECT_EQ(k2->y(), 5);
  EXPECT_EQ(k2->text(), "Gain");
  EXPECT_EQ(k2->text_dx(), 2);
  EXPECT_EQ(k2->font_record(), bench_->find_font("SMALL"));
  EXPECT_EQ(k2->focus_rect().width(), 8);
  EXPECT_EQ(k2->style(), tcGuiKnob::kRingBar);
  EXPECT_EQ(k2->knob_image(), find<tcGuiImage>("KI"));
  // Another kind takes the common part only.
  EXPECT_EQ(find<tcGuiObject>("L")->width(), 30);
  EXPECT_EQ(find<tcGuiKnob>("K3")->style(), tcGuiKnob::kSimple);
}

TEST_F(BenchTest, ScreensAndTheirReferences) {
  auto& b =
      load(skin("<offset id='O' value='3'/>"
                "<screen id='S' visible='1' image='BG' meta='m' title='Main' number='O+1'"
                "  x='10' y='20'><obj objref='A' xoffset='O' yoffset='-2'/>"
                "  <obj objref='B' meta='b'/></screen>"
                "<screen id='S'><obj objref='A' xoffset='9'/></screen>"
                "<screen id='T' visible='0'/>"));
  ASSERT_EQ(b.screens().size(), 2u);
  const tcGuiScreen* s = b.find_screen("S");
  ASSERT_NE(s, nullptr);
  EXPECT_TRUE(s->visible);
  EXPECT_EQ(s->image, "BG");
  EXPECT_EQ(s->title, "Main");
  EXPECT_EQ(s->number, 4);
  EXPECT_EQ(s->x, 10);
  EXPECT_EQ(s->y, 20);
  ASSERT_EQ(s->refs.size(), 2u);
  EXPECT_EQ(s->refs[0].object, "A");
  EXPECT_EQ(s->refs[0].x_offset, 9);
  EXPECT_EQ(s->refs[0].y_offset, -2);
  EXPECT_EQ(s->refs[1].meta, "b");
  EXPECT_FALSE(b.find_screen("T")->visible);
}

TEST_F(BenchTest, ScaleMapsBothWays) {
  tcBenchMaster b(tcString(""));
  EXPECT_FALSE(b.scaled());
  b.set_scale(1.5f, 2.0f);
  EXPECT_TRUE(b.scaled());
  EXPECT_EQ(b.to_widget_x(10), 15);
  EXPECT_EQ(b.to_skin_x(15), 10);
  EXPECT_EQ(b.to_widget_y(3), 6);
  b.set_scale(0.75f, 0.75f);
  EXPECT_EQ(b.to_widget_x(3), 2);  // 2.25 rounds to 2
  EXPECT_EQ(b.to_skin_x(2), 3);    // 2.67 rounds to 3
  b.set_scale(1.0f, 1.0f);
  EXPECT_FALSE(b.scaled());
  b.set_scale(0.0f, -1.0f);  // unusable factors leave the panel unscaled
  EXPECT_FALSE(b.scaled());
  EXPECT_EQ(b.to_skin_x(7), 7);
}

TEST_F(BenchTest, ModesBooleansAndAlignment) {
  load(
      skin("<display id='D'><mode editable='0' units='dB' marquee='0' dclickable='1'/>"
           "  <text align='cr' maxchars='6'/><color bg='TRANSPARENT' fg_warn='00FF00'/></display>"
           "<display id='E'/>"));
  const auto* d = find<tcGuiDisplay>("D");
  EXPECT_TRUE(d->editable());
  EXPECT_FALSE(d->marquee());
  EXPECT_TRUE(d->dclickable());
  EXPECT_EQ(d->units(), "dB");
  EXPECT_EQ(d->maxchars(), 6);
  EXPECT_EQ(d->align(), Qt::AlignVCenter | Qt::AlignRight);
  EXPECT_TRUE(d->transparent(tcGuiDisplay::kBg));
  EXPECT_EQ(d->colour(tcGuiDisplay::kFgWarn), 0xFF00FF00u);
  const auto* e = find<tcGuiDisplay>("E");
  EXPECT_FALSE(e->editable());
  EXPECT_EQ(e->dlg_regexp(), "-?\\d*\\.\\d+");
  EXPECT_EQ(e->align(), Qt::AlignTop | Qt::AlignLeft);
  EXPECT_EQ(tcBenchMaster::alignment("bc"), Qt::AlignBottom | Qt::AlignHCenter);
  EXPECT_EQ(tcBenchMaster::alignment("x"), Qt::AlignTop | Qt::AlignLeft);
}

TEST_F(BenchTest, EachKindReadsItsOwnAttributes) {
  auto& b = load(
      skin("<font id='F'/><color id='C' rgb='112233'/><gradient id='G' stops='0.5,FF0000'/>"
           "<combo id='CB' type='ROLL'><drop rows='3+2' font='F'/><color bg_select='C' "
           "bg_rail='0000FF'/>"
           "  <mode reverse='1' autoroll='1' dlgregexp='\\d+' type='USER'/></combo>"
           "<listbox id='LB' type='MULTI'><item font='F'/><mode sclickable='1'/>"
           "  <color fg_hilite='C'/></listbox>"
           "<slider id='S' direction='horz'><bitmap rail='R' thumb='T'/></slider>"
           "<slider id='S2' inherit='S'/>"
           "<frame id='FR' color='C' fill='0' radius='6' border='2' hgrad='G' image='R'/>"
           "<radiogroup id='RG'><item id='I' x='4' tx='2' value='On' color='C' font='F' image='T'/>"
           "  <bitmap item='T'/></radiogroup>"
           "<ap_graph id='AP'><color plot_bg='C' audio='00FF00'/></ap_graph>"
           "<dyngraph id='DG'><color curve_5='C' axis_minor='010203'/></dyngraph>"));
  const auto* combo = find<tcGuiCombo>("CB");
  EXPECT_EQ(combo->type(), tcGuiCombo::kUser);  // the mode child comes after the element
  EXPECT_EQ(combo->rows(), 5);
  EXPECT_EQ(combo->drop_font(), b.find_font("F"));
  EXPECT_EQ(combo->list_colour(tcGuiListColours::kBgSelect), 0xFF112233u);
  EXPECT_EQ(combo->list_colour(tcGuiListColours::kBgRail), 0xFF0000FFu);
  EXPECT_TRUE(combo->reverse());
  EXPECT_TRUE(combo->autoroll());
  EXPECT_FALSE(combo->editable());
  EXPECT_EQ(combo->dlg_regexp(), "\\d+");
  const auto* list = find<tcGuiListbox>("LB");
  EXPECT_EQ(list->type(), tcGuiListbox::kMulti);
  EXPECT_EQ(list->item_font(), b.find_font("F"));
  EXPECT_TRUE(list->sclickable());
  EXPECT_EQ(list->list_colour(tcGuiListColours::kFgHilite), 0xFF112233u);
  const auto* s2 = find<tcGuiSlider>("S2");
  EXPECT_TRUE(s2->horizontal());
  EXPECT_EQ(s2->rail(), find<tcGuiImage>("R"));
  EXPECT_EQ(s2->thumb(), find<tcGuiImage>("T"));
  const auto* frame = find<tcGuiFrame>("FR");
  EXPECT_EQ(frame->colour(), 0xFF112233u);
  EXPECT_FALSE(frame->fill());
  EXPECT_EQ(frame->radius(), 6);
  EXPECT_EQ(frame->border(), 2);
  EXPECT_EQ(frame->hgrad(), "0.5,FF0000");
  EXPECT_EQ(frame->image(), find<tcGuiImage>("R"));
  const auto* item = find<tcGuiRadioItem>("I");
  EXPECT_TRUE(item->x_set());
  EXPECT_FALSE(item->y_set());
  EXPECT_TRUE(item->tx_set());
  EXPECT_EQ(item->x(), 4);
  EXPECT_EQ(item->text_dx(), 2);
  EXPECT_EQ(item->text(), "On");
  EXPECT_EQ(item->text_colour(), 0xFF112233u);
  EXPECT_EQ(item->image(), find<tcGuiImage>("T"));
  EXPECT_EQ(find<tcGuiRadioGroup>("RG")->item_image(), find<tcGuiImage>("T"));
  const auto* ap = find<tcGuiApGraph>("AP");
  EXPECT_EQ(ap->colour(tcGuiGraph::kPlotBg), 0xFF112233u);
  EXPECT_EQ(ap->audio_colour(), 0xFF00FF00u);
  const auto* dyn = find<tcGuiDynGraph>("DG");
  EXPECT_EQ(dyn->curve_colour(4), 0xFF112233u);
  EXPECT_EQ(dyn->colour(tcGuiGraph::kAxisMinor), 0xFF010203u);
  EXPECT_EQ(log_.errors(), 0);
}

TEST_F(BenchTest, ElementsInTheWrongPlaceAreSkippedSilently) {
  load(
      skin("<position x='1'/><knob id='K'><knob id='INNER'/><text><label id='Q'/></text></knob>"
           "<bogus><knob id='DEEP'/></bogus>"));
  EXPECT_EQ(bench_->objects().size(), 1u);
  load("<other><knob id='OUT'/></other>");
  EXPECT_TRUE(bench_->objects().empty());
  EXPECT_EQ(log_.errors(), 0);
}

TEST_F(BenchTest, ImageNamesCreateEmptyImagesAndMeterChannelsAreBounded) {
  load(
      skin("<meter id='M'><type channels='99' style='GR15' vertical='1'/>"
           "  <bitmap bg='MB' bar='MBAR' ovr='MOVR'/>"
           "  <barpos ch='1' x='5' y='6' ovrx='7' ovry='8'/><barpos ch='500' x='1'/></meter>"));
  auto* m = find<tcGuiMeter>("M");
  ASSERT_NE(m, nullptr);
  EXPECT_EQ(m->channels(), tcGuiMeter::max_chans());
  EXPECT_EQ(m->bar(1).ovr_y, 8);
  EXPECT_EQ(m->style(), tcGuiMeter::kGR15);
  EXPECT_EQ(m->bar_image(), find<tcGuiImage>("MBAR"));
  EXPECT_EQ(find<tcGuiImage>("MBAR")->id(), 10003);
  EXPECT_EQ(log_.count(3,
                       "ERROR: Maximimum meter channels exceeded, use "
                       "tcGuiMeter::set_max_chans()"),
            1);
  EXPECT_EQ(log_.count(3, "WARNING: Meter bar image does not have 6 sections."), 1);
  // 100-pixel bar, 15 dB range: 7.5 dB is half way.
  EXPECT_EQ(m->bar_length(0, 30), 50);
}

TEST_F(BenchTest, AFailedLoadIsReported) {
  int result = 0;
  load("<skin><knob>", &result);
  EXPECT_EQ(result, -1);
  EXPECT_EQ(log_.count(1, "Opening skin file"), 1);
  EXPECT_EQ(log_.count(3, "ERROR: Loading the skin file"), 1);

  std::string deep = "<skin>";
  for (int i = 0; i < 9; ++i) deep += "<container>";
  load(deep + "<knob/>", &result);
  EXPECT_EQ(result, -1);
  EXPECT_EQ(log_.count(3, "XML nesting exceeded max depth"), 1);
}

TEST_F(BenchTest, ImageFilesOutsideTheSkinDirectoryAreNotRead) {
  load(skin("<image id='I' file='../../../../../../etc/passwd'/>"));
  EXPECT_TRUE(find<tcGuiImage>("I")->picture().isNull());
  EXPECT_EQ(log_.count(3, "ERROR: Could not load the image file"), 1);
}

TEST(BenchSkin, TheTestSkinLoadsIntoItsObjectTree) {
  tcLogCapture log;
  tcBenchMaster b(tcTestSkinDir("testskin"));
  ASSERT_EQ(b.load(), 0);
  EXPECT_EQ(log.errors(), 0);

  const char* const names[] = {"BKGRND",
                               "KNOB_IMG",
                               "BTN_IMG",
                               "INPUT::GAIN_KNOB",
                               "INPUT::TRIM_KNOB",
                               "INPUT::MODE_BTN",
                               "INPUT::GAIN_DSPY",
                               "INPUT::SOURCE",
                               "SOURCE_ANALOG",
                               "SOURCE_DIGITAL",
                               "INPUT::anonymous_1::SOURCE_CAPTION",
                               "TITLE",
                               "anonymous_3::TITLE_FRAME"};
  ASSERT_EQ(b.objects().size(), sizeof names / sizeof names[0]);
  for (size_t i = 0; i < b.objects().size(); ++i) {
    EXPECT_EQ(b.objects()[i]->name(), names[i]) << i;
    EXPECT_EQ(b.objects()[i]->id(), 10001 + static_cast<int>(i));
    EXPECT_TRUE(b.objects()[i]->finished());
  }

  const auto* bg = dynamic_cast<const tcGuiImage*>(b.find_object("BKGRND"));
  EXPECT_EQ(bg->width(), 200);
  EXPECT_EQ(bg->height(), 120);

  const auto* gain = dynamic_cast<const tcGuiKnob*>(b.find_object("INPUT::GAIN_KNOB"));
  EXPECT_EQ(gain->x(), 30);
  EXPECT_EQ(gain->y(), 60);
  EXPECT_EQ(gain->width(), 20);  // one 20 by 20 section of the knob image
  EXPECT_EQ(gain->height(), 20);
  EXPECT_EQ(gain->style(), tcGuiKnob::kRingBar);
  EXPECT_EQ(gain->text(), "Gain");
  EXPECT_EQ(gain->text_dy(), -12);
  EXPECT_EQ(gain->text_colour(), 0xFF202830u);
  EXPECT_EQ(gain->font_record(), b.find_font("SMALL"));
  EXPECT_EQ(gain->align(), Qt::AlignBottom | Qt::AlignHCenter);

  const auto* trim = dynamic_cast<const tcGuiKnob*>(b.find_object("INPUT::TRIM_KNOB"));
  EXPECT_EQ(trim->x(), 70);
  EXPECT_EQ(trim->y(), 60);
  EXPECT_EQ(trim->knob_image(), gain->knob_image());
  EXPECT_EQ(trim->style(), tcGuiKnob::kRingBar);

  const auto* button = dynamic_cast<const tcGuiButton*>(b.find_object("INPUT::MODE_BTN"));
  EXPECT_EQ(button->width(), 30);
  EXPECT_EQ(button->height(), 15);
  EXPECT_TRUE(button->autorepeat());
  // The magenta corners of the button image became transparent.
  EXPECT_EQ(qAlpha(button->image()->picture().pixel(0, 0)), 0);
  EXPECT_EQ(qAlpha(button->image()->picture().pixel(5, 5)), 255);

  const auto* display = dynamic_cast<const tcGuiDisplay*>(b.find_object("INPUT::GAIN_DSPY"));
  EXPECT_TRUE(display->editable());
  EXPECT_EQ(display->colour(tcGuiDisplay::kFg), 0x80FFFFFFu);
  EXPECT_TRUE(display->transparent(tcGuiDisplay::kBg));
  EXPECT_EQ(display->font_record(), b.monofont());

  const auto* source = dynamic_cast<const tcGuiRadioGroup*>(b.find_object("INPUT::SOURCE"));
  ASSERT_EQ(source->items().size(), 2u);
  EXPECT_EQ(source->items()[1]->y(), 20);
  EXPECT_EQ(source->items()[1]->text(), "Digital");
  ASSERT_EQ(source->labels().size(), 1u);
  EXPECT_EQ(source->labels()[0]->text(), "Source");

  const auto* title = b.find_object("TITLE");
  ASSERT_NE(title->frame(), nullptr);
  EXPECT_EQ(title->frame()->vgrad(), "0.0,303040;1.0,101018");
  EXPECT_TRUE(title->frame()->fill());
  EXPECT_EQ(title->frame()->radius(), 4);

  EXPECT_EQ(*b.find_offset("ROW2"), 60);
  EXPECT_EQ(*b.find_region("METERS"), QRect(20, 56, 120, 30));
  ASSERT_EQ(b.screens().size(), 2u);
  const tcGuiScreen* main = b.find_screen("MAIN");
  ASSERT_EQ(main->refs.size(), 2u);
  EXPECT_EQ(main->refs[0].object, "INPUT::GAIN_KNOB");
  EXPECT_EQ(main->refs[0].x_offset, 5);
  EXPECT_EQ(main->refs[0].y_offset, 5);
  EXPECT_EQ(main->refs[1].meta, "caption");
  EXPECT_EQ(b.find_screen("SETUP")->number, 2);

  // Loading again builds a new object list with identifiers from 10001.
  ASSERT_EQ(b.load(), 0);
  EXPECT_EQ(b.objects().size(), sizeof names / sizeof names[0]);
  EXPECT_EQ(b.find_object("BKGRND")->id(), 10001);
  EXPECT_NE(b.find_object("INPUT::anonymous_5::SOURCE_CAPTION"), nullptr);
}

}  // namespace
