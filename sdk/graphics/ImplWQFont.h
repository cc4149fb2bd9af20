#ifndef WQSDK_GRAPHICS_IMPLWQFONT_H
#define WQSDK_GRAPHICS_IMPLWQFONT_H

#include <cstdint>

#include "base/WQObject.h"
#include "base/WQString.h"

namespace WQSDK {

class WQFont;

// The fields behind a WQFont. Height and width are stored with their sign;
// the getters give absolute values.
class ImplWQFont : public virtual WQObject {
public:
    ImplWQFont();

    virtual void setFace(WQString face);
    virtual WQString getFace() const;
    virtual void setHeight(int32_t height);
    virtual int32_t getHeight() const;
    virtual void setWidth(int32_t width);
    virtual int32_t getWidth() const;
    virtual void setWeight(int32_t weight);
    virtual int32_t getWeight() const;
    virtual void setItalic(int32_t italic);
    virtual int32_t getItalic() const;
    virtual void setUnderline(int32_t underline);
    virtual int32_t getUnderline() const;
    virtual void setStrikeOut(int32_t strikeOut);
    virtual int32_t getStrikeOut() const;
    // 1 when the faces have the same bytes (letter case counts) and the
    // absolute heights, absolute widths, weight, italic, underline and
    // strike-out agree; the point size is not compared. Null gives 0.
    virtual int equals(const WQFont* other) const;
    // Height := -(points at the desktop's vertical resolution, in pixels);
    // nothing changes when the desktop's context is not available.
    virtual void setPointSize(int32_t points);
    virtual int32_t getPointSize() const;

private:
    WQString m_face;
    int32_t m_height;
    int32_t m_width;
    int32_t m_weight;
    int32_t m_italic;
    int32_t m_underline;
    int32_t m_strikeOut;
    int32_t m_pointSize;
};

} // namespace WQSDK

#endif
