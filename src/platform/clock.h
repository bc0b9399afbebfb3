// The millisecond clock, which tests can move.
#pragma once

#include <cstdint>

namespace qm::platform {

int64_t MillisecondClock();

// Tests: from now on the clock reads `now` until changed again; a negative
// value returns it to real time.
void SetClockForTesting(int64_t now);

}  // namespace qm::platform
