#include "graphics/WQHandles.h"

#include "base/WQString.h"
#include "graphics/WQCursor.h"
#include "graphics/WQFont.h"
#include "graphics/WQIcon.h"

namespace WQSDK {

namespace {

// A custom shape needs an extent and both masks; GDI would read the masks
// through null pointers otherwise (and some systems make an empty icon of
// nothing).
bool describesShape(int width, int height, const unsigned char* andMask, const unsigned char* xorMask)
{
    return width > 0 && height > 0 && andMask != nullptr && xorMask != nullptr;
}

} // namespace

HFONT createGdiFont(const WQFont* font)
{
    if (font == nullptr)
        return nullptr;
    const WQString face = font->getFace();
    return CreateFontA(font->getHeight(), font->getWidth(), 0, 0, font->getWeight(),
        static_cast<DWORD>(font->getItalic()), static_cast<DWORD>(font->getUnderline()),
        static_cast<DWORD>(font->getStrikeOut()), DEFAULT_CHARSET, 0, 0, 0, 0,
        face.c_str() != nullptr ? face.c_str() : "");
}

HICON createIconHandle(HINSTANCE instance, const WQIcon* icon)
{
    if (icon == nullptr)
        return nullptr;
    switch (icon->getType()) {
    case ICON_CUSTOM:
        if (!describesShape(icon->getWidth(), icon->getHeight(), icon->getAndMask(), icon->getXorMask()))
            return nullptr;
        return CreateIcon(instance, icon->getWidth(), icon->getHeight(),
            static_cast<BYTE>(icon->getPlanes()), static_cast<BYTE>(icon->getBitsPerPixel()),
            icon->getAndMask(), icon->getXorMask());
    case ICON_FILE:
        return static_cast<HICON>(
            LoadImageA(instance, icon->getResourceName(), IMAGE_ICON, 64, 64, LR_LOADFROMFILE));
    default:
        // Types without a system icon have no name, and LoadIconA of a
        // null name finds nothing.
        if (icon->getResourceName() == nullptr)
            return nullptr;
        return LoadIconA(nullptr, icon->getResourceName());
    }
}

HCURSOR createCursorHandle(HINSTANCE instance, const WQCursor* cursor)
{
    if (cursor == nullptr)
        return nullptr;
    if (cursor->getType() == CURSOR_CUSTOM) {
        if (!describesShape(cursor->getWidth(), cursor->getHeight(), cursor->getAndMask(), cursor->getXorMask()))
            return nullptr;
        return CreateCursor(instance, cursor->getHotSpotX(), cursor->getHotSpotY(), cursor->getWidth(),
            cursor->getHeight(), cursor->getAndMask(), cursor->getXorMask());
    }
    const int resource = cursorResourceFor(cursor->getType());
    if (resource == 0)
        return nullptr;
    return LoadCursorA(nullptr, MAKEINTRESOURCEA(resource));
}

} // namespace WQSDK
