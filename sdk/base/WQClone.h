#ifndef WQSDK_BASE_WQCLONE_H
#define WQSDK_BASE_WQCLONE_H

#include <new>

#include "base/WQObject.h"

namespace WQSDK {

// clone() of a class whose copy is a default-constructed object filled by
// assign(source): the copy with a count of 1, or null when either step ran
// out of memory.
template <class T>
WQObject* cloneByAssign(T& source)
{
    T* copy = new (std::nothrow) T();
    if (copy == nullptr)
        return nullptr;
    if (!copy->assign(source)) {
        delete copy;
        return nullptr;
    }
    copy->addRef();
    return copy;
}

} // namespace WQSDK

#endif
