#include "graphics/IWQGraphics.h"

namespace WQSDK {

namespace {

void setRGB(WQColor& color, uint8_t red, uint8_t green, uint8_t blue)
{
    color.setRed(red);
    color.setGreen(green);
    color.setBlue(blue);
}

} // namespace

IWQGraphics::IWQGraphics()
    : WQObject()
{
    appendClassName("IWQGraphics");
}

void IWQGraphics::drawRect(int, int, int, int) {}

void IWQGraphics::drawRoundRect(int, int, int, int, int, int) {}

int IWQGraphics::drawImage(WQImage*, int, int, int, int, int, int, int, int)
{
    return 0;
}

int IWQGraphics::drawImage(WQImage*, int, int, int, int)
{
    return 0;
}

int IWQGraphics::drawImage(WQImage*, int, int)
{
    return 0;
}

int IWQGraphics::drawImageTransparent(WQImage*, int, int, int, int, int, int, int, int, WQColor)
{
    return 0;
}

int IWQGraphics::drawArc(int, int, int, int, int, int, int, int)
{
    return 0;
}

void IWQGraphics::drawLine(int, int, int, int, int) {}

void IWQGraphics::drawEllipse(int, int, int, int) {}

void IWQGraphics::drawPolyline(const WQPoint[], int) {}

int IWQGraphics::drawBezier(const WQPoint[], int)
{
    return 0;
}

void IWQGraphics::drawText(WQString, WQRect, unsigned int) {}

void IWQGraphics::drawString(WQString, int, int) {}

void IWQGraphics::setPixel(int, int, WQColor) {}

void IWQGraphics::fillPie(int, int, int, int, int, int, int, int) {}

void IWQGraphics::fillEllipse(int, int, int, int) {}

void IWQGraphics::fillRect(int, int, int, int) {}

void IWQGraphics::fillPolygon(const WQPoint[], int, int) {}

WQFont* IWQGraphics::getFont()
{
    return nullptr;
}

int IWQGraphics::setFont(WQFont*)
{
    return 0;
}

WQColor* IWQGraphics::getBackground()
{
    return nullptr;
}

WQColor* IWQGraphics::getForeground()
{
    return nullptr;
}

WQColor* IWQGraphics::getFillColor()
{
    return nullptr;
}

void IWQGraphics::setTransparent(int) {}

void IWQGraphics::clearRect(WQRect) {}

void IWQGraphics::clear() {}

void IWQGraphics::drawDisabledString(WQString, int, int) {}

void IWQGraphics::drawFocusRect(int, int, int, int, int) {}

WQSize IWQGraphics::getTextSize(WQString)
{
    return WQSize();
}

int IWQGraphics::getTextHeight()
{
    return 0;
}

void IWQGraphics::drawFrame(int x, int y, int w, int h, int style)
{
    switch (style) {
    case FRAME_SUNKEN:
        drawSunkenFrame(x, y, w, h);
        break;
    case FRAME_RAISED:
        drawRaisedFrame(x, y, w, h);
        break;
    case FRAME_ETCHED:
        drawEtchedFrame(x, y, w, h);
        break;
    default:
        break;
    }
}

void IWQGraphics::flush(int, int, int, int) {}

// The frames change the foreground object in place, because drawLine takes
// its colour from there, and restore the saved ARGB value afterwards. An
// implementation without a foreground object gets no frame.

void IWQGraphics::drawSunkenFrame(int x, int y, int w, int h)
{
    WQColor* foreground = getForeground();
    if (foreground == nullptr)
        return;
    const uint32_t saved = foreground->getARGB();
    const int r = x + w;
    const int b = y + h;
    setRGB(*foreground, 172, 168, 153);
    drawLine(x, y, r, y, 1);
    drawLine(x, y, x, b, 1);
    setRGB(*foreground, 255, 255, 255);
    drawLine(r, y, r, b, 1);
    drawLine(r, b, x, b, 1);
    setRGB(*foreground, 113, 111, 100);
    drawLine(x + 1, y + 1, r - 1, y + 1, 1);
    drawLine(x + 1, y + 1, x + 1, b - 1, 1);
    setRGB(*foreground, 241, 239, 226);
    drawLine(r - 1, y + 1, r - 1, b - 1, 1);
    drawLine(r - 1, b - 1, x, b - 1, 1);
    foreground->setARGB(saved);
    foreground->release();
}

void IWQGraphics::drawRaisedFrame(int x, int y, int w, int h)
{
    WQColor* foreground = getForeground();
    if (foreground == nullptr)
        return;
    const uint32_t saved = foreground->getARGB();
    const int r = x + w;
    const int b = y + h;
    setRGB(*foreground, 0, 0, 0);
    drawLine(r, b, r, y, 1);
    drawLine(r, b, x, b, 1);
    setRGB(*foreground, 123, 123, 123);
    drawLine(r - 1, b - 1, r - 1, y, 1);
    drawLine(r - 1, b - 1, x, b - 1, 1);
    setRGB(*foreground, 255, 255, 255);
    drawLine(x, y, x, b, 1);
    drawLine(x, y, r, y, 1);
    foreground->setARGB(saved);
    foreground->release();
}

void IWQGraphics::drawEtchedFrame(int x, int y, int w, int h)
{
    WQColor* foreground = getForeground();
    if (foreground == nullptr)
        return;
    const uint32_t saved = foreground->getARGB();
    const int r = x + w;
    const int b = y + h;
    setRGB(*foreground, 127, 127, 127);
    drawLine(x, y, r - 1, y, 1);
    drawLine(r - 1, y, r - 1, b - 1, 1);
    drawLine(r - 1, b - 1, x, b - 1, 1);
    drawLine(x, b - 1, x, y, 1);
    setRGB(*foreground, 255, 255, 255);
    drawLine(x + 1, y + 1, r - 2, y + 1, 1);
    drawLine(r, y, r, b, 1);
    drawLine(r, b, x, b, 1);
    drawLine(x + 1, b - 2, x + 1, y + 1, 1);
    foreground->setARGB(saved);
    foreground->release();
}

} // namespace WQSDK
