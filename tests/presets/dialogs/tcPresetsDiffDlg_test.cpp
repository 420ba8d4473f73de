// The comparison and the printed pages. With QX_PRESET_PRINT_DIR set, the PDFs
// are kept there for a look.
#include "presets/dialogs/tcPresetsDiffDlg.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTreeWidget>

#include "params/GLOBALS.h"
#include "params/SETTINGS.h"
#include "params/tcPresetHeader.h"
#include "presets/dialogs/tcPresetPrint.h"

namespace {

struct TwoPresets {
  SETTINGS first, second;
  tcPresetHeader first_header, second_header;
  TwoPresets() {
    first_header.set_name("Hot");
    second_header.set_name("Warm");
    first.set_float(0x1407, 4.0f, kSourceSilent);  // AGC/Comp Drv
    second.set_int(0x1940, 1, kSourceSilent);      // Digital Output
    first.set_float(0x1910, 0.6f, kSourceSilent);  // Crip F1, secret
  }
};

QStringList differing(const QVector<tcPresetDiffRow>& rows) {
  QStringList names;
  for (const tcPresetDiffRow& row : rows)
    if (row.differs) names << row.setting;
  return names;
}

QString print_dir(QTemporaryDir& temporary) {
  const QString kept = qEnvironmentVariable("QX_PRESET_PRINT_DIR");
  return kept.isEmpty() ? temporary.path() : kept;
}

qint64 print_to_pdf(const QString& file, const QVector<tcPrintSection>& sections) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(file);
  tcPresetPrint::render(printer, sections);
  return QFileInfo(file).size();
}

}  // namespace

TEST(tcPresetsDiffDlg, MarksExactlyTheDifferingRows) {
  TwoPresets p;
  const QVector<tcPresetDiffRow> plain =
      tcPresetDiff::rows(p.first_header, p.first, p.second_header, p.second, false);
  EXPECT_EQ(differing(plain), QStringList({"Name", "CRC", "AGC/Comp Drv", "Digital Output"}));
  EXPECT_EQ(plain[1].setting, "Num Parameters");
  EXPECT_EQ(plain[1].first, "406");
  const QVector<tcPresetDiffRow> guru =
      tcPresetDiff::rows(p.first_header, p.first, p.second_header, p.second, true);
  EXPECT_EQ(guru.size(), plain.size() + 28);
  EXPECT_TRUE(differing(guru).contains("Crip F1"));

  tcPresetsDiffDlg dlg(p.first_header, p.first, p.second_header, p.second, false);
  EXPECT_EQ(dlg.windowTitle(), "Preset Difference");
  QTreeWidget* tree = dlg.findChild<QTreeWidget*>("diff_tree");
  ASSERT_NE(tree, nullptr);
  EXPECT_EQ(tree->headerItem()->text(1), "Hot");
  ASSERT_EQ(tree->topLevelItemCount(), plain.size());
  int red = 0;
  for (int i = 0; i < tree->topLevelItemCount(); ++i)
    red += tree->topLevelItem(i)->foreground(0).color() == Qt::red;
  EXPECT_EQ(red, 4);
  for (const tcPresetDiffRow& row : plain) {
    if (row.setting == "AGC/Comp Drv") {
      EXPECT_EQ(tcPresetDiff::line(row),
                "** AGC/Comp Drv\t" + row.first + "\t" + row.second + "\t");
      EXPECT_EQ(row.first.trimmed(), "+4.0 dB");
    }
  }
}

TEST(tcPresetPrint, LinesOfBothForms) {
  TwoPresets p;
  GLOBALS globals;
  const tcPrintSection plain = tcPresetPrint::preset(p.first_header, p.first, globals, false);
  EXPECT_EQ(plain.title, "Hot");
  EXPECT_EQ(plain.heading, "Morvallion QX770HD Pro");
  ASSERT_EQ(plain.lines.size(), 457 - 28);
  EXPECT_EQ(plain.lines[0].text, "1  :   Inp Analog Gain               +0.0 dB");
  const tcPrintSection guru = tcPresetPrint::preset(p.first_header, p.first, globals, true);
  ASSERT_EQ(guru.lines.size(), tcParamTable::kGlobalCount + 457);
  EXPECT_TRUE(guru.lines[0].text.startsWith(
      "G: 1   (2000)-B: [        --,         --,      False:      False]"))
      << guru.lines[0].text.toStdString();
  EXPECT_TRUE(guru.lines[tcParamTable::kGlobalCount].text.startsWith(
      "p: 1   (1001)-F: [    -36.00,      12.00,       0.00:       0.00]"))
      << guru.lines[tcParamTable::kGlobalCount].text.toStdString();
  EXPECT_TRUE(guru.lines.last().text.endsWith("fs: ff Digital Output"))
      << guru.lines.last().text.toStdString();

  const tcPrintSection diff = tcPresetPrint::diff(
      tcPresetDiff::rows(p.first_header, p.first, p.second_header, p.second, false));
  EXPECT_EQ(diff.title, "Differences");
  EXPECT_EQ(diff.heading, "Morvallion QX770HD");
  EXPECT_TRUE(diff.lines[0].marked);
  EXPECT_FALSE(diff.lines[1].marked);
}

TEST(tcPresetPrint, RendersPagesToPdf) {
  TwoPresets p;
  GLOBALS globals;
  QTemporaryDir temporary;
  const QString dir = print_dir(temporary);
  EXPECT_GT(print_to_pdf(dir + "/preset.pdf",
                         {tcPresetPrint::preset(p.first_header, p.first, globals, false)}),
            1000);
  EXPECT_GT(print_to_pdf(dir + "/preset_guru.pdf",
                         {tcPresetPrint::preset(p.first_header, p.first, globals, true)}),
            1000);
  EXPECT_GT(print_to_pdf(dir + "/diff.pdf",
                         {tcPresetPrint::diff(tcPresetDiff::rows(
                             p.first_header, p.first, p.second_header, p.second, false))}),
            1000);
}
