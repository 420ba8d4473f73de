#include "services/events/tcEventSchedule.h"

#include <algorithm>

#include "link/protocol/tcApCodec.h"
#include "services/events/tsAPLongEvent.h"
#include "services/events/tsAPWeekEvent.h"

using tcIddApGui::tsAPLongEvent;
using tcIddApGui::tsAPWeekEvent;

void tcEventSchedule::load(const std::vector<Event>& events) {
  week_.clear();
  hidden_.clear();
  long_.clear();
  for (const Event& e : events) {
    if (tsAPWeekEvent::is_week(e)) week_.push_back(e);
    if (tsAPLongEvent::is_long(e)) long_.push_back(e);
  }
  set_filter(filter_);
}

void tcEventSchedule::set_filter(uint8_t days) {
  filter_ = days;
  std::vector<Event> all;
  all.swap(week_);
  all.insert(all.end(), hidden_.begin(), hidden_.end());
  hidden_.clear();
  for (const Event& e : all)
    (tsAPWeekEvent::decode(e).days & filter_ ? week_ : hidden_).push_back(e);
}

tcEventSchedule::Event tcEventSchedule::as_week(Event event) {
  event.word0 = tsAPWeekEvent::kKindBits.put(event.word0, tsAPWeekEvent::kKind);
  return event;
}

tcEventSchedule::Event tcEventSchedule::as_long(Event event) {
  event.word0 = tsAPLongEvent::kKindBits.put(event.word0, tsAPLongEvent::kKind);
  return event;
}

void tcEventSchedule::add_week(Event event) {
  week_.push_back(as_week(event));
}

int tcEventSchedule::replace_week(int row, Event event) {
  if (row < 0 || row >= static_cast<int>(week_.size())) return -1;
  week_[row] = as_week(event);
  return 0;
}

void tcEventSchedule::add_long(Event event) {
  long_.push_back(as_long(event));
}

int tcEventSchedule::replace_long(int row, Event event) {
  if (row < 0 || row >= static_cast<int>(long_.size())) return -1;
  long_[row] = as_long(event);
  return 0;
}

void tcEventSchedule::remove_rows(std::vector<Event>& list, const std::set<int>& rows) {
  for (auto it = rows.rbegin(); it != rows.rend(); ++it)
    if (*it >= 0 && *it < static_cast<int>(list.size())) list.erase(list.begin() + *it);
}

void tcEventSchedule::remove_week(const std::set<int>& rows) {
  remove_rows(week_, rows);
}

void tcEventSchedule::remove_long(const std::set<int>& rows) {
  remove_rows(long_, rows);
}

std::vector<tcEventSchedule::Event> tcEventSchedule::outgoing(int limit) const {
  std::vector<Event> out;
  for (const std::vector<Event>* list : {&week_, &hidden_, &long_})
    out.insert(out.end(), list->begin(), list->end());
  if (static_cast<int>(out.size()) > limit) out.resize(std::max(limit, 0));
  return out;
}

std::vector<tcFrame> tcEventSchedule::parts(const std::vector<Event>& events) {
  const int per = tcApCodec::kEventsPerPart;
  const int count = static_cast<int>(events.size());
  const int parts = count == 0 ? 1 : count / per + (count % per ? 1 : 0);
  std::vector<tcFrame> out;
  out.reserve(parts);
  for (int part = 0; part < parts; ++part) {
    const int first = part * per;
    const int n = std::min(per, count - first);
    out.push_back(tcApCodec::event_part(static_cast<uint16_t>(part + 1),
                                        static_cast<uint16_t>(parts),
                                        n > 0 ? events.data() + first : nullptr, n));
  }
  return out;
}
