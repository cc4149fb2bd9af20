#include "graphics/WQRect.h"

#include <new>

namespace WQSDK {

WQRect::WQRect(int32_t x, int32_t y, int32_t width, int32_t height)
    : WQObject()
    , m_x(0)
    , m_y(0)
    , m_width(0)
    , m_height(0)
{
    appendClassName("WQRect");
    m_x = x;
    m_y = y;
    m_width = width;
    m_height = height;
}

WQRect::WQRect(const WQRect& other)
    : WQRect(other.m_x, other.m_y, other.m_width, other.m_height)
{
}

WQRect& WQRect::operator=(const WQRect& other)
{
    m_x = other.m_x;
    m_y = other.m_y;
    m_width = other.m_width;
    m_height = other.m_height;
    return *this;
}

void WQRect::setX(int32_t x)
{
    m_x = x;
}

void WQRect::setY(int32_t y)
{
    m_y = y;
}

void WQRect::setWidth(int32_t width)
{
    m_width = width;
}

void WQRect::setHeight(int32_t height)
{
    m_height = height;
}

void WQRect::setPosition(WQPoint* point)
{
    if (point == nullptr)
        return;
    point->addRef();
    m_x = point->getX();
    m_y = point->getY();
    point->release();
}

void WQRect::setPosition(int32_t x, int32_t y)
{
    m_x = x;
    m_y = y;
}

void WQRect::setSize(WQSize* size)
{
    if (size == nullptr)
        return;
    size->addRef();
    m_width = size->getWidth();
    m_height = size->getHeight();
    size->release();
}

void WQRect::setSize(int32_t width, int32_t height)
{
    m_width = width;
    m_height = height;
}

int32_t WQRect::getX() const
{
    return m_x;
}

int32_t WQRect::getY() const
{
    return m_y;
}

int32_t WQRect::getWidth() const
{
    return m_width;
}

int32_t WQRect::getHeight() const
{
    return m_height;
}

WQPoint* WQRect::getPosition() const
{
    WQPoint* point = new (std::nothrow) WQPoint(m_x, m_y);
    if (point != nullptr)
        point->addRef();
    return point;
}

WQSize* WQRect::getSize() const
{
    WQSize* size = new (std::nothrow) WQSize(m_width, m_height);
    if (size != nullptr)
        size->addRef();
    return size;
}

} // namespace WQSDK
