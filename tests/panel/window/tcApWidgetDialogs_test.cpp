// The window's menu actions against the simulator run in-process: each slot
// opens its dialog on the window's own stores and link, and what the dialog
// does reaches the processor (or comes back from it).
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDateTimeEdit>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QTimeEdit>
#include <QTreeWidget>
#include <algorithm>

#include "app/core/tcCrc32.h"
#include "panel/window/tcApWidget.h"
#include "presets/dialogs/CPresetsDlg.h"
#include "presets/dialogs/tcPDlgArcBox.h"
#include "presets/dialogs/tcPresetSaveDlg.h"
#include "presets/dialogs/tcPresetTakeDlg.h"
#include "presets/storage/tcPresetPackageCodec.h"
#include "services/access/tcPswdEntryDlg.h"
#include "services/clock/tcDeviceVersionDlg.h"
#include "services/clock/tcTimeDateSetDlg.h"
#include "services/events/tcEventLongDlg.h"
#include "services/events/tcEventScheduler.h"
#include "services/events/tcEventWeekDlg.h"
#include "services/events/tcPresetChooser.h"
#include "tests/panel/window/tcWindowOnline.h"
#include "tests/services/firmware/tcFirmwareTransfer.h"
#include "tests/support/tcModalDriver.h"

namespace {

using WindowDialogs = tcWindowOnline<tcApWidget>;

tcPresetHeader header_of(const tcPresetDirectory& directory, int slot) {
  tcPresetHeader header;
  directory.get(slot, header);
  return header;
}

TEST_F(WindowDialogs, UpdateSendsAFiftyBlockImageWithTheProgressShown) {
  const QString path = QDir(work_.path()).filePath("image.kfw");
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(test_image(50));
  file.close();

  std::vector<int> progress;
  QString title, text;
  // The file chooser, then the confirmation, the transfer and its success box.
  on_next_modal<QFileDialog>([&](QFileDialog* chooser) {
    answer_transfer(&progress, &title, &text);
    chooser->selectFile(path);
    static_cast<QDialog*>(chooser)->accept();
  });
  window_.slot_swup_dlg();
  EXPECT_EQ(title, "Download Success");
  ASSERT_GE(progress.size(), 10u);
  EXPECT_TRUE(std::is_sorted(progress.begin(), progress.end()));
  EXPECT_EQ(progress.back(), 100);
}

TEST_F(WindowDialogs, TheTimeSetComesBackInTheNextMeterRecords) {
  on_next_modal<tcTimeDateSetDlg>([](tcTimeDateSetDlg* dlg) {
    dlg->manual_button()->click();
    dlg->pc_time_box()->setChecked(false);
    dlg->date_time_field()->setDateTime(QDateTime(QDate(2031, 5, 17), QTime(8, 9, 10)));
    dlg->accept();
  });
  window_.slot_time_set();
  ASSERT_TRUE(wait([&] {
    const tcMeterRecord& clock = window_.ap_clock();
    return clock.year() == 2031 && clock.month() == 5 && clock.day() == 17;
  }));
  EXPECT_EQ(window_.ap_clock().hour(), 8);
  EXPECT_FALSE(window_.ap_clock().sntp_mode());
}

TEST_F(WindowDialogs, AnEditedScheduleIsSentAndFetchedBackEqual) {
  QSignalSpy fetched(&stores().link_signals(), &tcLinkSignals::sig_new_events);
  std::vector<tcIddApGui::tsAPEvent> sent;
  on_next_modal<tcEventScheduler>([&](tcEventScheduler* dlg) {
    // Edits made before the processor's schedule arrives would be replaced by it.
    wait([&] { return fetched.count() > 0; });
    QCoreApplication::processEvents();
    on_next_modal<tcEventWeekDlg>([](tcEventWeekDlg* add) {
      QTest::mouseClick(add->day_box(2), Qt::LeftButton);
      add->time_field()->setTime(QTime(17, 45, 0));
      add->preset_list()->setCurrentIndex(4);
      add->accept();
    });
    dlg->button("btnWeekAdd")->click();
    sent = dlg->schedule().outgoing();
    QTest::mouseClick(dlg->button("btnOkay"), Qt::LeftButton);
  });
  window_.slot_event_dlg();
  ASSERT_EQ(sent.size(), 1u);

  stores().events().take_part({});  // forget what the console holds
  bool equal = false;
  on_next_modal<tcEventScheduler>([&](tcEventScheduler* dlg) {
    equal = wait([&] { return dlg->schedule().outgoing() == sent; });
    dlg->reject();
  });
  window_.slot_event_dlg();
  EXPECT_TRUE(equal);
}

TEST_F(WindowDialogs, TheVersionDialogAsksTheProcessor) {
  QString shown;
  on_next_modal<tcDeviceVersionDlg>([&](tcDeviceVersionDlg* dlg) {
    QLabel* version = dlg->line(tcDeviceVersionDlg::kVersion);
    wait([&] { return version->text().startsWith("Version"); });
    shown = version->text();
    dlg->accept();
  });
  window_.slot_version_dlg();
  EXPECT_EQ(shown, "Version: 2.8.0");
}

TEST_F(WindowDialogs, ANewLoginPasswordReachesTheProcessorAndTheDevice) {
  on_next_modal<tcPswdEntryDlg>([](tcPswdEntryDlg* dlg) {
    dlg->new_field()->setText("studio-9");
    dlg->verify_field()->setText("studio-9");
    dlg->remember_box()->setChecked(true);
    dlg->accept();
  });
  window_.slot_password_dlg();
  const uint32_t code = tcCrc32::of_text("studio-9");
  EXPECT_EQ(window_.devices()->current()->rcrc(), code);
  ASSERT_TRUE(wait([&] { return !stores().globals_send().any(); }));
  QThread::msleep(300);  // the global is on its way to the simulator
  stop_simulator();
  EXPECT_EQ(state_.password_code(), code);
}

TEST_F(WindowDialogs, ATakeFromTheTakeWindowReachesTheProcessor) {
  window_.slot_pset_take();
  tcPresetTakeDlg* take = window_.preset_take();
  ASSERT_NE(take, nullptr);
  EXPECT_TRUE(take->isVisible());
  EXPECT_TRUE(take->online());
  const QString name = header_of(stores().directory(), 3).name_text().toQString();
  const auto found = take->tree()->findItems(QStringLiteral("004  ") + name,
                                             Qt::MatchExactly | Qt::MatchRecursive);
  ASSERT_EQ(found.size(), 1);
  take->slot_tree_double_clicked(found.first(), 0);
  ASSERT_TRUE(wait([&] {
    tcPresetHeader live;
    stores().banks().get_header(0, &live);
    return live.name_text().toQString() == name;
  }));

  // Opened again, the take window replaces the one that is open.
  const QPointer<tcPresetTakeDlg> first(take);
  window_.slot_pset_take();
  QCoreApplication::processEvents();
  EXPECT_TRUE(first.isNull());
  stop_simulator();
  EXPECT_EQ(state_.bank(0).header.name_text().toQString(), name);
}

TEST_F(WindowDialogs, ASaveLandsInTheProposedSlot) {
  int proposed = -1;
  for (int slot = 0; slot < tcPresetDirectory::kSlots && proposed < 0; ++slot)
    if (!stores().directory().present(slot)) proposed = slot;
  ASSERT_GE(proposed, 0);
  int shown = 0;
  on_next_modal<tcPresetSaveDlg>([&](tcPresetSaveDlg* dlg) {
    shown = dlg->number();
    dlg->name_edit()->setText("Wired Save");
    dlg->accept();
  });
  window_.slot_pset_save();
  EXPECT_EQ(shown, proposed + 1);
  ASSERT_TRUE(
      wait([&] { return header_of(stores().directory(), proposed).name_text() == "Wired Save"; }));
  stop_simulator();
  EXPECT_EQ(state_.slot(proposed).header.name_text(), "Wired Save");
}

TEST_F(WindowDialogs, TheLibraryTakesASlotAndMarksItCurrent) {
  const tcString name = header_of(stores().directory(), 3).name_text();
  QString row;
  on_next_modal<CPresetsDlg>([&](CPresetsDlg* dlg) {
    tcPDlgArcBox* arc = dlg->arc_box();
    arc->setCurrentItem(arc->topLevelItem(3));
    arc->slot_take();
    // The processor's report reaches the dialog through the window.
    wait([&] { return arc->topLevelItem(3)->text(0) == "004 Current"; });
    row = arc->topLevelItem(3)->text(0);
    dlg->accept();
  });
  window_.slot_preset_dlg();
  EXPECT_EQ(row, "004 Current");
  stop_simulator();
  EXPECT_EQ(state_.bank(0).header.name_text(), name);
}

TEST(WindowPackages, APackageDroppedInAutoloadIsInstalledAtStart) {
  QTemporaryDir work, docs;
  const QDir data(QDir(docs.path()).filePath("Morvallion/QX770HD"));
  ASSERT_TRUE(data.mkpath("presets/autoload"));
  QByteArray bytes;
  ASSERT_EQ(
      tcPresetPackageCodec::encode({{"Deep/d.qx770x", "QUESSA TK9000 SG PRESET:d: \n"}}, &bytes),
      0);
  QFile package(data.filePath("presets/autoload/Rock.pkg"));
  ASSERT_TRUE(package.open(QIODevice::WriteOnly));
  package.write(bytes);
  package.close();

  tcApWidget window;
  QSignalSpy tree(&window, &tcApWidget::sig_ptree_change);
  ASSERT_EQ(window.init({{"qx770xpro"}, work.path(), docs.path()}), 0);
  ASSERT_TRUE(wait_until([&] { return tree.count() > 0; }));
  EXPECT_TRUE(QFileInfo::exists(data.filePath("presets/favorites/Rock/Deep/d.qx770x")));
  EXPECT_FALSE(package.exists());
  window.close();
}

}  // namespace
