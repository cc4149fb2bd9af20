#include "base/WQMemory.h"

#include <atomic>
#include <cstdlib>

namespace WQSDK {

namespace {

// Allocations left before failures start; negative when failures are off.
std::atomic<long> g_allocationsLeft(-1);

bool allocationAllowed()
{
    long left = g_allocationsLeft.load();
    while (left >= 0) {
        if (left == 0)
            return false;
        if (g_allocationsLeft.compare_exchange_weak(left, left - 1))
            return true;
    }
    return true;
}

} // namespace

void* memAlloc(std::size_t size)
{
    if (!allocationAllowed())
        return nullptr;
    return std::malloc(size == 0 ? 1 : size);
}

void* memRealloc(void* block, std::size_t size)
{
    if (!allocationAllowed())
        return nullptr;
    // realloc(block, 0) may free the block; never ask for that.
    return std::realloc(block, size == 0 ? 1 : size);
}

void memFree(void* block)
{
    std::free(block);
}

void memFailAfter(long allocations)
{
    g_allocationsLeft.store(allocations < 0 ? -1 : allocations);
}

void memFailNever()
{
    g_allocationsLeft.store(-1);
}

} // namespace WQSDK
