#include "graphics/ComponentGraphics.h"

#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <limits>
#include <new>

#include "base/WQMemory.h"
#include "graphics/WQFont.h"
#include "graphics/WQHandles.h"
#include "graphics/WQImage.h"

namespace WQSDK {

namespace {

COLORREF colorRefOf(const WQColor* color)
{
    return color != nullptr ? static_cast<COLORREF>(color->getColorRef()) : 0;
}

const char* textOf(const WQString& text)
{
    return text.c_str() != nullptr ? text.c_str() : "";
}

RECT toRECT(int x, int y, int w, int h)
{
    RECT rect;
    rect.left = x;
    rect.top = y;
    rect.right = x + w;
    rect.bottom = y + h;
    return rect;
}

// Runs `draw` between SaveDC and RestoreDC with a solid pen selected, and
// a solid brush when `withBrush`; both are deleted afterwards. Nothing is
// drawn when an object cannot be made, rather than drawing with whatever
// the context holds. False when nothing was drawn.
template <class Draw>
bool drawWithPen(HDC context, COLORREF penColor, int penWidth, bool withBrush, COLORREF brushColor, Draw draw)
{
    HPEN pen = CreatePen(PS_SOLID, penWidth, penColor);
    HBRUSH brush = withBrush ? CreateSolidBrush(brushColor) : nullptr;
    bool drawn = false;
    if (pen != nullptr && (!withBrush || brush != nullptr)) {
        const int saved = SaveDC(context);
        if (saved != 0) {
            SelectObject(context, pen);
            if (brush != nullptr)
                SelectObject(context, brush);
            draw();
            RestoreDC(context, saved);
            drawn = true;
        }
    }
    if (brush != nullptr)
        DeleteObject(brush);
    if (pen != nullptr)
        DeleteObject(pen);
    return drawn;
}

// Runs `use` between SaveDC and RestoreDC with a GDI font made from `font`
// selected; the GDI font is deleted afterwards. False when it could not be
// made.
template <class Use>
bool useWithFont(HDC context, const WQFont* font, Use use)
{
    HFONT gdiFont = createGdiFont(font);
    if (gdiFont == nullptr)
        return false;
    bool used = false;
    const int saved = SaveDC(context);
    if (saved != 0) {
        SelectObject(context, gdiFont);
        use();
        RestoreDC(context, saved);
        used = true;
    }
    DeleteObject(gdiFont);
    return used;
}

// A freshly allocated copy of the points for GDI; null for no points or
// when it cannot be allocated. Freed with memFree.
POINT* toGdiPoints(const WQPoint points[], int count)
{
    if (points == nullptr || count <= 0
        || static_cast<std::size_t>(count) > std::numeric_limits<std::size_t>::max() / sizeof(POINT))
        return nullptr;
    POINT* gdiPoints = static_cast<POINT*>(memAlloc(static_cast<std::size_t>(count) * sizeof(POINT)));
    if (gdiPoints == nullptr)
        return nullptr;
    for (int i = 0; i < count; ++i) {
        gdiPoints[i].x = points[i].getX();
        gdiPoints[i].y = points[i].getY();
    }
    return gdiPoints;
}

enum class Conversion { Copy, SwapRedBlue, Reverse };

struct PixelLayout {
    int bytesPerPixel;
    Conversion conversion;
};

// How the two blits turn a format into DIB pixels; false for codes that
// the plain blit does not draw.
bool layoutOf(int format, PixelLayout* layout)
{
    switch (format) {
    case IMAGE_RGB24:
        *layout = {3, Conversion::SwapRedBlue};
        return true;
    case IMAGE_ARGB32:
        *layout = {4, Conversion::Reverse};
        return true;
    case IMAGE_BGR24:
        *layout = {3, Conversion::Copy};
        return true;
    case IMAGE_BGRA32:
        *layout = {4, Conversion::Copy};
        return true;
    default:
        return false;
    }
}

// A top-down DIB of a whole (cropped) image, rows padded to 4 bytes.
class SourceDib {
public:
    SourceDib()
        : m_bits(nullptr)
        , m_header()
    {
    }
    ~SourceDib() { memFree(m_bits); }
    SourceDib(const SourceDib&) = delete;
    SourceDib& operator=(const SourceDib&) = delete;

