#include "graphics/WQColor.h"

namespace WQSDK {

WQColor::WQColor()
    : WQColor(0, 0, 0)
{
}

WQColor::WQColor(uint8_t red, uint8_t green, uint8_t blue)
    : WQObject()
    , m_red(0)
    , m_green(0)
    , m_blue(0)
    , m_alpha(0)
{
    appendClassName("WQColor");
    m_red = red;
    m_green = green;
    m_blue = blue;
}

WQColor::WQColor(const WQColor& other)
    : WQColor(other.m_red, other.m_green, other.m_blue)
{
    m_alpha = other.m_alpha;
}

WQColor& WQColor::operator=(const WQColor& other)
{
    m_red = other.m_red;
    m_green = other.m_green;
    m_blue = other.m_blue;
    m_alpha = other.m_alpha;
    return *this;
}

uint8_t WQColor::getRed() const
{
    return m_red;
}

void WQColor::setRed(uint8_t red)
{
    m_red = red;
}

uint8_t WQColor::getGreen() const
{
    return m_green;
}

void WQColor::setGreen(uint8_t green)
{
    m_green = green;
}

uint8_t WQColor::getBlue() const
{
    return m_blue;
}

void WQColor::setBlue(uint8_t blue)
{
    m_blue = blue;
}

uint8_t WQColor::getAlpha() const
{
    return m_alpha;
}

void WQColor::setAlpha(uint8_t alpha)
{
    m_alpha = alpha;
}

uint32_t WQColor::getARGB() const
{
    return static_cast<uint32_t>(m_alpha) << 24 | static_cast<uint32_t>(m_red) << 16
        | static_cast<uint32_t>(m_green) << 8 | m_blue;
}

void WQColor::setARGB(uint32_t value)
{
    m_alpha = static_cast<uint8_t>(value >> 24);
    m_red = static_cast<uint8_t>(value >> 16);
    m_green = static_cast<uint8_t>(value >> 8);
    m_blue = static_cast<uint8_t>(value);
}

uint32_t WQColor::getColorRef() const
{
    return static_cast<uint32_t>(m_alpha) << 24 | static_cast<uint32_t>(m_blue) << 16
        | static_cast<uint32_t>(m_green) << 8 | m_red;
}

void WQColor::setColorRef(uint32_t value)
{
    m_red = static_cast<uint8_t>(value);
    m_green = static_cast<uint8_t>(value >> 8);
    m_blue = static_cast<uint8_t>(value >> 16);
    m_alpha = static_cast<uint8_t>(value >> 24);
}

uint16_t WQColor::getRGB565() const
{
    return static_cast<uint16_t>((m_red & 0xF8u) << 8 | (m_green & 0xFCu) << 3 | m_blue >> 3);
}

void WQColor::setRGB565(uint32_t value)
{
    value &= 0xFFFFu;
    m_red = static_cast<uint8_t>((value >> 8) & 0xF8u);
    m_green = static_cast<uint8_t>((value >> 3) & 0xFCu);
    m_blue = static_cast<uint8_t>((value << 3) & 0xFFu);
}

uint16_t WQColor::getRGB555() const
{
    return static_cast<uint16_t>((m_red & 0xF8u) << 7 | (m_green & 0xF8u) << 2 | m_blue >> 3);
}

void WQColor::setRGB555(uint32_t value)
{
    value &= 0x7FFFu;
    m_red = static_cast<uint8_t>((value >> 7) & 0xF8u);
    m_green = static_cast<uint8_t>((value >> 2) & 0xF8u);
    m_blue = static_cast<uint8_t>((value << 3) & 0xFFu);
}

} // namespace WQSDK
