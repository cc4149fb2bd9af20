#ifndef WQSDK_GRAPHICS_WQHANDLES_H
#define WQSDK_GRAPHICS_WQHANDLES_H

// The rules that turn the library's font, icon and cursor descriptions
// into Windows objects. Everything that draws or measures text, registers
// a window class or changes a class icon or cursor goes through these.

#include <windows.h>

namespace WQSDK {

class WQCursor;
class WQFont;
class WQIcon;

// A GDI font for one drawing or measuring call: CreateFontA with the
// font's absolute height and width, its weight and flags, DEFAULT_CHARSET
// and its face. The caller deletes it. Null for a null font or when GDI
// fails.
HFONT createGdiFont(const WQFont* font);

// ICON_CUSTOM: CreateIcon from the icon's shape getters, none for an
// empty extent or a missing mask. ICON_FILE: LoadImageA of the file as a
// 64 x 64 icon. Any other type: LoadIconA of its system icon. Null for a
// null icon or when nothing can be made. Icons from CreateIcon and
// LoadImageA belong to the caller (DestroyIcon); system icons are shared.
HICON createIconHandle(HINSTANCE instance, const WQIcon* icon);

// CURSOR_CUSTOM: CreateCursor from the cursor's shape getters, none for an
// empty extent or a missing mask; the caller destroys it (DestroyCursor).
// Any other type: LoadCursorA of the system cursor of cursorResourceFor,
// which is shared. Null for a null cursor, a type without a system cursor
// or a shape that cannot be made.
HCURSOR createCursorHandle(HINSTANCE instance, const WQCursor* cursor);

} // namespace WQSDK

#endif
