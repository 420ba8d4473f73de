// The window as a front panel: skins and their fallbacks, the scale, the menu,
// the GUI lock on the right click and on the controls, the connection display's
// colours, and real mouse gestures on the panel against the simulator run
// in-process.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMenu>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <algorithm>
#include <functional>
#include <thread>

#include "app/core/tcCrc32.h"
#include "app/core/tcDeviceConfig.h"
#include "link/devices/tcConnection.h"
#include "link/devices/tcDeviceList.h"
#include "link/transport/tcApStores.h"
#include "link/transport/tcPresetDirectory.h"
#include "panel/groups/tcControlGroupMain.h"
#include "panel/groups/tcTK3Bench.h"
#include "panel/window/TK3Widget.h"
#include "services/access/tcGuiLock.h"
#include "skin/objects/tcGuiDisplay.h"
#include "skin/objects/tcGuiKnob.h"
#include "tests/panel/tcFrontPanelWorld.h"
#include "tests/panel/window/tcWindowOnline.h"
#include "tests/support/tcModalDriver.h"
#include "tests/support/tcModalScript.h"
#include "tools/simulator/tcSimServer.h"
#include "tools/simulator/tcSimState.h"
#include "tools/simulator/tcSimStateFile.h"

namespace {

constexpr uint16_t kGain = 0x1001;

// Copies the front-panel test skin into a skins folder under `name`.
void install_skin(const QString& skins_dir, const QString& name) {
  const QDir source(tcFrontPanelSkin());
  const QDir target(QDir(skins_dir).filePath(name));
  QDir().mkpath(target.path());
  for (const QString& f : source.entryList(QDir::Files)) {
    QFile::copy(source.filePath(f), target.filePath(f));
  }
}

// A page whose knob and display stand for the analog input gain.
class GainPage : public tcControlGroup {
 public:
  explicit GainPage(tcAPBench* bench) : tcControlGroup(bench, kNames) {
    setTables(nullptr, nullptr, kKnobs);
    refreshAll();
    show(true);
  }
  void refreshAll() override {
    setupRange(1, kGain, 2, "dB");
    refreshKnobs();
  }
  static const NameRow kNames[];
  static const KnobRow kKnobs[];
};
const tcControlGroup::NameRow GainPage::kNames[] = {
    {1, "TEST_KNOB"}, {2, "TEST_DSPY"}, {0, nullptr}};
const tcControlGroup::KnobRow GainPage::kKnobs[] = {{1, 2, kGain, "dB"},
                                                    {tcControlGroup::kEnd, 0, 0, nullptr}};

void drag_up(QWidget* w, QPoint at, int pixels) {
  QTest::mousePress(w, Qt::LeftButton, Qt::NoModifier, at);
  for (int i = 0; i < pixels; ++i) {
    at.ry() -= 1;
    QMouseEvent move(QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &move);
  }
  QTest::mouseRelease(w, Qt::LeftButton, Qt::NoModifier, at);
}

TEST(WindowSkin, FallsBackToTheBuiltInSkinAndScalesByOneWithoutAScaleFile) {
  QTemporaryDir work, docs;
  TK3Widget window;
  ASSERT_EQ(window.init({{"qx770xpro"}, work.path(), docs.path()}), 0);
  // No "default" skin on disk: the one built into the program.
  ASSERT_EQ(window.load_initial_skin(), 0);
  ASSERT_NE(window.panel(), nullptr);
  EXPECT_FALSE(window.panel()->scaled());
  EXPECT_EQ(window.size(), window.panel()->panel_size());
  EXPECT_NE(window.main_group(), nullptr);
  // The temporary folder is gone once the panel is built.
  EXPECT_FALSE(QDir(window.context()->dirs().data_dir()).exists("SkinTemp/skin.xml"));
  window.close();
}

TEST(WindowSkin, TheChosenFolderSkinLoadsWithTheScaleOfItsFile) {
  QTemporaryDir work, docs;
  TK3Widget window;
  ASSERT_EQ(window.init({{"qx770xpro"}, work.path(), docs.path()}), 0);
  install_skin(window.context()->dirs().skins_dir(), "front");
  QFile scale(window.context()->dirs().data_file("ap_scale.ini"));
  ASSERT_TRUE(scale.open(QIODevice::WriteOnly));
  scale.write("[scale]\nX=1.5\nY=2.0\n");
  scale.close();
  window.context()->options().set_skin_name("front");
  window.context()->options().set_skin_file(0);
  ASSERT_EQ(window.load_initial_skin(), 0);
  EXPECT_EQ(window.size(), QSize(960, 720));
  EXPECT_NE(window.main_group()->findObject(tcControlGroupMain::kHdpnKnob), nullptr);

  // A skin without its background builds no panel; the window stays usable.
  QFile::remove(QDir(window.context()->dirs().skins_dir()).filePath("front/bkgrnd.png"));
  EXPECT_EQ(window.load_skin("front", false, false), -1);
  EXPECT_EQ(window.panel(), nullptr);
  window.close();
}

TEST(WindowMenu, EntriesFollowTheOptionsAndTheLoaderProgram) {
  QTemporaryDir work, docs;
  QFile loader(QDir(work.path()).filePath("lbn_loader"));
  ASSERT_TRUE(loader.open(QIODevice::WriteOnly));
  loader.close();
  TK3Widget window;
  ASSERT_EQ(window.init({{"qx770xpro"}, work.path(), docs.path()}), 0);
  QStringList menus, hardware, view;
  for (QAction* a : window.menu()->actions()) menus << a->text();
  EXPECT_EQ(menus, (QStringList{"View", "Hardware", "Presets"}));
  for (QAction* a : window.menu()->actions()[1]->menu()->actions()) hardware << a->text();
  EXPECT_EQ(hardware,
            (QStringList{"Devices...", "On-Line Mode...", "Event Scheduler...", "Login Password...",
                         "Version...", "Update...", "Update Front Panel..."}));
  for (QAction* a : window.view_actions()) view << a->text();
  EXPECT_EQ(view, (QStringList{"Analysis...", "Input", "Para EQ", "AGC/Comp", "HD Lim", "FM Lim",
                               "ST Encoder", "System"}));
  window.close();
}

TEST(WindowLock, TheDevicesLockIsKeptAcrossARestartAndARightClickAsksForTheCode) {
  QTemporaryDir work, docs;
  QString maps;
  {
    TK3Widget window;
    ASSERT_EQ(window.init({{"qx770xpro"}, work.path(), docs.path()}), 0);
    maps = window.context()->dirs().maps_dir();
    tcDeviceList* devices = window.devices();
    ASSERT_NE(devices->add("Studio", "192.0.2.7"), nullptr);
    devices->set_current(devices->index_of("Studio"));
    window.context()->options().set_device_name("Studio");
    ASSERT_EQ(devices->current()->set_access(tcCrc32::of_text("42"), 0, false), 0);
    window.gui_lock()->load_from_device();
    tcModalScript lock;
    lock.box(QMessageBox::Yes).type("42").box(QMessageBox::Ok).run();
    window.slot_gui_lock();
    ASSERT_TRUE(window.gui_lock()->locked());
    window.close();
  }

  TK3Widget window;
  ASSERT_EQ(window.init({{"qx770xpro"}, work.path(), docs.path()}), 0);
  ASSERT_EQ(window.load_initial_skin(), 0);
  window.show();
  EXPECT_TRUE(window.gui_lock()->locked());

  int asked = 0;
  tcModalScript cancel;
  cancel.then([&](QDialog* d) { ++asked, d->reject(); }).run();
  QTest::mousePress(&window, Qt::RightButton, Qt::NoModifier, QPoint(320, 300));
  EXPECT_EQ(asked, 1);
  EXPECT_FALSE(window.menu()->isVisible());

  tcModalScript unlock;
  unlock.type("42").box(QMessageBox::Ok).run();
  QTest::mousePress(&window, Qt::RightButton, Qt::NoModifier, QPoint(320, 300));
  EXPECT_EQ(unlock.log, (std::vector<QString>{"Restricted Access Code Required",
                                              "GUI Lock|This GUI interface is now unlocked."}));
  EXPECT_TRUE(window.menu()->isVisible());
  window.menu()->hide();
  EXPECT_FALSE(window.gui_lock()->locked());
  EXPECT_FALSE(tcDeviceConfig(maps, "Studio").ulck());
  window.close();
}

class PanelOnline : public tcWindowOnline<TK3Widget> {
 protected:
  void before_online() override {
    install_skin(window_.context()->dirs().skins_dir(), "front");
    ASSERT_EQ(window_.load_skin("front", false, false), 0);
    tcTK3Bench* bench = window_.panel();
    page_ = static_cast<GainPage*>(
        bench->add_group(std::make_unique<GainPage>(bench), tcAPBench::kSlots));
    window_.show();
  }
  tcGuiObject* knob() { return page_->findObject(1); }
  tcGuiObject* display() { return page_->findObject(2); }
  void drag_knob() { drag_up(&window_, knob()->area().center(), 6); }
  // The device's GUI code "42" guards the settings; the lock takes it.
  void give_access(bool locked) {
    ASSERT_EQ(window_.devices()->current()->set_access(tcCrc32::of_text("42"),
                                                       tcGuiRestriction::kSettings, locked),
              0);
    window_.gui_lock()->load_from_device();
  }

