#include "services/events/tsAPWeekEvent.h"

namespace tcIddApGui {

const tcBitMember<tsAPWeekEvent> tsAPWeekEvent::kFields[4] = {
    {kDays, &tsAPWeekEvent::days},
    {kHour, &tsAPWeekEvent::hour},
    {kMinute, &tsAPWeekEvent::minute},
    {kSecond, &tsAPWeekEvent::second},
};

}  // namespace tcIddApGui
