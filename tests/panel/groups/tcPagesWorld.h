#pragma once
// The page test skin under tests/panel/data/pages (the front-panel frame with
// the output, stereo encoder, system and test pages) on the model's bench, in
// a host widget of the panel's size, driven by real mouse events.
#include <gtest/gtest.h>

#include <QImage>
#include <QMouseEvent>
#include <QTest>
#include <vector>

#include "link/protocol/tcMeterRecord.h"
#include "panel/framework/tcControlGroup.h"
#include "panel/groups/tcTK3Bench.h"
#include "params/SETTINGS.h"
#include "tests/panel/tcFrontPanelWorld.h"

inline QString tcPagesSkin() {
  return qEnvironmentVariable("QX_SOURCE_DIR") + QStringLiteral("/tests/panel/data/pages");
}

class tcPagesWorld : public tcFrontPanelWorld {
 public:
  static constexpr int kWidth = 960;
  static constexpr int kHeight = 648;

  // The bench on the page skin (or another), with the test page allowed.
  tcTK3Bench* open(const QString& skin = tcPagesSkin()) {
    options().set_guru(true);
    host().resize(kWidth, kHeight);
    bench_ = show<tcTK3Bench>(skin);
    return bench_;
  }
  tcTK3Bench* bench() const { return bench_; }

  template <class Group>
  Group* group(int slot) const {
    return static_cast<Group*>(bench_->group(slot));
  }
  tcGuiObject* object(int slot, int id) const { return bench_->group(slot)->findObject(id); }

  // A press at a point, moves in steps of one pixel to another, a release.
  void drag(QPoint from, QPoint to) {
    QTest::mousePress(&host(), Qt::LeftButton, Qt::NoModifier, from);
    QPoint at = from;
    while (at != to) {
      at.rx() += at.x() < to.x() ? 1 : (at.x() > to.x() ? -1 : 0);
      at.ry() += at.y() < to.y() ? 1 : (at.y() > to.y() ? -1 : 0);
      QMouseEvent move(QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
      QApplication::sendEvent(&host(), &move);
    }
    QTest::mouseRelease(&host(), Qt::LeftButton, Qt::NoModifier, to);
  }
  void click_at(QPoint at) {
    QTest::mousePress(&host(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseRelease(&host(), Qt::LeftButton, Qt::NoModifier, at);
  }

  // The panel as it is drawn now.
  QImage grab() { return host().grab().toImage(); }

  bool sent(uint16_t id) { return stores().bank_send().test(0, id); }
  bool global_sent(uint16_t id) { return stores().globals_send().test(id); }

 private:
  tcTK3Bench* bench_ = nullptr;
};

// A test of one page group: the page skin opened on that page.
template <class Group>
class tcPageTest : public ::testing::Test {
 protected:
  tcPageTest(int page, int slot) : page_(page), slot_(slot) {}
  void SetUp() override {
    world_.open();
    ASSERT_EQ(world_.setup_result(), 0);
    world_.bench()->select_page(page_);
    group_ = world_.group<Group>(slot_);
    ASSERT_NE(group_, nullptr);
  }
  tcGuiObject* object(int id) const { return group_->findObject(id); }
  SETTINGS& live() { return world_.live(); }

  tcPagesWorld world_;
  Group* group_ = nullptr;

 private:
  const int page_;
  const int slot_;
};

// A meter record with the given bytes set (magic and format in place).
inline tcMeterRecord tcMeterRecordWith(const std::vector<std::pair<size_t, uint8_t>>& bytes) {
  std::vector<uint8_t> raw(tcMeterRecord::kSize, 0);
  for (size_t i = 0; i < tcMeterRecord::kMagicSize; ++i) {
    raw[tcMeterRecord::kMagicOffset + i] = static_cast<uint8_t>(tcMeterRecord::kMagic[i]);
  }
  raw[tcMeterRecord::kFormatOffset] = tcMeterRecord::kFormat;
  for (const auto& b : bytes) raw[b.first] = b.second;
  tcMeterRecord record;
  record.decode(raw.data(), raw.size());
  return record;
}
