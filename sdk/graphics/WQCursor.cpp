#include "graphics/WQCursor.h"

namespace WQSDK {

namespace {

struct CursorResource {
    int type;
    int resource;
};

const CursorResource CURSOR_RESOURCES[] = {
    {CURSOR_NO, 32648},
    {CURSOR_SIZENESW, 32643},
    {CURSOR_SIZENWSE, 32642},
    {CURSOR_SIZENS, 32645},
    {CURSOR_UPARROW, 32516},
    {CURSOR_CROSS, 32515},
    {CURSOR_HAND, 32649},
    {CURSOR_SIZE, 32640},
    {CURSOR_SIZEALL, 32646},
    {CURSOR_ICON, 32641},
    {CURSOR_ARROW, 32512},
    {CURSOR_SIZEWE, 32644},
    // 12 names no system cursor: this type loads none, like an unknown one,
    // but keeps its number for callers that compare it.
    {78, 12},
    {CURSOR_HELP, 32651},
    {CURSOR_APPSTARTING, 32650},
    {CURSOR_IBEAM, 32513},
};

} // namespace

int cursorResourceFor(int type)
{
    for (const CursorResource& entry : CURSOR_RESOURCES) {
        if (entry.type == type)
            return entry.resource;
    }
    return 0;
}

WQCursor::WQCursor()
    : WQObject()
    , m_type(CURSOR_CUSTOM)
{
    appendClassName("WQCursor");
}

int WQCursor::getType() const
{
    return m_type;
}

void WQCursor::setType(int type)
{
    m_type = type;
}

int WQCursor::getWidth() const
{
    return 0;
}

int WQCursor::getHeight() const
{
    return 0;
}

int WQCursor::getHotSpotX() const
{
    return 0;
}

int WQCursor::getHotSpotY() const
{
    return 0;
}

int WQCursor::getPlanes() const
{
    return 1;
}

int WQCursor::getBitsPerPixel() const
{
    return 1;
}

const unsigned char* WQCursor::getAndMask() const
{
    return nullptr;
}

const unsigned char* WQCursor::getXorMask() const
{
    return nullptr;
}

} // namespace WQSDK
