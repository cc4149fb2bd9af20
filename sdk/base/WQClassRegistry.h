#ifndef WQSDK_BASE_WQCLASSREGISTRY_H
#define WQSDK_BASE_WQCLASSREGISTRY_H

#include "base/TWQMap.h"
#include "base/WQString.h"

namespace WQSDK {

// Process-wide use counts of native window-class names: one map from the
// name to a heap-held count. Every operation holds the map's object lock
// (without a time limit) while it reads or changes the map.
class WQClassRegistry {
public:
    using Map = TWQMap<WQString, int*>;

    WQClassRegistry() = delete;

    // Adds one use of `name` and returns the new count; a new name starts
    // at 1. 0 when a new name cannot be entered (nothing is held then).
    static int addUse(const WQString& name);
    // Gives back one use and returns the count left; at 0 the name is
    // removed and its count freed. -1 when the name holds no use.
    static int dropUse(const WQString& name);
    // The current count of `name`, 0 when absent.
    static int useCount(const WQString& name);

    // The map itself; whoever touches it directly holds its lock.
    static Map& map();
};

} // namespace WQSDK

#endif
