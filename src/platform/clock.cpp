#include "platform/clock.h"

#include <chrono>

namespace qm::platform {

namespace {
int64_t g_fixed = -1;
}

int64_t MillisecondClock() {
    if (g_fixed >= 0) return g_fixed;
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void SetClockForTesting(int64_t now) { g_fixed = now; }

}  // namespace qm::platform
