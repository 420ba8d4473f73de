#include "link/protocol/tcEventList.h"

bool tcEventList::take_part(const tcApCodec::EventPart& part) {
  tcMutexHold hold(lock_);
  if (part.part == 1 && (part.events.count > 0 || part.parts == 1)) events_.clear();
  for (int i = 0; i < part.events.count && static_cast<int>(events_.size()) < kMaxEvents; ++i)
    events_.push_back(part.events.event(i));
  return part.part == part.parts;
}

std::vector<tcIddApGui::tsAPEvent> tcEventList::events() const {
  tcMutexHold hold(lock_);
  return events_;
}

int tcEventList::count() const {
  tcMutexHold hold(lock_);
  return static_cast<int>(events_.size());
}
