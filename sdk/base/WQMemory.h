#ifndef WQSDK_BASE_WQMEMORY_H
#define WQSDK_BASE_WQMEMORY_H

// Heap blocks of the library's strings and containers. Everything they
// allocate goes through here, so that a test can make allocations fail and
// check that nothing is left half changed.

#include <cstddef>

namespace WQSDK {

// malloc, realloc and free; a size of 0 is taken as 1 so that a null result
// always means failure. memRealloc leaves the block untouched on failure.
void* memAlloc(std::size_t size);
void* memRealloc(void* block, std::size_t size);
void memFree(void* block);

// Test hook: after `allocations` more successful allocations, every
// allocation fails until memFailNever() is called. A negative count is the
// same as memFailNever().
void memFailAfter(long allocations);
void memFailNever();

} // namespace WQSDK

#endif
