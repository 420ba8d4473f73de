#include "presets/dialogs/tcPresetTakeDlg.h"

#include <QTreeWidget>

#include "params/tcPresetFile.h"
#include "presets/dialogs/tcPresetTake.h"
#include "tests/presets/dialogs/tcPresetDialogWorld.h"

namespace {

class TakeDialog : public tcPresetDialogWorld {
 protected:
  void SetUp() override {
    tcPresetHeader header;
    header.set_name("Morning");
    stores_->directory().set(3, header);
    SETTINGS values;
    values.set_float(0x1407, 5.0f, kSourceSilent);
    header.set_name("Evening");
    QDir().mkpath(favorites("Mine"));
    ASSERT_EQ(tcPresetFile::write(header, values, favorites("Mine/Evening.qx770x")), 0);
    link_ = std::make_unique<tcCapturingLink>(stores_->link_stores());
    context_.link = [this] { return link_.get(); };
    context_.online = [] { return true; };
  }
  QTreeWidgetItem* find(QTreeWidget* tree, const QString& text) {
    const auto found = tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    return found.isEmpty() ? nullptr : found.first();
  }
  // The take messages the link sent.
  std::vector<tcApCodec::Take> takes() {
    std::vector<tcApCodec::Take> out;
    for (const auto& frame : link_->sent()) {
      const tcFrameView view(frame.data(), static_cast<int>(frame.size()));
      tcApCodec::Take take;
      if (view.type() == tcFrame::kPresetTake && tcApCodec::read_take(view, take) == 0)
        out.push_back(take);
    }
    return out;
  }

  std::unique_ptr<tcCapturingLink> link_;
};

}  // namespace

TEST_F(TakeDialog, DoubleClickTakesSlotsWithTheFollowModeAndFiles) {
  tcPresetTakeDlg dlg(context_, true);
  dlg.show();
  keep_shot(&dlg, "take.png");
  EXPECT_EQ(dlg.windowTitle(), "Take Preset");
  QTreeWidget* tree = dlg.findChild<QTreeWidget*>("Presets");
  ASSERT_NE(tree, nullptr);
  QTreeWidgetItem* morning = find(tree, "004  Morning");
  QTreeWidgetItem* evening = find(tree, "Evening");
  ASSERT_NE(morning, nullptr);
  ASSERT_NE(evening, nullptr);
  EXPECT_EQ(tree->topLevelItemCount(), 2);  // the processor and the favourites

  stores_->banks().set_current_slot(2);
  dlg.slot_tree_double_clicked(morning, 0);
  stores_->globals().set_bool(tcPresetTake::kFollowId, 1, kSourceSilent);
  dlg.slot_tree_double_clicked(morning, 0);
  const auto sent = takes();
  ASSERT_EQ(sent.size(), 2u);
  EXPECT_EQ(sent[0].slot, 3);
  EXPECT_EQ(sent[0].bank, 2);
  EXPECT_EQ(sent[0].mode, 2);  // S_FOLLOW off
  EXPECT_EQ(sent[1].mode, 0);

  dlg.slot_tree_double_clicked(evening, 0);
  EXPECT_FLOAT_EQ(stores_->banks().set(2)->eng(0x1407), 5.0f);
  tcPresetHeader live;
  stores_->banks().get_header(2, &live);
  EXPECT_EQ(live.name_text(), "Evening");
}

TEST_F(TakeDialog, OffLineTheTreeOnlyShows) {
  tcPresetTakeDlg dlg(context_, false);
  QTreeWidget* tree = dlg.tree();
  dlg.slot_tree_double_clicked(find(tree, "004  Morning"), 0);
  dlg.slot_tree_double_clicked(find(tree, "Evening"), 0);
  EXPECT_TRUE(takes().empty());
  EXPECT_NE(stores_->banks().set(0)->eng(0x1407), 5.0f);
}

TEST_F(TakeDialog, AFileThatIsNotAPresetIsReported) {
  QFile junk(favorites("Mine/Junk.qx770x"));
  ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
  junk.write("nothing of ours\n");
  junk.close();
  QStringList boxes;
  answer_boxes(2, &boxes);
  EXPECT_EQ(tcPresetTake::take_file(nullptr, context_, favorites("Mine/Junk.qx770x")), -1);
  EXPECT_EQ(tcPresetTake::take_file(nullptr, context_, favorites("Mine/None.qx770x")), -1);
  EXPECT_EQ(boxes, QStringList({"Error|Error taking preset:\nInvalid File Type",
                                "Error|Error taking preset:\nUnknown Error"}));
}
