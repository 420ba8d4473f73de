#include "services/events/tsAPLongEvent.h"

namespace tcIddApGui {

const tcBitMember<tsAPLongEvent> tsAPLongEvent::kFields[5] = {
    {kMonth, &tsAPLongEvent::month},   {kDay, &tsAPLongEvent::day},
    {kHour, &tsAPLongEvent::hour},     {kMinute, &tsAPLongEvent::minute},
    {kSecond, &tsAPLongEvent::second},
};

}  // namespace tcIddApGui
