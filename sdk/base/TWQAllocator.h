#ifndef WQSDK_BASE_TWQALLOCATOR_H
#define WQSDK_BASE_TWQALLOCATOR_H

#include <cstddef>
#include <limits>
#include <new>

#include "base/WQMemory.h"

namespace WQSDK {

// Standard allocator over memAlloc/memFree, for standard containers used
// inside the library. Throws std::bad_alloc, which the library catches
// before it reaches a caller.
template <class T>
class TWQAllocator {
public:
    using value_type = T;

    TWQAllocator() noexcept = default;
    template <class U>
    TWQAllocator(const TWQAllocator<U>&) noexcept {}

    T* allocate(std::size_t count)
    {
        if (count > std::numeric_limits<std::size_t>::max() / sizeof(T))
            throw std::bad_alloc();
        void* block = memAlloc(count * sizeof(T));
        if (block == nullptr)
            throw std::bad_alloc();
        return static_cast<T*>(block);
    }

    void deallocate(T* block, std::size_t) noexcept { memFree(block); }

    template <class U>
    bool operator==(const TWQAllocator<U>&) const noexcept { return true; }
    template <class U>
    bool operator!=(const TWQAllocator<U>&) const noexcept { return false; }
};

} // namespace WQSDK

#endif
