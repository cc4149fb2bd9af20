#ifndef WQSDK_GRAPHICS_WQFONT_H
#define WQSDK_GRAPHICS_WQFONT_H

#include <cstdint>

#include "base/WQObject.h"
#include "base/WQString.h"

namespace WQSDK {

class ImplWQFont;

// A font description (face, height, width, weight, italic, underline,
// strike-out) that never holds a GDI object: whoever draws or measures text
// makes a GDI font from it for that one call (createGdiFont). Every
// operation forwards to the ImplWQFont the font owns; a font whose
// ImplWQFont could not be allocated answers 0 (an empty face) and ignores
// its setters.
class WQFont : public virtual WQObject {
public:
    WQFont();
    ~WQFont() override;

    virtual void setFace(WQString face);
    virtual WQString getFace() const;
    // Stored with its sign; negative heights are character heights.
    virtual void setHeight(int32_t height);
    // The absolute value.
    virtual int32_t getHeight() const;
    virtual void setWidth(int32_t width);
    // The absolute value; 0 lets GDI choose.
    virtual int32_t getWidth() const;
    virtual void setWeight(int32_t weight);
    virtual int32_t getWeight() const;
    virtual void setItalic(int32_t italic);
    virtual int32_t getItalic() const;
    virtual void setUnderline(int32_t underline);
    virtual int32_t getUnderline() const;
    virtual void setStrikeOut(int32_t strikeOut);
    virtual int32_t getStrikeOut() const;
    // Same face bytes and the same absolute heights and widths, weight and
    // flags; the point size does not count. The argument's count is not
    // touched.
    virtual int equals(const WQFont* other) const;
    // Height from a point size at the desktop's vertical resolution (stored
    // negative); the point size is remembered. Without a desktop context
    // nothing changes.
    virtual void setPointSize(int32_t points);
    // The last value given to setPointSize; 9 for a new font.
    virtual int32_t getPointSize() const;

private:
    ImplWQFont* m_impl;
};

// -(points at the desktop's vertical resolution), the height a point size
// is stored as. False when the desktop or its context is not available.
bool pointsToHeight(int32_t points, int32_t* height);

// A new font with a count of 1: the height of `pointSize` points at the
// desktop's resolution, weight 400, width 0, no italic, underline or
// strike-out. Its getPointSize stays 9. Null when the desktop's context or
// the memory is missing.
WQFont* createFont(WQString face, int32_t pointSize);
// createFont(face of the desktop context's font, 12); null when there is
// no such face.
WQFont* createDefaultFont();

} // namespace WQSDK

#endif
