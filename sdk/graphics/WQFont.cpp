#include "graphics/WQFont.h"

#include <windows.h>

#include <new>

#include "base/WQMemory.h"
#include "graphics/ImplWQFont.h"

namespace WQSDK {

namespace {

// The desktop window's context for the duration of one query.
class DesktopContext {
public:
    DesktopContext()
        : m_window(GetDesktopWindow())
        , m_context(m_window != nullptr ? GetWindowDC(m_window) : nullptr)
    {
    }
    ~DesktopContext()
    {
        if (m_context != nullptr)
            ReleaseDC(m_window, m_context);
    }
    DesktopContext(const DesktopContext&) = delete;
    DesktopContext& operator=(const DesktopContext&) = delete;

    HDC get() const { return m_context; }

private:
    HWND m_window;
    HDC m_context;
};

int32_t heightAt(HDC context, int32_t points)
{
    return -MulDiv(points, GetDeviceCaps(context, LOGPIXELSY), 72);
}

WQFont* newFont(HDC context, const WQString& face, int32_t pointSize)
{
    WQFont* font = new (std::nothrow) WQFont();
    if (font == nullptr)
        return nullptr;
    font->addRef();
    font->setHeight(heightAt(context, pointSize));
    font->setWidth(0);
    font->setWeight(FW_NORMAL);
    font->setItalic(0);
    font->setUnderline(0);
    font->setStrikeOut(0);
    font->setFace(face);
    return font;
}

} // namespace

// The ImplWQFont comes from the library's allocator, so that tests can make
// it fail; it is destroyed directly, never through its count.
WQFont::WQFont()
    : WQObject()
    , m_impl(nullptr)
{
    appendClassName("WQFont");
    void* block = memAlloc(sizeof(ImplWQFont));
    if (block != nullptr)
        m_impl = new (block) ImplWQFont();
}

WQFont::~WQFont()
{
    if (m_impl != nullptr) {
        m_impl->~ImplWQFont();
        memFree(m_impl);
    }
}

void WQFont::setFace(WQString face)
{
    if (m_impl != nullptr)
        m_impl->setFace(face);
}

WQString WQFont::getFace() const
{
    return m_impl != nullptr ? m_impl->getFace() : WQString();
}

void WQFont::setHeight(int32_t height)
{
    if (m_impl != nullptr)
        m_impl->setHeight(height);
}

int32_t WQFont::getHeight() const
{
    return m_impl != nullptr ? m_impl->getHeight() : 0;
}

void WQFont::setWidth(int32_t width)
{
    if (m_impl != nullptr)
        m_impl->setWidth(width);
}

int32_t WQFont::getWidth() const
{
    return m_impl != nullptr ? m_impl->getWidth() : 0;
}

void WQFont::setWeight(int32_t weight)
{
    if (m_impl != nullptr)
        m_impl->setWeight(weight);
}

int32_t WQFont::getWeight() const
{
    return m_impl != nullptr ? m_impl->getWeight() : 0;
}

void WQFont::setItalic(int32_t italic)
{
    if (m_impl != nullptr)
        m_impl->setItalic(italic);
}

int32_t WQFont::getItalic() const
{
    return m_impl != nullptr ? m_impl->getItalic() : 0;
}

void WQFont::setUnderline(int32_t underline)
{
    if (m_impl != nullptr)
        m_impl->setUnderline(underline);
}

int32_t WQFont::getUnderline() const
{
    return m_impl != nullptr ? m_impl->getUnderline() : 0;
}

void WQFont::setStrikeOut(int32_t strikeOut)
{
    if (m_impl != nullptr)
        m_impl->setStrikeOut(strikeOut);
}

int32_t WQFont::getStrikeOut() const
{
    return m_impl != nullptr ? m_impl->getStrikeOut() : 0;
}

int WQFont::equals(const WQFont* other) const
{
    return m_impl != nullptr ? m_impl->equals(other) : 0;
}

void WQFont::setPointSize(int32_t points)
{
    if (m_impl != nullptr)
        m_impl->setPointSize(points);
}

int32_t WQFont::getPointSize() const
{
    return m_impl != nullptr ? m_impl->getPointSize() : 0;
}

bool pointsToHeight(int32_t points, int32_t* height)
{
    DesktopContext desktop;
    if (desktop.get() == nullptr || height == nullptr)
        return false;
    *height = heightAt(desktop.get(), points);
    return true;
}

WQFont* createFont(WQString face, int32_t pointSize)
{
    DesktopContext desktop;
    if (desktop.get() == nullptr)
        return nullptr;
    return newFont(desktop.get(), face, pointSize);
}

WQFont* createDefaultFont()
{
    char face[256] = {};
    DesktopContext desktop;
    if (desktop.get() == nullptr)
        return nullptr;
    if (GetTextFaceA(desktop.get(), sizeof face, face) == 0)
        return nullptr;
    return newFont(desktop.get(), WQString(face), 12);
}

} // namespace WQSDK
