#include "presets/dialogs/CPresetsViewDlg.h"

#include <gtest/gtest.h>

#include <QTreeWidget>

#include "params/SETTINGS.h"
#include "params/tcPresetHeader.h"
#include "tests/presets/dialogs/tcPresetDialogWorld.h"

TEST(CPresetsViewDlg, PlainAndEngineeringColumns) {
  SETTINGS set;
  set.set_float(0x1407, 4.0f, kSourceSilent);
  tcPresetHeader header;
  header.set_name("Hot");
  CPresetsViewDlg plain(header, set, false);
  EXPECT_EQ(plain.windowTitle(), "Preset View");
  QTreeWidget* tree = plain.tree();
  EXPECT_EQ(tree->columnCount(), 2);
  ASSERT_EQ(tree->topLevelItemCount(), 3 + 457 - 28);
  EXPECT_EQ(tree->topLevelItem(0)->text(1), "Hot");
  EXPECT_EQ(tree->topLevelItem(1)->text(0), "Num IDs");
  EXPECT_EQ(tree->topLevelItem(1)->text(1), "406");
  EXPECT_EQ(tree->topLevelItem(2)->text(1).size(), 8);

  CPresetsViewDlg guru(header, set, true);
  tree = guru.tree();
  ASSERT_EQ(tree->columnCount(), 11);
  EXPECT_EQ(tree->headerItem()->text(10), "Tweeker");
  ASSERT_EQ(tree->topLevelItemCount(), 3 + 457);
  const QTreeWidgetItem* gain = tree->topLevelItem(3);
  EXPECT_EQ(gain->text(0), "Inp Analog Gain");
  EXPECT_EQ(gain->text(3), "1001");
  EXPECT_EQ(gain->text(4), "float");
  EXPECT_EQ(gain->text(5), "    -36.00");
  EXPECT_EQ(gain->text(8), "TRUE");  // follows I/O
  const QList<QTreeWidgetItem*> tweaker = tree->findItems("Tweeker A", Qt::MatchExactly);
  ASSERT_EQ(tweaker.size(), 1);
  EXPECT_EQ(tweaker[0]->text(10), "TRUE");
  EXPECT_EQ(tweaker[0]->text(4), "int");
  const QList<QTreeWidgetItem*> in = tree->findItems("AGC In", Qt::MatchExactly);
  ASSERT_EQ(in.size(), 1);
  EXPECT_EQ(in[0]->text(5), "--");
  EXPECT_EQ(in[0]->text(7), "false");
  guru.show();
  keep_shot(&guru, "view_guru.png");
}
