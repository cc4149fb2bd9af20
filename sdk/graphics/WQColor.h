#ifndef WQSDK_GRAPHICS_WQCOLOR_H
#define WQSDK_GRAPHICS_WQCOLOR_H

#include <cstdint>

#include "base/WQObject.h"

namespace WQSDK {

// Red, green, blue and a fourth byte called alpha because it is the top
// byte of the packed forms. Nothing blends with it; colours handed to GDI
// (getColorRef) keep it 0.
class WQColor : public virtual WQObject {
public:
    // Black, alpha 0.
    WQColor();
    // Alpha 0.
    WQColor(uint8_t red, uint8_t green, uint8_t blue);
    // A fresh object (count 0, its own class name) with the same four bytes.
    WQColor(const WQColor& other);
    WQColor& operator=(const WQColor& other);

    virtual uint8_t getRed() const;
    virtual void setRed(uint8_t red);
    virtual uint8_t getGreen() const;
    virtual void setGreen(uint8_t green);
    virtual uint8_t getBlue() const;
    virtual void setBlue(uint8_t blue);
    virtual uint8_t getAlpha() const;
    virtual void setAlpha(uint8_t alpha);
    // alpha << 24 | red << 16 | green << 8 | blue
    virtual uint32_t getARGB() const;
    virtual void setARGB(uint32_t value);
    // alpha << 24 | blue << 16 | green << 8 | red: the Windows COLORREF when
    // alpha is 0.
    virtual uint32_t getColorRef() const;
    virtual void setColorRef(uint32_t value);
    // The 16-bit forms keep the top bits of each component; the setters use
    // only the low 16 (5-6-5) or 15 (5-5-5) bits, leave the low bits of the
    // widened components 0 and keep alpha.
    virtual uint16_t getRGB565() const;
    virtual void setRGB565(uint32_t value);
    virtual uint16_t getRGB555() const;
    virtual void setRGB555(uint32_t value);

private:
    uint8_t m_red;
    uint8_t m_green;
    uint8_t m_blue;
    uint8_t m_alpha;
};

} // namespace WQSDK

#endif
