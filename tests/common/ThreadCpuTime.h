#pragma once

#include <ctime>

namespace testing_support {

// CPU time of the calling thread in milliseconds. Tests that guard against
// slow (superlinear) code compare this rather than a wall clock, which
// measures the machine's load as much as the code when tests run side by side.
inline double threadCpuMs()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return ts.tv_sec * 1000.0 + ts.tv_nsec / 1e6;
}

} // namespace testing_support