    // Row r of `source` starts at byte r * bytesPerPixel * width. False
    // when memory is short or a row is not wholly inside the image.
    bool build(WQImage* source, int width, int height, const PixelLayout& layout)
    {
        if (width <= 0 || height <= 0)
            return false;
        const int64_t rowBytes = static_cast<int64_t>(layout.bytesPerPixel) * width;
        const int64_t stride = (rowBytes + 3) / 4 * 4;
        const int64_t total = stride * height;
        if (rowBytes * height > std::numeric_limits<int>::max()
            || total > static_cast<int64_t>(std::numeric_limits<std::size_t>::max() / 2))
            return false;
        m_bits = static_cast<unsigned char*>(memAlloc(static_cast<std::size_t>(total)));
        if (m_bits == nullptr)
            return false;
        std::memset(m_bits, 0, static_cast<std::size_t>(total));
        for (int row = 0; row < height; ++row) {
            const int offset = static_cast<int>(rowBytes * row);
            const unsigned char* from = source->getPixels(offset);
            if (from == nullptr || source->getPixels(offset + static_cast<int>(rowBytes) - 1) == nullptr)
                return false;
            unsigned char* to = m_bits + stride * row;
            switch (layout.conversion) {
            case Conversion::SwapRedBlue:
                swapRedBlue24(to, width, from);
                break;
            case Conversion::Reverse:
                reverseBytes32(to, width, from);
                break;
            case Conversion::Copy:
                std::memcpy(to, from, static_cast<std::size_t>(rowBytes));
                break;
            }
        }
        m_header.biSize = sizeof(BITMAPINFOHEADER);
        m_header.biWidth = width;
        m_header.biHeight = -height;
        m_header.biPlanes = 1;
        m_header.biBitCount = static_cast<WORD>(layout.bytesPerPixel * 8);
        m_header.biCompression = BI_RGB;
        return true;
    }

