#ifndef WQSDK_GRAPHICS_COMPONENTGRAPHICS_H
#define WQSDK_GRAPHICS_COMPONENTGRAPHICS_H

#include <windows.h>

#include "graphics/IWQGraphics.h"

namespace WQSDK {

// The off-screen buffer of one component (a memory context with a bitmap
// compatible with the component's window) and its drawing state:
// foreground, background and fill colours and a font. Without a buffer
// every drawing operation does nothing.
//
// GDI pens, brushes and fonts are made for each call, selected between
// SaveDC and RestoreDC and deleted afterwards; nothing stays selected in
// the buffer's context. Two settings do persist there: the text background
// mode of setTransparent and the stretch mode of drawImage.
class ComponentGraphics : public virtual IWQGraphics {
public:
    // Black colours, the default font, no window and no buffer.
    ComponentGraphics();
    ~ComponentGraphics() override;

    void drawRect(int x, int y, int w, int h) override;
    void drawRoundRect(int x, int y, int w, int h, int ellipseWidth, int ellipseHeight) override;
    // 0 also when there is no buffer to draw into.
    int drawImage(WQImage* image, int srcX, int srcY, int srcW, int srcH, int dstX, int dstY, int dstW,
        int dstH) override;
    int drawImage(WQImage* image, int x, int y, int w, int h) override;
    int drawImage(WQImage* image, int x, int y) override;
    int drawImageTransparent(WQImage* image, int srcX, int srcY, int srcW, int srcH, int dstX, int dstY,
        int dstW, int dstH, WQColor key) override;
    int drawArc(int x, int y, int w, int h, int startX, int startY, int endX, int endY) override;
    void drawLine(int x1, int y1, int x2, int y2, int width) override;
    void drawEllipse(int x, int y, int w, int h) override;
    void drawPolyline(const WQPoint points[], int count) override;
    int drawBezier(const WQPoint points[], int count) override;
    void drawText(WQString text, WQRect rect, unsigned int format) override;
    void drawString(WQString text, int x, int y) override;
    void setPixel(int x, int y, WQColor color) override;
    void fillPie(int x, int y, int w, int h, int startX, int startY, int endX, int endY) override;
    void fillEllipse(int x, int y, int w, int h) override;
    void fillRect(int x, int y, int w, int h) override;
    void fillPolygon(const WQPoint points[], int count, int alternate) override;
    WQFont* getFont() override;
    int setFont(WQFont* font) override;
    WQColor* getBackground() override;
    WQColor* getForeground() override;
    WQColor* getFillColor() override;
    void setTransparent(int transparent) override;
    void clearRect(WQRect rect) override;
    void clear() override;
    void drawDisabledString(WQString text, int x, int y) override;
    void drawFocusRect(int x, int y, int w, int h, int count) override;
    // (0, 0) without a window, a font or a buffer.
    WQSize getTextSize(WQString text) override;
    // Height of the font selected in the buffer's own context (its stock
    // font, as the graphics font is selected only during text calls); -1
    // without a window or a buffer.
    int getTextHeight() override;
    // Through the window's whole-window context, so (0, 0) is the outer
    // corner of a window with a frame.
    void flush(int x, int y, int w, int h) override;

    // The window host's side.
    virtual void resize(HDC reference, int width, int height);
    virtual void setWindow(HWND window);
    // Copy the colour into the stored object.
    virtual void setForeground(WQColor color);
    virtual void setBackground(WQColor color);
    // Null is ignored; else as setFont.
    virtual void useFont(WQFont* font);
    // The area of the buffer to the same place of `target`.
    virtual void copyTo(HDC target, WQRect area);
    virtual void freeBitmap();
    virtual void freeContext();
    // Replaces the buffer with a new one of width x height compatible with
    // `reference`; its pixels are undefined until drawn. On failure there is
    // no buffer.
    virtual void createBuffer(HDC reference, int width, int height);
    // The whole buffer as 24-bit blue-green-red pixels, top row first:
    // image->allocate(width * height * 3) and the rows through getPixels.
    // Width and height go to the out-arguments (0 x 0 without a buffer); the
    // image's own width, height and format are not set. 0 when the buffer
    // cannot be read or the image is null.
    virtual int copyToImage(WQImage* image, int* width, int* height);

private:
    HWND m_window;
    HDC m_context;
    HBITMAP m_bitmap;
    WQColor* m_foreground;
    WQColor* m_background;
    WQColor* m_fill;
    WQFont* m_font;
    int m_width;
    int m_height;
    // The bitmap the memory context came with, selected back before the
    // buffer bitmap is deleted.
    HGDIOBJ m_initialBitmap;
};

} // namespace WQSDK

#endif
