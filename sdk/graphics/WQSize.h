#ifndef WQSDK_GRAPHICS_WQSIZE_H
#define WQSDK_GRAPHICS_WQSIZE_H

#include <cstdint>

#include "base/WQObject.h"

namespace WQSDK {

// An extent in device pixels; negative values are kept as given.
class WQSize : public virtual WQObject {
public:
    WQSize();
    WQSize(int32_t width, int32_t height);
    // A fresh object (count 0, its own class name) with the same extent.
    WQSize(const WQSize& other);
    WQSize& operator=(const WQSize& other);

    virtual int32_t getWidth() const;
    virtual int32_t getHeight() const;
    virtual void set(int32_t width, int32_t height);

private:
    int32_t m_width;
    int32_t m_height;
};

} // namespace WQSDK

#endif
