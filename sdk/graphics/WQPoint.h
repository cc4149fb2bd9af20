#ifndef WQSDK_GRAPHICS_WQPOINT_H
#define WQSDK_GRAPHICS_WQPOINT_H

#include <cstdint>

#include "base/WQObject.h"

namespace WQSDK {

// A position in device pixels of a drawing surface, x to the right and y
// downwards.
class WQPoint : public virtual WQObject {
public:
    WQPoint();
    WQPoint(int32_t x, int32_t y);
    // A fresh object (count 0, its own class name) with the same position.
    WQPoint(const WQPoint& other);
    WQPoint& operator=(const WQPoint& other);

    virtual int32_t getX() const;
    virtual int32_t getY() const;
    virtual void offset(int32_t dx, int32_t dy);
    virtual void set(int32_t x, int32_t y);

private:
    int32_t m_x;
    int32_t m_y;
};

} // namespace WQSDK

#endif
