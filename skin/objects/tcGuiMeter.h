#pragma once
// A bar meter of up to the maximum number of channels; each channel has a bar
// position and an overload marker. At finish it precomputes the bar length of
// every quarter-dB input level for its scale ranges.
#include <cstdint>
#include <vector>

#include "skin/objects/tcGuiObject.h"

class tcGuiMeter : public tcGuiObject {
 public:
  enum Style { kVU30, kVU40, kVU60, kVUFS30, kVUFS40, kVUFS60, kGR15, kGR20, kGR30 };
  static constexpr int kRanges = 5;  // 15, 20, 30, 40 and 60 dB
  static constexpr int kLevels = 256;
  static constexpr int kTicks = 10;
  struct Bar {
    int x = 0;
    int y = 0;
    int ovr_x = 0;
    int ovr_y = 0;
  };

  tcGuiMeter(tcBench* bench, int id, const tcString& name);
  ~tcGuiMeter() override;

  static constexpr uint8_t kNoValue = 255;
  static constexpr int kPlainThickness = 6;  // a bar drawn without pictures

  std::unique_ptr<tcGuiObject> clone(int id, const tcString& name) const override;
  void finish() override;
  bool accepts_left() const override { return false; }
  void paint(QPainter& painter) override;

  // A meter value byte (quarter dB below full scale, or of gain reduction;
  // 255 none). Only a bar whose drawn length changes is repainted.
  void set_level(int ch, uint8_t level);
  void set_over(int ch, bool on);
  uint8_t level(int ch) const { return levels_[static_cast<size_t>(ch)]; }
  bool over(int ch) const { return overs_[static_cast<size_t>(ch)] != 0; }
  // Lit pixels of a level on this meter's scale.
  int lit_of(uint8_t level) const;
  int bar_length() const { return length_; }
  bool gain_reduction() const { return style_ >= kGR15; }
  // Where a channel's bar and overload marker are drawn (skin coordinates).
  QRect bar_rect(int ch) const;
  QRect over_rect(int ch) const;

  static void set_max_chans(int n);
  static int max_chans();
  static int style_of(const char* text);
  static int range_db(int range_index);

  int style() const { return style_; }
  bool clip() const { return clip_; }
  bool vertical() const { return vertical_; }
  bool ticks() const { return ticks_; }
  int channels() const { return static_cast<int>(bars_.size()); }
  const Bar& bar(int ch) const { return bars_[static_cast<size_t>(ch)]; }
  const tcGuiImage* bg_image() const { return bg_; }
  const tcGuiImage* bar_image() const { return bar_image_; }
  const tcGuiImage* ovr_image() const { return ovr_; }
  int bar_length(int range_index, int level) const { return lengths_[range_index][level]; }
  int tick(int i) const { return tick_pos_[i]; }

  static const tcXmlData::AttrRow kBarposAttrs[];
  static const tcXmlData::AttrRow kTextAttrs[];
  static const tcXmlData::AttrRow kBitmapAttrs[];
  static const tcXmlData::AttrRow kTypeAttrs[];
  // The `barpos` record is kept while the element is read and stored at its end.
  static void start_barpos(tcXmlData& x, const char* name, const char** atts);
  static void end_barpos(tcXmlData& x);

 protected:
  void set_image(int arg, tcGuiImage* image) override;

 private:
  static void set_barpos(tcXmlData& x, const char* value, int arg);
  static void set_type(tcXmlData& x, const char* value, int arg);
  void draw_bar(QPainter& painter, int ch) const;
  int range_index() const;

  int style_ = kVU40;
  bool clip_ = false;
  bool vertical_ = false;
  bool ticks_ = false;
  std::vector<Bar> bars_;
  int pending_ch_ = -1;
  Bar pending_;
  const tcGuiImage* bg_ = nullptr;
  const tcGuiImage* bar_image_ = nullptr;
  const tcGuiImage* ovr_ = nullptr;
  int lengths_[kRanges][kLevels] = {};
  int tick_pos_[kTicks] = {};
  int length_ = 0;
  std::vector<uint8_t> levels_;
  std::vector<uint8_t> overs_;
  std::vector<int> lit_;  // drawn length per channel
};