  GainPage* page_ = nullptr;
};

TEST_F(PanelOnline, ALockedPanelRefusesAKnobDragUntilTheCodeIsGiven) {
  give_access(false);
  tcModalScript lock;
  lock.box(QMessageBox::Yes).type("42").box(QMessageBox::Ok).run();
  window_.slot_gui_lock();
  ASSERT_TRUE(window_.gui_lock()->locked());

  SETTINGS& bank = *stores().banks().set(0);
  const uint32_t before = bank.raw(kGain);
  int asked = 0;
  tcModalScript cancel;
  cancel.then([&](QDialog* d) { ++asked, d->reject(); }).run();
  drag_knob();
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(bank.raw(kGain), before);

  // The code unlocks; the gesture that asked for it does not act, the next one does.
  tcModalScript unlock;
  unlock.type("42").box(QMessageBox::Ok).run();
  drag_knob();
  EXPECT_FALSE(window_.gui_lock()->locked());
  EXPECT_EQ(bank.raw(kGain), before);
  drag_knob();
  EXPECT_EQ(bank.raw(kGain), before + 6);
  ASSERT_TRUE(wait([&] { return !stores().bank_send().record(0)->any(); }));
  QThread::msleep(300);  // the frames are on their way to the simulator
  stop_simulator();
  EXPECT_EQ(state_.bank(0).set->raw(kGain), before + 6);
}

TEST_F(PanelOnline, AClosingWhileTheUnlockDialogRunsWaitsForTheGestureToEnd) {
  give_access(true);
  // As Ctrl+C would: the close comes while the press on the knob waits for the code.
  tcModalScript close;
  close.then([&](QDialog*) { window_.close(); }).run();
  drag_knob();
  EXPECT_NE(window_.context(), nullptr);
  EXPECT_TRUE(wait([&] { return window_.context() == nullptr; }));
}

TEST_F(PanelOnline, AKnobDragIsSentAndMarksTheBankTweaked) {
  const auto* status = static_cast<const tcGuiDisplay*>(
      window_.main_group()->findObject(tcControlGroupMain::kStatOnline));
  EXPECT_EQ(status->text(), "Online");
  // A skin without status colours keeps the display's own.
  EXPECT_EQ(status->text_colour(), status->colour(tcGuiDisplay::kFg));
  SETTINGS& bank = *stores().banks().set(0);
  const uint32_t before = bank.raw(kGain);
  drag_up(&window_, knob()->area().center(), 6);
  EXPECT_EQ(bank.raw(kGain), before + 6);
  EXPECT_EQ(display()->text(), bank.format(kGain));
  ASSERT_TRUE(wait([&] {
    tcPresetHeader header;
    stores().banks().get_header(0, &header);
    return !stores().bank_send().record(0)->any() &&
           header.map_version == tcApWidget::kTweakedMapVersion;
  }));
  QThread::msleep(300);  // the frames are on their way to the simulator
  stop_simulator();
  EXPECT_EQ(state_.bank(0).set->raw(kGain), before + 6);
}

TEST_F(PanelOnline, AChangeFromTheProcessorMovesTheKnobWithoutAnEcho) {
  SETTINGS& bank = *stores().banks().set(0);
  const uint32_t processor = bank.raw(kGain);
  // A value of the console's own, put right by the picture a reconnect brings.
  bank.set_raw(kGain, processor + 9, kSourceSilent);
  page_->refreshAll();
  ASSERT_EQ(knob()->value(), static_cast<int>(processor + 9));
  window_.connection()->set_online(false);
  window_.connection()->set_online(true);
  ASSERT_TRUE(wait([&] { return knob()->value() == static_cast<int>(processor); }));
  EXPECT_EQ(display()->text(), bank.format(kGain));
  QThread::msleep(100);
  QCoreApplication::processEvents();
  EXPECT_FALSE(stores().bank_send().record(0)->any());
  EXPECT_EQ(bank.raw(kGain), processor);
}

TEST_F(PanelOnline, TheCrcCheckMarksAPresetThatDiffersFromTheProcessors) {
  window_.slot_crc_check();
  EXPECT_FALSE(window_.preset_modified());
  const tcGuiObject* preset = window_.main_group()->findObject(tcControlGroupMain::kStatPreset);
  tcPresetHeader header;
  stores().banks().get_header(0, &header);
  EXPECT_EQ(preset->text(), header.name_text());

  // The analog gain follows the I/O set-up: it counts only with S_FOLLOW set.
  SETTINGS& bank = *stores().banks().set(0);
  bank.set_raw(kGain, bank.raw(kGain) + 1, kSourceSilent);
  window_.slot_crc_check();
  EXPECT_FALSE(window_.preset_modified());
  stores().globals().set_bool(0x2000, 1, kSourceSilent);
  window_.slot_crc_check();
  EXPECT_TRUE(window_.preset_modified());
  EXPECT_EQ(static_cast<const tcGuiDisplay*>(preset)->alert(), tcGuiDisplay::kWarning);
}

TEST_F(PanelOnline, SavingAPresetNeedsAnEmptyOrUnlockedEntry) {
  tcPresetHeader locked;
  locked.present = 1;
  locked.status = 1;
  for (int slot = 0; slot < tcPresetDirectory::kSlots; ++slot) {
    stores().directory().set(slot, locked);
  }
  QString title, text;
  answer_next_box(QMessageBox::Ok, &title, &text);
  window_.slot_pset_save();
  EXPECT_EQ(title, "Save preset");
  EXPECT_EQ(text, "Unable to save preset. There are no empty unlocked preset entries available.");

  // Off-line the gate answers first.
  window_.connection()->set_online(false);
  answer_next_box(QMessageBox::Ok, &title, &text);
  window_.slot_pset_save();
  EXPECT_EQ(title, "Preset Save");
  EXPECT_EQ(text, "You must be online to perform this action.");
}

// On the default skin, with its status colours.
class DefaultSkinOnline : public tcWindowOnline<TK3Widget> {
 protected:
  void before_online() override { ASSERT_EQ(window_.load_skin(QString(), false, true), 0); }
  uint32_t status_colour() const {
    return window_.main_group()->findObject(tcControlGroupMain::kStatOnline)->text_colour();
  }
  uint32_t skin_colour(const char* name) const { return *window_.panel()->find_colour(name); }
};

TEST_F(DefaultSkinOnline, EachConnectionStateShowsInItsSkinColour) {
  ASSERT_NE(window_.panel()->find_colour("STATUS_ONLINE"), nullptr);
  EXPECT_EQ(status_colour(), skin_colour("STATUS_ONLINE"));
  window_.slot_connect();  // the login is asked for again
  EXPECT_EQ(status_colour(), skin_colour("STATUS_PENDING"));
  window_.slot_connecting();
  EXPECT_EQ(status_colour(), skin_colour("STATUS_TRYING"));
  window_.connection()->set_online(false);
  ASSERT_TRUE(wait([&] { return window_.connection()->state() == tcConnection::kOffline; }));
  EXPECT_EQ(status_colour(), skin_colour("STATUS_OFFLINE"));
}

class DefaultSkinWithPassword : public DefaultSkinOnline {
 protected:
  uint32_t password_code() const override { return 0x1234ABCD; }
};

TEST_F(DefaultSkinWithPassword, ARejectedLoginShowsInTheRejectedColour) {
  std::vector<std::pair<QString, uint32_t>> shown;
  QObject::connect(window_.connection(), &tcConnection::sig_status_changed, &window_, [&] {
    shown.emplace_back(window_.connection()->status_text(), status_colour());
  });
  bool rejected = false;
  window_.connection()->set_login_prompt([&] {
    rejected = true;
    return tcConnection::LoginEntry();  // cancelled
  });
  window_.connection()->set_online(true);
  // The link that the cancel switched off reports its end last.
  ASSERT_TRUE(wait([&] {
    return rejected && !window_.connection()->online() && !shown.empty() &&
           shown.back().first == "Offline";
  }));
  const auto pending =
      std::find_if(shown.begin(), shown.end(), [](const auto& s) { return s.first == "Pending"; });
  const auto rejection =
      std::find_if(shown.begin(), shown.end(), [](const auto& s) { return s.first == "Rejected"; });
  ASSERT_NE(pending, shown.end());
  ASSERT_NE(rejection, shown.end());
  EXPECT_EQ(pending->second, skin_colour("STATUS_PENDING"));
  EXPECT_EQ(rejection->second, skin_colour("STATUS_REJECTED"));
  EXPECT_EQ(shown.back().second, skin_colour("STATUS_OFFLINE"));  // on-line mode is off
}

}  // namespace
