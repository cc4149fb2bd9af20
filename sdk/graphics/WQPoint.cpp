#include "graphics/WQPoint.h"

namespace WQSDK {

WQPoint::WQPoint()
    : WQPoint(0, 0)
{
}

WQPoint::WQPoint(int32_t x, int32_t y)
    : WQObject()
    , m_x(0)
    , m_y(0)
{
    appendClassName("WQPoint");
    m_x = x;
    m_y = y;
}

WQPoint::WQPoint(const WQPoint& other)
    : WQPoint(other.m_x, other.m_y)
{
}

WQPoint& WQPoint::operator=(const WQPoint& other)
{
    m_x = other.m_x;
    m_y = other.m_y;
    return *this;
}

int32_t WQPoint::getX() const
{
    return m_x;
}

int32_t WQPoint::getY() const
{
    return m_y;
}

void WQPoint::offset(int32_t dx, int32_t dy)
{
    // Wrap around like the 32-bit arithmetic of the callers instead of
    // overflowing a signed value.
    m_x = static_cast<int32_t>(static_cast<uint32_t>(m_x) + static_cast<uint32_t>(dx));
    m_y = static_cast<int32_t>(static_cast<uint32_t>(m_y) + static_cast<uint32_t>(dy));
}

void WQPoint::set(int32_t x, int32_t y)
{
    m_x = x;
    m_y = y;
}

} // namespace WQSDK
