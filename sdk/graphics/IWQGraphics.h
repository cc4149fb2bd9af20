#ifndef WQSDK_GRAPHICS_IWQGRAPHICS_H
#define WQSDK_GRAPHICS_IWQGRAPHICS_H

#include <cstdint>

#include "base/WQObject.h"
#include "base/WQString.h"
#include "graphics/WQColor.h"
#include "graphics/WQPoint.h"
#include "graphics/WQRect.h"
#include "graphics/WQSize.h"

namespace WQSDK {

class WQFont;
class WQImage;

// Styles of drawFrame.
constexpr int FRAME_SUNKEN = 1;
constexpr int FRAME_RAISED = 2;
constexpr int FRAME_ETCHED = 4;

// The drawing interface every paint receives. Coordinates are pixels of the
// component's buffer, origin at its top-left corner. The bodies here draw
// nothing and return 0 (an empty size), except the frames, which are built
// on getForeground and drawLine and so work for every implementation.
class IWQGraphics : public virtual WQObject {
public:
    IWQGraphics();

    // Outline through (x, y), (x + w, y), (x + w, y + h), (x, y + h): it
    // covers w + 1 by h + 1 pixels.
    virtual void drawRect(int x, int y, int w, int h);
    virtual void drawRoundRect(int x, int y, int w, int h, int ellipseWidth, int ellipseHeight);
    // The source rectangle is cut at the image's right and bottom edges and
    // stretched over the whole destination. 1 when the blit was issued.
    // The image's count is not touched.
    virtual int drawImage(WQImage* image, int srcX, int srcY, int srcW, int srcH, int dstX, int dstY,
        int dstW, int dstH);
    virtual int drawImage(WQImage* image, int x, int y, int w, int h);
    virtual int drawImage(WQImage* image, int x, int y);
    // As drawImage, leaving out source pixels of the key colour. The image
    // is referenced for the call, so an image with a count of 0 is consumed.
    virtual int drawImageTransparent(WQImage* image, int srcX, int srcY, int srcW, int srcH, int dstX,
        int dstY, int dstW, int dstH, WQColor key);
    virtual int drawArc(int x, int y, int w, int h, int startX, int startY, int endX, int endY);
    // Nothing for a width below 1. The end point is not drawn.
    virtual void drawLine(int x1, int y1, int x2, int y2, int width);
    virtual void drawEllipse(int x, int y, int w, int h);
    virtual void drawPolyline(const WQPoint points[], int count);
    virtual int drawBezier(const WQPoint points[], int count);
    // `format` is a set of DrawTextA flags.
    virtual void drawText(WQString text, WQRect rect, unsigned int format);
    virtual void drawString(WQString text, int x, int y);
    virtual void setPixel(int x, int y, WQColor color);
    virtual void fillPie(int x, int y, int w, int h, int startX, int startY, int endX, int endY);
    virtual void fillEllipse(int x, int y, int w, int h);
    virtual void fillRect(int x, int y, int w, int h);
    // Fill rule: alternate when `alternate` is non-zero, else winding.
    virtual void fillPolygon(const WQPoint points[], int count, int alternate);
    // The font with one reference added for the caller; null when none.
    virtual WQFont* getFont();
    // Null: 0, nothing changes. Else the font replaces the current one
    // (which is released) and is referenced; 1.
    virtual int setFont(WQFont* font);
    // The stored colour objects themselves, with one reference added for
    // the caller: changing them changes what is drawn next.
    virtual WQColor* getBackground();
    virtual WQColor* getForeground();
    virtual WQColor* getFillColor();
    // Text background: left as it is (non-zero) or painted (0), for all
    // later text.
    virtual void setTransparent(int transparent);
    virtual void clearRect(WQRect rect);
    virtual void clear();
    virtual void drawDisabledString(WQString text, int x, int y);
    // `count` nested XOR focus rectangles, each one pixel inside the last;
    // drawing the same again erases them.
    virtual void drawFocusRect(int x, int y, int w, int h, int count);
    virtual WQSize getTextSize(WQString text);
    virtual int getTextHeight();
    // FRAME_SUNKEN, FRAME_RAISED or FRAME_ETCHED; other styles draw
    // nothing.
    virtual void drawFrame(int x, int y, int w, int h, int style);
    // Copies the area of the buffer to the same place of the window at once.
    virtual void flush(int x, int y, int w, int h);
    // The frames draw one-pixel lines in fixed colours through the
    // foreground object and give it back its colour, alpha included.
    virtual void drawSunkenFrame(int x, int y, int w, int h);
    virtual void drawRaisedFrame(int x, int y, int w, int h);
    virtual void drawEtchedFrame(int x, int y, int w, int h);
};

} // namespace WQSDK

#endif
