#ifndef WQSDK_BASE_WQTICKS_H
#define WQSDK_BASE_WQTICKS_H

#include <cstdint>

namespace WQSDK {

// Milliseconds since an arbitrary start, as a 32-bit counter that wraps
// around after about 49.7 days.
uint32_t tickCount();

// Milliseconds from `start` to `now` of tickCount(), correct across one
// wrap-around of the counter.
inline uint32_t ticksElapsed(uint32_t start, uint32_t now)
{
    return now - start;
}

} // namespace WQSDK

#endif
