#ifndef WQSDK_BASE_WQELEMENT_H
#define WQSDK_BASE_WQELEMENT_H

// How the containers compare their elements and tell whether a copy they
// made is whole. WQString swallows its own allocation failures, so a copy
// of one can come out empty or with a cut class name; the containers then
// drop it and report the failure instead of storing it.

#include <cstring>

#include "base/WQString.h"

namespace WQSDK {

template <class T>
int elementEquals(const T& a, const T& b)
{
    return a == b ? 1 : 0;
}

inline int elementEquals(const WQString& a, const WQString& b)
{
    return a.equals(b);
}

template <class T>
int elementCopied(const T& copy, const T& source)
{
    return elementEquals(copy, source);
}

inline int elementCopied(const WQString& copy, const WQString& source)
{
    const char* copyName = copy.getClassName();
    const char* sourceName = source.getClassName();
    if (sourceName != nullptr && (copyName == nullptr || std::strcmp(copyName, sourceName) != 0))
        return 0;
    // The source may be without text; its copy then has an empty one.
    if (source.c_str() != nullptr && copy.c_str() == nullptr)
        return 0;
    return copy.equals(source);
}

} // namespace WQSDK

#endif