    const void* bits() const { return m_bits; }
    const BITMAPINFO* info() const { return reinterpret_cast<const BITMAPINFO*>(&m_header); }

private:
    unsigned char* m_bits;
    BITMAPINFOHEADER m_header;
};

// Cuts the source at the image's right and bottom edges, then crops it.
// Null when nothing of it is left inside the image.
WQImage* clippedSource(WQImage* image, int srcX, int srcY, int* srcW, int* srcH)
{
    const int64_t width = image->getWidth();
    const int64_t height = image->getHeight();
    int64_t w = *srcW;
    int64_t h = *srcH;
    if (srcX + w > width)
        w = width - srcX;
    if (srcY + h > height)
        h = height - srcY;
    const int64_t right = srcX + w;
    const int64_t bottom = srcY + h;
    const int64_t lowest = std::numeric_limits<int>::min();
    const int64_t highest = std::numeric_limits<int>::max();
    if (w < lowest || w > highest || h < lowest || h > highest || right < lowest || right > highest
        || bottom < lowest || bottom > highest)
        return nullptr;
    *srcW = static_cast<int>(w);
    *srcH = static_cast<int>(h);
    return image->crop(srcX, srcY, static_cast<int>(right), static_cast<int>(bottom));
}

// Room for the colour masks or colour table that GetDIBits may write after
// the header.
struct DibInfo {
    BITMAPINFOHEADER header;
    RGBQUAD colors[256];
};

} // namespace

ComponentGraphics::ComponentGraphics()
    : WQObject()
    , IWQGraphics()
    , m_window(nullptr)
    , m_context(nullptr)
    , m_bitmap(nullptr)
    , m_foreground(new (std::nothrow) WQColor())
    , m_background(new (std::nothrow) WQColor())
    , m_fill(new (std::nothrow) WQColor())
    , m_font(createDefaultFont())
    , m_width(0)
    , m_height(0)
    , m_initialBitmap(nullptr)
{
    for (WQColor* color : {m_foreground, m_background, m_fill}) {
        if (color != nullptr)
            color->addRef();
    }
}

ComponentGraphics::~ComponentGraphics()
{
    freeBitmap();
    freeContext();
    for (WQColor* color : {m_foreground, m_background, m_fill}) {
        if (color != nullptr)
            color->release();
    }
    if (m_font != nullptr)
        m_font->release();
}

void ComponentGraphics::drawRect(int x, int y, int w, int h)
{
    if (m_context == nullptr)
        return;
    // GDI lines leave out their end point: the closing point repeats the
    // start, and the first segment (to the start itself) draws nothing.
    const POINT corners[] = {{x, y}, {x + w, y}, {x + w, y + h}, {x, y + h}, {x, y}};
    drawWithPen(m_context, colorRefOf(m_foreground), 1, false, 0, [&] {
        MoveToEx(m_context, x, y, nullptr);
        PolylineTo(m_context, corners, 5);
    });
}

void ComponentGraphics::drawRoundRect(int x, int y, int w, int h, int ellipseWidth, int ellipseHeight)
{
    if (m_context == nullptr)
        return;
    drawWithPen(m_context, colorRefOf(m_foreground), 1, true, colorRefOf(m_fill),
        [&] { RoundRect(m_context, x, y, x + w, y + h, ellipseWidth, ellipseHeight); });
}

int ComponentGraphics::drawImage(WQImage* image, int srcX, int srcY, int srcW, int srcH, int dstX, int dstY,
    int dstW, int dstH)
{
    if (image == nullptr || m_context == nullptr)
        return 0;
    PixelLayout layout;
    if (!layoutOf(image->getFormat(), &layout))
        return 0;
    WQImage* section = clippedSource(image, srcX, srcY, &srcW, &srcH);
    if (section == nullptr)
        return 0;
    SourceDib dib;
    const bool built = dib.build(section, srcW, srcH, layout);
    section->release();
    if (!built)
        return 0;
    SetStretchBltMode(m_context, COLORONCOLOR);
    StretchDIBits(m_context, dstX, dstY, dstW, dstH, 0, 0, srcW, srcH, dib.bits(), dib.info(), DIB_RGB_COLORS,
        SRCCOPY);
    return 1;
}

int ComponentGraphics::drawImage(WQImage* image, int x, int y, int w, int h)
{
    if (image == nullptr)
        return 0;
    return drawImage(image, 0, 0, image->getWidth(), image->getHeight(), x, y, w, h);
}

int ComponentGraphics::drawImage(WQImage* image, int x, int y)
{
    if (image == nullptr)
        return 0;
    const int width = image->getWidth();
    const int height = image->getHeight();
    return drawImage(image, 0, 0, width, height, x, y, width, height);
}

int ComponentGraphics::drawImageTransparent(WQImage* image, int srcX, int srcY, int srcW, int srcH, int dstX,
    int dstY, int dstW, int dstH, WQColor key)
{
    if (image == nullptr)
        return 0;
    // Held for the call: an image handed over with a count of 0 is
    // destroyed by the release at the end, whatever the outcome.
    image->addRef();
    int result = 0;
    WQImage* section = m_context != nullptr ? clippedSource(image, srcX, srcY, &srcW, &srcH) : nullptr;
    if (section != nullptr) {
        PixelLayout layout;
        // Codes the plain blit refuses are taken as blue-green-red bytes.
        if (!layoutOf(image->getFormat(), &layout))
            layout = {3, Conversion::Copy};
        SourceDib dib;
        if (dib.build(section, srcW, srcH, layout)) {
            HDC scratch = CreateCompatibleDC(m_context);
            HBITMAP scratchBitmap = scratch != nullptr ? CreateCompatibleBitmap(m_context, srcW, srcH) : nullptr;
            if (scratchBitmap != nullptr && SelectObject(scratch, scratchBitmap) != nullptr) {
                StretchDIBits(scratch, 0, 0, srcW, srcH, 0, 0, srcW, srcH, dib.bits(), dib.info(),
                    DIB_RGB_COLORS, SRCCOPY);
                TransparentBlt(m_context, dstX, dstY, dstW, dstH, scratch, 0, 0, srcW, srcH,
                    static_cast<UINT>(key.getColorRef()));
                result = 1;
            }
            // The context goes first, so the bitmap is no longer selected
            // when it is deleted.
            if (scratch != nullptr)
                DeleteDC(scratch);
            if (scratchBitmap != nullptr)
                DeleteObject(scratchBitmap);
        }
        section->release();
    }
    image->release();
    return result;
}

int ComponentGraphics::drawArc(int x, int y, int w, int h, int startX, int startY, int endX, int endY)
{
    if (m_context == nullptr)
        return 0;
    const bool drawn = drawWithPen(m_context, colorRefOf(m_foreground), 1, false, 0,
        [&] { Arc(m_context, x, y, x + w, y + h, startX, startY, endX, endY); });
    return drawn ? 1 : 0;
}

void ComponentGraphics::drawLine(int x1, int y1, int x2, int y2, int width)
{
    if (m_context == nullptr || width < 1)
        return;
    drawWithPen(m_context, colorRefOf(m_foreground), width, false, 0, [&] {
        MoveToEx(m_context, x1, y1, nullptr);
        LineTo(m_context, x2, y2);
    });
}

void ComponentGraphics::drawEllipse(int x, int y, int w, int h)
{
    if (m_context == nullptr)
        return;
    // Equal start and end points make Arc draw the whole ellipse, without
    // filling it.
    drawWithPen(m_context, colorRefOf(m_foreground), 1, false, 0,
        [&] { Arc(m_context, x, y, x + w, y + h, x, y, x, y); });
}

void ComponentGraphics::drawPolyline(const WQPoint points[], int count)
{
    if (m_context == nullptr || count <= 0)
        return;
    POINT* gdiPoints = toGdiPoints(points, count);
    if (gdiPoints == nullptr)
        return;
    drawWithPen(m_context, colorRefOf(m_foreground), 1, false, 0, [&] {
        MoveToEx(m_context, gdiPoints[0].x, gdiPoints[0].y, nullptr);
        PolylineTo(m_context, gdiPoints, static_cast<DWORD>(count));
    });
    memFree(gdiPoints);
}

int ComponentGraphics::drawBezier(const WQPoint points[], int count)
{
    if (m_context == nullptr)
        return 0;
    POINT* gdiPoints = toGdiPoints(points, count);
    if (gdiPoints == nullptr)
        return 0;
    BOOL result = FALSE;
    drawWithPen(m_context, colorRefOf(m_foreground), 1, false, 0,
        [&] { result = PolyBezier(m_context, gdiPoints, static_cast<DWORD>(count)); });
    memFree(gdiPoints);
    return result ? 1 : 0;
}

void ComponentGraphics::drawText(WQString text, WQRect rect, unsigned int format)
{
    if (m_context == nullptr || m_font == nullptr)
        return;
    RECT area = toRECT(rect.getX(), rect.getY(), rect.getWidth(), rect.getHeight());
    // DT_MODIFYSTRING would write up to four bytes past the end of the
    // copy's exact-size buffer, into a text nobody reads back.
    const UINT flags = format & ~static_cast<UINT>(DT_MODIFYSTRING);
    useWithFont(m_context, m_font, [&] {
        SetTextColor(m_context, colorRefOf(m_foreground));
        DrawTextA(m_context, textOf(text), text.length(), &area, flags);
    });
}

void ComponentGraphics::drawString(WQString text, int x, int y)
{
    if (m_context == nullptr || m_font == nullptr)
        return;
    useWithFont(m_context, m_font, [&] {
        SetTextColor(m_context, colorRefOf(m_foreground));
        TextOutA(m_context, x, y, textOf(text), text.length());
    });
}

void ComponentGraphics::setPixel(int x, int y, WQColor color)
{
    if (m_context == nullptr)
        return;
    SetPixel(m_context, x, y, static_cast<COLORREF>(color.getColorRef()));
}

void ComponentGraphics::fillPie(int x, int y, int w, int h, int startX, int startY, int endX, int endY)
{
    if (m_context == nullptr)
        return;
    drawWithPen(m_context, colorRefOf(m_foreground), 1, true, colorRefOf(m_fill),
        [&] { Pie(m_context, x, y, x + w, y + h, startX, startY, endX, endY); });
}

void ComponentGraphics::fillEllipse(int x, int y, int w, int h)
{
    if (m_context == nullptr)
        return;
    drawWithPen(m_context, colorRefOf(m_foreground), 1, true, colorRefOf(m_fill),
        [&] { Ellipse(m_context, x, y, x + w, y + h); });
}

void ComponentGraphics::fillRect(int x, int y, int w, int h)
{
    if (m_context == nullptr)
        return;
    drawWithPen(m_context, colorRefOf(m_foreground), 1, true, colorRefOf(m_fill),
        [&] { Rectangle(m_context, x, y, x + w, y + h); });
}

void ComponentGraphics::fillPolygon(const WQPoint points[], int count, int alternate)
{
    if (m_context == nullptr || count <= 0)
        return;
    POINT* gdiPoints = toGdiPoints(points, count);
    if (gdiPoints == nullptr)
        return;
    drawWithPen(m_context, colorRefOf(m_foreground), 1, true, colorRefOf(m_fill), [&] {
        SetPolyFillMode(m_context, alternate != 0 ? ALTERNATE : WINDING);
        Polygon(m_context, gdiPoints, count);
    });
    memFree(gdiPoints);
}

WQFont* ComponentGraphics::getFont()
{
    if (m_font != nullptr)
        m_font->addRef();
    return m_font;
}

int ComponentGraphics::setFont(WQFont* font)
{
    if (font == nullptr)
        return 0;
    // Referenced before the old font is let go, so that setting the font
    // already held cannot destroy it.
    font->addRef();
    if (m_font != nullptr)
        m_font->release();
    m_font = font;
    return 1;
}

WQColor* ComponentGraphics::getBackground()
{
    if (m_background != nullptr)
        m_background->addRef();
    return m_background;
}

WQColor* ComponentGraphics::getForeground()
{
    if (m_foreground != nullptr)
        m_foreground->addRef();
    return m_foreground;
}

WQColor* ComponentGraphics::getFillColor()
{
    if (m_fill != nullptr)
        m_fill->addRef();
    return m_fill;
}

void ComponentGraphics::setTransparent(int transparent)
{
    if (m_context == nullptr)
        return;
    SetBkMode(m_context, transparent != 0 ? TRANSPARENT : OPAQUE);
}

void ComponentGraphics::clearRect(WQRect rect)
{
    if (m_context == nullptr || m_window == nullptr)
        return;
    HBRUSH brush = CreateSolidBrush(colorRefOf(m_background));
    if (brush == nullptr)
        return;
    const RECT area = toRECT(rect.getX(), rect.getY(), rect.getWidth(), rect.getHeight());
    FillRect(m_context, &area, brush);
    DeleteObject(brush);
}

void ComponentGraphics::clear()
{
    clearRect(WQRect(0, 0, m_width, m_height));
}

void ComponentGraphics::drawDisabledString(WQString text, int x, int y)
{
    if (m_context == nullptr || m_font == nullptr)
        return;
    // The disabled style brings its own colours; the text colour is left
    // alone.
    useWithFont(m_context, m_font, [&] {
        DrawStateA(m_context, nullptr, nullptr, reinterpret_cast<LPARAM>(textOf(text)), 0, x, y, 0, 0,
            DST_PREFIXTEXT | DSS_DISABLED);
    });
}

void ComponentGraphics::drawFocusRect(int x, int y, int w, int h, int count)
{
    if (m_context == nullptr)
        return;
    for (int i = 0; i < count; ++i) {
        const RECT area = {x + i, y + i, x + w - i, y + h - i};
        DrawFocusRect(m_context, &area);
    }
}

WQSize ComponentGraphics::getTextSize(WQString text)
{
    if (m_window == nullptr || m_font == nullptr || m_context == nullptr)
        return WQSize();
    SIZE extent = {0, 0};
    BOOL measured = FALSE;
    useWithFont(m_context, m_font,
        [&] { measured = GetTextExtentPoint32A(m_context, textOf(text), text.length(), &extent); });
    return measured ? WQSize(extent.cx, extent.cy) : WQSize();
}

int ComponentGraphics::getTextHeight()
{
    if (m_window == nullptr || m_context == nullptr)
        return -1;
    TEXTMETRICA metrics;
    if (!GetTextMetricsA(m_context, &metrics))
        return -1;
    return metrics.tmHeight;
}

void ComponentGraphics::flush(int x, int y, int w, int h)
{
    if (m_window == nullptr || m_context == nullptr)
        return;
    HDC windowContext = GetWindowDC(m_window);
    if (windowContext == nullptr)
        return;
    BitBlt(windowContext, x, y, w, h, m_context, x, y, SRCCOPY);
    ReleaseDC(m_window, windowContext);
}

void ComponentGraphics::resize(HDC reference, int width, int height)
{
    createBuffer(reference, width, height);
}

void ComponentGraphics::setWindow(HWND window)
{
    m_window = window;
}

void ComponentGraphics::setForeground(WQColor color)
{
    if (m_foreground != nullptr)
        m_foreground->setARGB(color.getARGB());
}

void ComponentGraphics::setBackground(WQColor color)
{
    if (m_background != nullptr)
        m_background->setARGB(color.getARGB());
}

void ComponentGraphics::useFont(WQFont* font)
{
    setFont(font);
}

void ComponentGraphics::copyTo(HDC target, WQRect area)
{
    if (m_context == nullptr)
        return;
    BitBlt(target, area.getX(), area.getY(), area.getWidth(), area.getHeight(), m_context, area.getX(),
        area.getY(), SRCCOPY);
}

void ComponentGraphics::freeBitmap()
{
    if (m_bitmap == nullptr)
        return;
    // A bitmap still selected into a context is not deleted by GDI.
    if (m_context != nullptr && m_initialBitmap != nullptr)
        SelectObject(m_context, m_initialBitmap);
    DeleteObject(m_bitmap);
    m_bitmap = nullptr;
    m_initialBitmap = nullptr;
}

void ComponentGraphics::freeContext()
{
    if (m_context == nullptr)
        return;
    DeleteDC(m_context);
    m_context = nullptr;
    m_initialBitmap = nullptr;
}

void ComponentGraphics::createBuffer(HDC reference, int width, int height)
{
    freeBitmap();
    freeContext();
    m_width = width;
    m_height = height;
    m_context = CreateCompatibleDC(reference);
    if (m_context == nullptr)
        return;
    m_bitmap = CreateCompatibleBitmap(reference, width, height);
    if (m_bitmap != nullptr)
        m_initialBitmap = SelectObject(m_context, m_bitmap);
    if (m_initialBitmap == nullptr) {
        freeBitmap();
        freeContext();
    }
}

int ComponentGraphics::copyToImage(WQImage* image, int* width, int* height)
{
    if (image == nullptr)
        return 0;
    if (width != nullptr)
        *width = 0;
    if (height != nullptr)
        *height = 0;
    if (m_context == nullptr || m_bitmap == nullptr)
        return 1;
    DibInfo info;
    std::memset(&info, 0, sizeof info);
    info.header.biSize = sizeof(BITMAPINFOHEADER);
    if (!GetDIBits(m_context, m_bitmap, 0, 0, nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS))
        return 0;
    const int bufferWidth = info.header.biWidth;
    const int bufferHeight = info.header.biHeight;
    if (bufferWidth < 0 || bufferHeight < 0)
        return 0;
    if (width != nullptr)
        *width = bufferWidth;
    if (height != nullptr)
        *height = bufferHeight;
    // Three bytes are taken from each pixel: buffers of fewer bits are read
    // as 24-bit pixels, converted by GDI.
    int64_t requested = info.header.biSizeImage;
    if (info.header.biBitCount < 24) {
        info.header.biBitCount = 24;
        requested = 0;
    }
    const int bytesPerPixel = info.header.biBitCount / 8;
    const int64_t stride = (static_cast<int64_t>(bufferWidth) * bytesPerPixel + 3) / 4 * 4;
    // A header may report no size for uncompressed bits; GetDIBits writes
    // whole padded rows all the same.
    int64_t size = stride * bufferHeight;
    if (requested > size)
        size = requested;
    if (size > static_cast<int64_t>(std::numeric_limits<std::size_t>::max() / 2))
        return 0;
    unsigned char* bits = static_cast<unsigned char*>(memAlloc(static_cast<std::size_t>(size)));
    if (bits == nullptr)
        return 0;
    info.header.biCompression = BI_RGB;
    const int lines = GetDIBits(m_context, m_bitmap, 0, static_cast<UINT>(bufferHeight), bits,
        reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
    if (lines != bufferHeight) {
        memFree(bits);
        return 0;
    }
    const int64_t rowBytes = static_cast<int64_t>(bufferWidth) * 3;
    if (rowBytes * bufferHeight <= std::numeric_limits<int>::max()
        && image->allocate(static_cast<int>(rowBytes * bufferHeight))) {
        for (int y = 0; y < bufferHeight && rowBytes > 0; ++y) {
            const int offset = static_cast<int>(rowBytes * y);
            unsigned char* to = image->getPixels(offset);
            if (to == nullptr || image->getPixels(offset + static_cast<int>(rowBytes) - 1) == nullptr)
                break;
            // The DIB is bottom-up.
            const unsigned char* from = bits + stride * (bufferHeight - 1 - y);
            for (int x = 0; x < bufferWidth; ++x, to += 3, from += bytesPerPixel) {
                to[0] = from[0];
                to[1] = from[1];
                to[2] = from[2];
            }
        }
    }
    memFree(bits);
    return 1;
}

} // namespace WQSDK
