#ifndef WQSDK_GRAPHICS_WQRECT_H
#define WQSDK_GRAPHICS_WQRECT_H

#include <cstdint>

#include "base/WQObject.h"
#include "graphics/WQPoint.h"
#include "graphics/WQSize.h"

namespace WQSDK {

// A rectangle as origin and extent (not two corners). As a Windows RECT it
// is (x, y, x + width, y + height). Nothing is normalised: negative extents
// are kept as given.
class WQRect : public virtual WQObject {
public:
    WQRect(int32_t x, int32_t y, int32_t width, int32_t height);
    // A fresh object (count 0, its own class name) with the same fields.
    WQRect(const WQRect& other);
    WQRect& operator=(const WQRect& other);

    virtual void setX(int32_t x);
    virtual void setY(int32_t y);
    virtual void setWidth(int32_t width);
    virtual void setHeight(int32_t height);
    // The point is referenced for the duration of the call, so a point with
    // a count of 0 is consumed (destroyed) by it. Null is ignored.
    virtual void setPosition(WQPoint* point);
    virtual void setPosition(int32_t x, int32_t y);
    // The same rule as setPosition(WQPoint*).
    virtual void setSize(WQSize* size);
    virtual void setSize(int32_t width, int32_t height);
    virtual int32_t getX() const;
    virtual int32_t getY() const;
    virtual int32_t getWidth() const;
    virtual int32_t getHeight() const;
    // New objects with a count of 1 for the caller; null when they cannot
    // be allocated.
    virtual WQPoint* getPosition() const;
    virtual WQSize* getSize() const;

private:
    int32_t m_x;
    int32_t m_y;
    int32_t m_width;
    int32_t m_height;
};

} // namespace WQSDK

#endif
