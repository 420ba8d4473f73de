#pragma once
// The schedule the scheduler dialog edits: the weekly events split by the day
// filter into the visible list and the hidden one (hidden events are still
// sent), and the long-term events. Sent in parts of 128 events, the visible
// weekly events first, then the hidden ones, then the long-term ones.
#include <cstdint>
#include <set>
#include <vector>

#include "link/protocol/tcFrame.h"
#include "link/protocol/tsAPEvent.h"

class tcEventSchedule {
 public:
  using Event = tcIddApGui::tsAPEvent;
  static constexpr int kMaxEvents = 1000;
  static constexpr uint8_t kAllDays = 0x7F;

  // Replaces the schedule; events of other kinds are left out.
  void load(const std::vector<Event>& events);
  // Days bit 0 Sunday .. bit 6 Saturday; the weekly events are sorted again.
  void set_filter(uint8_t days);
  uint8_t filter() const { return filter_; }

  const std::vector<Event>& week() const { return week_; }
  const std::vector<Event>& hidden() const { return hidden_; }
  const std::vector<Event>& long_term() const { return long_; }
  int count() const { return static_cast<int>(week_.size() + hidden_.size() + long_.size()); }

  // The two lists the user edits: the visible weekly events and the long-term ones.
  enum List { kWeekly, kLongTerm };
  const std::vector<Event>& rows(List list) const { return list == kWeekly ? week_ : long_; }
  // The kind bits are forced to the list's kind.
  void add(List list, Event event);
  int replace(List list, int row, Event event);
  void remove(List list, const std::set<int>& rows);

  // At most `limit` events in sending order.
  std::vector<Event> outgoing(int limit = kMaxEvents) const;
  // The event list messages for `events`: parts of up to 128, or the empty
  // schedule (part 1 of 1, no events).
  static std::vector<tcFrame> parts(const std::vector<Event>& events);

 private:
  std::vector<Event>& list_of(List list) { return list == kWeekly ? week_ : long_; }
  static Event as_kind(List list, Event event);

  uint8_t filter_ = kAllDays;
  std::vector<Event> week_;
  std::vector<Event> hidden_;
  std::vector<Event> long_;
};
