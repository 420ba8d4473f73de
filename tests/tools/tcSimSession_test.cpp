#include "tools/simulator/tcSimSession.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "tools/simulator/tcSimMeters.h"
#include "tools/simulator/tcSimState.h"

namespace {

struct Capture : tcSimSession::Output {
  std::vector<std::vector<uint8_t>> tcp;
  int udp = 0;
  void send_tcp(const uint8_t* bytes, int length) override {
    tcp.emplace_back(bytes, bytes + length);
  }
  void send_udp(uint16_t, const uint8_t*, int) override { ++udp; }
};

class tcSimSessionTest : public ::testing::Test {
 protected:
  void feed(const tcFrame& frame) {
    session_.recv(frame.data(), static_cast<size_t>(frame.length()));
  }

  tcSimState state_;
  tcSimMeters meters_;
  Capture out_;
  tcSimSession session_{state_, meters_, out_, 10, false};
};

// Frames of every type the console sends, with claimed counts and bodies the
// frame does not hold, must be read within the frame and leave a sound state.
TEST_F(tcSimSessionTest, ArbitraryBodiesOfEveryTypeAreHandledWithinTheFrame) {
  feed(tcApCodec::login_request(0));
  ASSERT_TRUE(session_.logged_in());
  const uint16_t types[] = {0x0001, 0x0011, 0x0014, 0x0015, 0x1100, 0x1101, 0x1103,
                            0x1200, 0x1201, 0x1202, 0x2000, 0x2001, 0x2002, 0x2003,
                            0x2004, 0x2005, 0x2007, 0x3001, 0x4000, 0x4001, 0x5000};
  std::mt19937 random(7);
  for (int round = 0; round < 600; ++round) {
    const uint16_t type = types[random() % (sizeof types / sizeof types[0])];
    const int length = 6 + static_cast<int>(random() % 1194);
    tcFrame frame(type, length);
    for (int i = 6; i < length; ++i) frame.put_u8(i, static_cast<uint8_t>(random()));
    feed(frame);
    session_.tick();
  }
  for (int s = 0; s < tcSimState::kSlots; ++s) {
    const tcPresetHeader h = state_.directory_entry(s);
    EXPECT_LE(h.status, tcSimState::kFactoryLocked);
    EXPECT_EQ(h.present != 0, state_.slot(s).set != nullptr);
  }
  EXPECT_LE(state_.events().size(), static_cast<size_t>(tcSimState::kMaxEvents));
}

TEST_F(tcSimSessionTest, ARequestForAnEmptySlotIsAnsweredWithDefaults) {
  feed(tcApCodec::login_request(0));
  out_.tcp.clear();
  feed(tcApCodec::preset_request(50));
  ASSERT_EQ(out_.tcp.size(), 4u) << "the console's fetch waits for every part";
  tcApCodec::PresetPart part;
  const tcFrameView last(out_.tcp[3].data(), static_cast<int>(out_.tcp[3].size()));
  ASSERT_EQ(tcApCodec::read_preset_part(last, part), 0);
  EXPECT_EQ(part.slot, 50);
  EXPECT_EQ(part.part, 4);
  EXPECT_EQ(part.records.count, tcParamTable::kPresetCount - 3 * 148);
}

TEST_F(tcSimSessionTest, DeleteReportsEachSlotAndKeepsLockedOnes) {
  feed(tcApCodec::login_request(0));
  SETTINGS values;
  tcPresetHeader h;
  h.set_name("Temp");
  state_.store_preset(6, &values, h);
  out_.tcp.clear();
  feed(tcApCodec::delete_slots(5, 0xFFFF));  // 5 is factory-locked; the count runs past 80
  ASSERT_EQ(out_.tcp.size(), 75u);
  EXPECT_EQ(tcFrameView(out_.tcp[0].data(), 1200).type(), tcFrame::kDirectory) << "slot 5 stays";
  EXPECT_EQ(tcFrameView(out_.tcp[1].data(), 1200).type(), tcFrame::kPresetDelete);
  EXPECT_EQ(state_.directory_entry(5).present, 1);
  EXPECT_EQ(state_.directory_entry(6).present, 0);
}

}  // namespace
