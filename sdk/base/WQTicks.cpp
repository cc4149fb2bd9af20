#include "base/WQTicks.h"

#include <chrono>

namespace WQSDK {

uint32_t tickCount()
{
    auto since = std::chrono::steady_clock::now().time_since_epoch();
    auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(since).count();
    // Keep the low 32 bits: the counter is meant to wrap.
    return static_cast<uint32_t>(static_cast<uint64_t>(ms));
}

} // namespace WQSDK
