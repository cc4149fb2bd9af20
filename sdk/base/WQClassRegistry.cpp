#include "base/WQClassRegistry.h"

#include "base/WQMemory.h"

namespace WQSDK {

namespace {

class RegistryLock {
public:
    RegistryLock() : m_map(WQClassRegistry::map()) { m_map.lock(WQ_WAIT_INFINITE); }
    ~RegistryLock() { m_map.unlock(); }
    RegistryLock(const RegistryLock&) = delete;
    RegistryLock& operator=(const RegistryLock&) = delete;

private:
    WQClassRegistry::Map& m_map;
};

} // namespace

WQClassRegistry::Map& WQClassRegistry::map()
{
    // The object lock is created on first use, and two threads must not
    // race to create it: take it once while the map is being built, which
    // happens on one thread only.
    static Map* registry = [] {
        static Map instance;
        instance.lock(WQ_WAIT_INFINITE);
        instance.unlock();
        return &instance;
    }();
    return *registry;
}

int WQClassRegistry::addUse(const WQString& name)
{
    RegistryLock guard;
    Map& registry = map();
    int* count = nullptr;
    if (registry.get(name, count) && count != nullptr)
        return ++*count;
    count = static_cast<int*>(memAlloc(sizeof(int)));
    if (count == nullptr)
        return 0;
    *count = 1;
    if (!registry.put(name, count)) {
        memFree(count);
        return 0;
    }
    return 1;
}

int WQClassRegistry::dropUse(const WQString& name)
{
    RegistryLock guard;
    Map& registry = map();
    int* count = nullptr;
    if (!registry.get(name, count) || count == nullptr)
        return -1;
    const int left = --*count;
    if (left <= 0) {
        registry.remove(name);
        memFree(count);
        return 0;
    }
    return left;
}

int WQClassRegistry::useCount(const WQString& name)
{
    RegistryLock guard;
    int* count = nullptr;
    if (!map().get(name, count) || count == nullptr)
        return 0;
    return *count;
}

} // namespace WQSDK
