#pragma once

#include "calendar/date_time.h"

namespace kirvo {

// The current local clock reading, to the second.
DateTime LocalClockNow();

}  // namespace kirvo
