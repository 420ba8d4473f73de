// The library dialog against the simulated processor: real boxes driven with
// mouse clicks, shortcuts and drops; what the processor stores is checked on
// its own side.
#include "presets/dialogs/CPresetsDlg.h"

#include <QAction>
#include <QApplication>
#include <QDragEnterEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>

#include "params/tcPresetFile.h"
#include "presets/dialogs/tcPDlgArcBox.h"
#include "presets/dialogs/tcPDlgFavFilesBox.h"
#include "presets/dialogs/tcPDlgFavFoldersBox.h"
#include "presets/dialogs/tcPresetSave.h"
#include "presets/dialogs/tcPresetSaveDlg.h"
#include "presets/storage/tcPresetIndex.h"
#include "tests/presets/dialogs/tcPresetDialogWorld.h"
#include "tests/support/tcModalDriver.h"

namespace {

class LibraryOnline : public tcPresetDialogWorld {
 protected:
  void SetUp() override {
    ASSERT_TRUE(QDir().mkpath(favorites("Mine")));
    // Slot 80 holds a locked preset of the processor's own.
    SETTINGS values;
    tcPresetHeader header;
    header.set_name("Locked Last");
    ASSERT_TRUE(sim_state_.store_preset(79, &values, header));
    ASSERT_TRUE(sim_state_.lock(79, tcSimState::kLocked));
    go_online();
    if (HasFatalFailure()) return;
    dlg_ = std::make_unique<CPresetsDlg>(context_);
    // As the main window connects them.
    QObject::connect(&stores_->link_signals(), &tcLinkSignals::sig_summary_changed, dlg_.get(),
                     &CPresetsDlg::slot_populate_arc_list, Qt::QueuedConnection);
    QObject::connect(&stores_->link_signals(), &tcLinkSignals::sig_crc_check, dlg_.get(),
                     &CPresetsDlg::slot_populate_arc_list, Qt::QueuedConnection);
    dlg_->show();
    QApplication::setActiveWindow(dlg_.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(dlg_.get()));
  }

  tcPDlgArcBox* arc() { return dlg_->arc_box(); }
  tcPDlgFavFilesBox* files() { return dlg_->files_box(); }
  tcPDlgFavFoldersBox* folders() { return dlg_->folders_box(); }

