#ifndef WQSDK_GRAPHICS_WQCURSOR_H
#define WQSDK_GRAPHICS_WQCURSOR_H

#include "base/WQObject.h"

namespace WQSDK {

// Cursor types, numbered after the shapes of the X Window System cursor
// font.
constexpr int CURSOR_NO = 0;
constexpr int CURSOR_SIZENESW = 12;
constexpr int CURSOR_SIZENWSE = 14;
constexpr int CURSOR_SIZENS = 16;
constexpr int CURSOR_UPARROW = 22;
constexpr int CURSOR_CROSS = 30;
constexpr int CURSOR_HAND = 31;
constexpr int CURSOR_SIZE = 52;
constexpr int CURSOR_SIZEALL = 53;
constexpr int CURSOR_ICON = 64;
constexpr int CURSOR_ARROW = 68;
constexpr int CURSOR_SIZEWE = 70;
// A shape supplied by a derived class through the shape getters.
constexpr int CURSOR_CUSTOM = 77;
constexpr int CURSOR_HELP = 92;
constexpr int CURSOR_APPSTARTING = 150;
constexpr int CURSOR_IBEAM = 152;

// The system cursor number of a cursor type; 0 (no cursor) for types
// without one.
int cursorResourceFor(int type);

// Names the mouse cursor of a window; the window host turns it into a
// handle (createCursorHandle). A new cursor is CURSOR_CUSTOM.
class WQCursor : public virtual WQObject {
public:
    WQCursor();

    virtual int getType() const;
    virtual void setType(int type);
    // The shape of a CURSOR_CUSTOM cursor; the base class describes an
    // empty one (0 x 0, hot spot 0, 1 plane, 1 bit, no masks).
    virtual int getWidth() const;
    virtual int getHeight() const;
    virtual int getHotSpotX() const;
    virtual int getHotSpotY() const;
    virtual int getPlanes() const;
    virtual int getBitsPerPixel() const;
    virtual const unsigned char* getAndMask() const;
    virtual const unsigned char* getXorMask() const;

private:
    int m_type;
};

} // namespace WQSDK

#endif
