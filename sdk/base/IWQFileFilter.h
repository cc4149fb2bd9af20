#ifndef WQSDK_BASE_IWQFILEFILTER_H
#define WQSDK_BASE_IWQFILEFILTER_H

#include "base/WQString.h"

namespace WQSDK {

// Chooses the entries of a folder listing. Like the listener interfaces
// it is a plain interface: the listing only calls it and never owns it.
class IWQFileFilter {
public:
    virtual ~IWQFileFilter() = default;
    // `name` is the bare entry name, without its folder. Non-zero keeps
    // the entry.
    virtual int accept(const WQString& name) = 0;
};

} // namespace WQSDK

#endif