  static void click(tcPDlgListBox* box, QTreeWidgetItem* item,
                    Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    ASSERT_NE(item, nullptr);
    box->scrollToItem(item);
    QTest::mouseClick(box->viewport(), Qt::LeftButton, modifiers,
                      box->visualItemRect(item).center());
  }
  QTreeWidgetItem* slot_row(int slot) { return arc()->topLevelItem(slot); }
  void shortcut(tcPDlgListBox* box, Qt::Key key) {
    QApplication::setActiveWindow(dlg_.get());
    box->setFocus();
    QTest::keyClick(box, key, Qt::ControlModifier);
  }
  // Drags the selected rows of `from` onto a row of `to`, as a mouse drag would
  // end: the drag starts in the source, the target sees it enter, move and drop.
  void drag(tcPDlgListBox* from, tcPDlgListBox* to, QTreeWidgetItem* onto) {
    std::unique_ptr<QMimeData> data(from->begin_drag());
    ASSERT_NE(data, nullptr);
    const QPoint at = to->visualItemRect(onto).center();
    QDragEnterEvent enter(at, Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(to->viewport(), &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDragMoveEvent move(at, Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(to->viewport(), &move);
    QDropEvent drop(at, Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(to->viewport(), &drop);
    ASSERT_TRUE(drop.isAccepted());
  }
  bool slot_named(int slot, const char* name) {
    tcPresetHeader header;
    stores_->directory().get(slot, header);
    return header.present && header.name_text() == name;
  }

  std::unique_ptr<CPresetsDlg> dlg_;
};

}  // namespace

TEST_F(LibraryOnline, CopiesProcessorPresetsToFilesAndBackIntoOtherSlots) {
  ASSERT_TRUE(arc()->isEnabled());
  ASSERT_EQ(arc()->topLevelItemCount(), 80);
  EXPECT_EQ(slot_row(0)->text(1), "Classic Rock");
  EXPECT_TRUE(slot_row(6)->text(1).isEmpty());

  // Three processor presets dragged onto the folder "Mine".
  click(arc(), slot_row(0));
  click(arc(), slot_row(2), Qt::ShiftModifier);
  drag(arc(), folders(), folders()->item_of(favorites("Mine")));
  const QStringList expected = {"Classic Rock.qx770x", "Hot AC.qx770x", "News Talk.qx770x"};
  ASSERT_TRUE(wait_until([&] { return tcPresetIndex(favorites("Mine")).read() == expected; }));
  EXPECT_EQ(folders()->current_folder(), favorites("Mine"));  // the row under the drop
  ASSERT_EQ(files()->folder(), favorites("Mine"));
  ASSERT_EQ(files()->topLevelItemCount(), 3);

  // Copied back with the keyboard into slots 11 to 13.
  click(files(), files()->topLevelItem(0));
  click(files(), files()->topLevelItem(2), Qt::ShiftModifier);
  shortcut(files(), Qt::Key_C);
  ASSERT_EQ(dlg_->clipboard().size(), 3u);
  click(arc(), slot_row(10));
  shortcut(arc(), Qt::Key_V);
  ASSERT_TRUE(wait_until([&] {
    return slot_named(10, "Classic Rock") && slot_named(11, "Hot AC") &&
           slot_named(12, "News Talk");
  }));
  ASSERT_TRUE(wait_until([&] { return arc()->topLevelItem(11)->text(1) == "Hot AC"; }));
  click(files(), files()->topLevelItem(1));
  arc()->scrollToItem(slot_row(0));
  keep_shot(dlg_.get(), "library.png");
  // The device remembers which file filled each slot.
  EXPECT_EQ(devices_->current()->preset(11), "Hot AC");

  // On the processor's side the stored values are the files' values.
  stop_simulator();
  for (int n = 0; n < 3; ++n) {
    SETTINGS file_values;
    tcPresetHeader header;
    ASSERT_EQ(tcPresetFile::load_checked(favorites("Mine/" + expected[n]), &header, &file_values),
              0);
    const SETTINGS& stored = sim_state_.values(10 + n);
    const tcParamTable& table = stored.table();
    for (int i = 0; i < table.count(); ++i) {
      const uint16_t id = table.rows()[i].id;
      ASSERT_EQ(stored.raw(id), file_values.raw(id)) << expected[n].toStdString() << " id " << id;
    }
    EXPECT_EQ(sim_state_.slot(10 + n).header.name_text(), header.name_text());
  }
  // The factory presets they came from differ from the defaults, so the check saw something.
  EXPECT_NE(sim_state_.values(10).raw(0x1400), SETTINGS().raw(0x1400));
}

TEST_F(LibraryOnline, PasteOntoTheLastSlotsRespectsLocksAndDropsWhatDoesNotFit) {
  click(arc(), slot_row(0));
  click(arc(), slot_row(2), Qt::ShiftModifier);
  shortcut(arc(), Qt::Key_C);
  ASSERT_EQ(dlg_->clipboard().size(), 3u);

  click(arc(), slot_row(78));
  QString title, text;
  answer_next_box(QMessageBox::Ok, &title, &text);
  shortcut(arc(), Qt::Key_V);
  EXPECT_EQ(title, "Preset Paste");
  EXPECT_EQ(text, "One or more of the destination presets is locked.");
  EXPECT_FALSE(stores_->directory().present(78));

  // Unlocked through the dialog, the paste fills the last two slots.
  click(arc(), slot_row(79));
  arc()->action("Un-Lock Preset")->trigger();
  ASSERT_TRUE(wait_until([&] {
    tcPresetHeader header;
    stores_->directory().get(79, header);
    return header.status == 0;
  }));
  click(arc(), slot_row(78));
  shortcut(arc(), Qt::Key_V);
  ASSERT_TRUE(
      wait_until([&] { return slot_named(78, "Classic Rock") && slot_named(79, "Hot AC"); }));
  stop_simulator();
  EXPECT_EQ(sim_state_.slot(79).header.name_text(), "Hot AC");
}

TEST_F(LibraryOnline, FactoryLockedPresetsStayLockedWithoutTechnicianMode) {
  click(arc(), slot_row(1));
  QString title, text;
  answer_next_box(QMessageBox::Ok, &title, &text);
  arc()->action("Un-Lock Preset")->trigger();
  EXPECT_EQ(title, "Preset Lock Error");
  EXPECT_EQ(text, "Preset 2 \"Hot AC\" is factory locked.");
  EXPECT_EQ(arc()->action("Factory Lock Preset"), nullptr);

  click(arc(), slot_row(2), Qt::ShiftModifier);
  answer_next_box(QMessageBox::Ok, &title, &text);
  arc()->action("Lock Preset")->trigger();
  EXPECT_EQ(text, "Presets 2, 3 \"Hot AC\", \"News Talk\" is factory locked.");
  QTest::qWait(100);
  tcPresetHeader header;
  stores_->directory().get(1, header);
  EXPECT_EQ(header.status, 2);
}

TEST_F(LibraryOnline, TakingAFileFollowsSFollow) {
  // A file whose input gain (an I/O parameter) and drive differ from the live bank's.
  SETTINGS values;
  values.set_float(0x1001, -6.0f, kSourceSilent);
  values.set_float(0x1407, 3.0f, kSourceSilent);
  tcPresetHeader header;
  header.set_name("Loud");
  header.take_checksums(values);
  ASSERT_EQ(tcPresetFile::write(header, values, favorites("Mine/Loud.qx770x")), 0);
  SETTINGS& live = *stores_->banks().set(0);
  const float live_gain = live.eng(0x1001);
  ASSERT_NE(live_gain, -6.0f);

  folders()->setCurrentItem(folders()->item_of(favorites("Mine")));
  ASSERT_EQ(files()->topLevelItemCount(), 1);
  click(files(), files()->topLevelItem(0));
  shortcut(files(), Qt::Key_T);
  EXPECT_FLOAT_EQ(live.eng(0x1407), 3.0f);
  EXPECT_FLOAT_EQ(live.eng(0x1001), live_gain);  // S_FOLLOW off: the live gain stays
  tcPresetHeader live_header;
  stores_->banks().get_header(0, &live_header);
  EXPECT_EQ(live_header.name_text(), "Loud");

  stores_->globals().set_bool(0x2000, 1, kSourceSilent);
  shortcut(files(), Qt::Key_T);
  EXPECT_FLOAT_EQ(live.eng(0x1001), -6.0f);
  // The processor's bank follows, values and name.
  QTest::qWait(300);
  stop_simulator();
  EXPECT_FLOAT_EQ(sim_state_.bank(0).set->eng(0x1001), -6.0f);
  EXPECT_FLOAT_EQ(sim_state_.bank(0).set->eng(0x1407), 3.0f);
  EXPECT_EQ(sim_state_.bank(0).header.name_text(), "Loud");
}

TEST_F(LibraryOnline, TakingASlotMakesItTheCurrentOne) {
  click(arc(), slot_row(3));
  shortcut(arc(), Qt::Key_T);
  ASSERT_TRUE(wait_until([&] { return slot_row(3)->text(0) == "004 Current"; }));
  tcPresetHeader live;
  stores_->banks().get_header(0, &live);
  EXPECT_EQ(live.name_text(), "Urban");
  EXPECT_EQ(arc()->current_slot(), 3);
  EXPECT_EQ(slot_row(0)->text(0), "001");
}

TEST_F(LibraryOnline, SavingStoresTheLiveBankInTheProposedSlot) {
  SETTINGS& live = *stores_->banks().set(0);
  live.set_float(0x1407, 5.0f, kSourceSilent);
  const int slot = tcPresetSave::proposed_slot(stores_->directory());
  ASSERT_EQ(slot, 6);  // the first empty one
  tcPresetSaveDlg dlg(context_, slot);
  EXPECT_EQ(dlg.name(), "PSET 007");
  dlg.name_edit()->setText("Morning-Drive");
  dlg.accept();
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
  ASSERT_TRUE(wait_until([&] { return slot_named(6, "Morning-Drive"); }));
  tcPresetHeader header;
  stores_->banks().get_header(0, &header);
  EXPECT_EQ(header.name_text(), "Morning-Drive");
  stop_simulator();
  EXPECT_FLOAT_EQ(sim_state_.values(6).eng(0x1407), 5.0f);
  EXPECT_EQ(sim_state_.bank(0).header.name_text(), "Morning-Drive");
}
