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
    if (tsAPWeekEvent::matches(e)) week_.push_back(e);
    if (tsAPLongEvent::matches(e)) long_.push_back(e);
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

tcEventSchedule::Event tcEventSchedule::as_kind(List list, Event event) {
  return list == kWeekly ? tsAPWeekEvent::as_kind(event) : tsAPLongEvent::as_kind(event);
}

void tcEventSchedule::add(List list, Event event) {
  list_of(list).push_back(as_kind(list, event));
}

int tcEventSchedule::replace(List list, int row, Event event) {
  std::vector<Event>& events = list_of(list);
  if (row < 0 || row >= static_cast<int>(events.size())) return -1;
  events[row] = as_kind(list, event);
  return 0;
}

void tcEventSchedule::remove(List list, const std::set<int>& rows_out) {
  std::vector<Event>& events = list_of(list);
  for (auto it = rows_out.rbegin(); it != rows_out.rend(); ++it)
    if (*it >= 0 && *it < static_cast<int>(events.size())) events.erase(events.begin() + *it);
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
