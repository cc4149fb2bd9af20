#include "graphics/ImplWQFont.h"

#include <windows.h>

#include <limits>

#include "graphics/WQFont.h"

namespace WQSDK {

namespace {

int32_t absolute(int32_t value)
{
    // -INT32_MIN does not exist; the largest height is the closest.
    if (value == std::numeric_limits<int32_t>::min())
        return std::numeric_limits<int32_t>::max();
    return value < 0 ? -value : value;
}

} // namespace

ImplWQFont::ImplWQFont()
    : WQObject()
    , m_face()
    , m_height(0)
    , m_width(0)
    , m_weight(0)
    , m_italic(0)
    , m_underline(0)
    , m_strikeOut(0)
    , m_pointSize(9)
{
}

void ImplWQFont::setFace(WQString face)
{
    m_face.assign(face.c_str(), face.length());
}

WQString ImplWQFont::getFace() const
{
    return m_face;
}

void ImplWQFont::setHeight(int32_t height)
{
    m_height = height;
}

int32_t ImplWQFont::getHeight() const
{
    return absolute(m_height);
}

void ImplWQFont::setWidth(int32_t width)
{
    m_width = width;
}

int32_t ImplWQFont::getWidth() const
{
    return absolute(m_width);
}

void ImplWQFont::setWeight(int32_t weight)
{
    m_weight = weight;
}

int32_t ImplWQFont::getWeight() const
{
    return m_weight;
}

void ImplWQFont::setItalic(int32_t italic)
{
    m_italic = italic;
}

int32_t ImplWQFont::getItalic() const
{
    return m_italic;
}

void ImplWQFont::setUnderline(int32_t underline)
{
    m_underline = underline;
}

int32_t ImplWQFont::getUnderline() const
{
    return m_underline;
}

void ImplWQFont::setStrikeOut(int32_t strikeOut)
{
    m_strikeOut = strikeOut;
}

int32_t ImplWQFont::getStrikeOut() const
{
    return m_strikeOut;
}

int ImplWQFont::equals(const WQFont* other) const
{
    if (other == nullptr)
        return 0;
    if (!m_face.equals(other->getFace()))
        return 0;
    return getHeight() == other->getHeight() && getWidth() == other->getWidth()
            && m_weight == other->getWeight() && m_italic == other->getItalic()
            && m_underline == other->getUnderline() && m_strikeOut == other->getStrikeOut()
        ? 1
        : 0;
}

void ImplWQFont::setPointSize(int32_t points)
{
    int32_t height = 0;
    if (!pointsToHeight(points, &height))
        return;
    setHeight(height);
    m_pointSize = points;
}

int32_t ImplWQFont::getPointSize() const
{
    return m_pointSize;
}

} // namespace WQSDK
