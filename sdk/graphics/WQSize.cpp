#include "graphics/WQSize.h"

namespace WQSDK {

WQSize::WQSize()
    : WQSize(0, 0)
{
}

WQSize::WQSize(int32_t width, int32_t height)
    : WQObject()
    , m_width(0)
    , m_height(0)
{
    appendClassName("WQSize");
    m_width = width;
    m_height = height;
}

WQSize::WQSize(const WQSize& other)
    : WQSize(other.m_width, other.m_height)
{
}

WQSize& WQSize::operator=(const WQSize& other)
{
    m_width = other.m_width;
    m_height = other.m_height;
    return *this;
}

int32_t WQSize::getWidth() const
{
    return m_width;
}

int32_t WQSize::getHeight() const
{
    return m_height;
}

void WQSize::set(int32_t width, int32_t height)
{
    m_width = width;
    m_height = height;
}

} // namespace WQSDK
