#ifndef WQ_TESTS_GRAPHICS_CANVAS_H
#define WQ_TESTS_GRAPHICS_CANVAS_H

#include <windows.h>

#include <cstdint>
#include <vector>

#include <gtest/gtest.h>

#include "graphics/ComponentGraphics.h"
#include "graphics/WQColor.h"

// Colours the pixel tests compare with.
const COLORREF WHITE = RGB(255, 255, 255);
const COLORREF BLACK = RGB(0, 0, 0);
const COLORREF RED = RGB(255, 0, 0);
const COLORREF GREEN = RGB(0, 255, 0);
const COLORREF BLUE = RGB(0, 0, 255);
const COLORREF MAGENTA = RGB(255, 0, 255);

// Header of a 32-bit top-down DIB section of width x height.
inline BITMAPINFO topDown32(int width, int height)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

// A shown pop-up window of width x height with a ComponentGraphics set up
// the way the window host does it (window, buffer from the window's
// context). Pixels are read back by copying the buffer into a 32-bit DIB
// section.
class Canvas {
public:
    Canvas(int width, int height, bool withWindow = true)
        : m_width(width)
        , m_height(height)
        , m_window(nullptr)
        , m_graphics(new WQSDK::ComponentGraphics())
        , m_readContext(CreateCompatibleDC(nullptr))
        , m_readBitmap(nullptr)
        , m_readBits(nullptr)
    {
        m_graphics->addRef();
        m_window = CreateWindowExA(0, windowClass(), "canvas", WS_POPUP | WS_VISIBLE, 0, 0, width, height,
            nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        EXPECT_NE(m_window, nullptr);
        HDC windowContext = GetWindowDC(m_window);
        if (withWindow)
            m_graphics->setWindow(m_window);
        m_graphics->resize(windowContext, width, height);
        ReleaseDC(m_window, windowContext);

        BITMAPINFO info = topDown32(width, height);
        m_readBitmap = CreateDIBSection(m_readContext, &info, DIB_RGB_COLORS, &m_readBits, nullptr, 0);
        m_readInitial = SelectObject(m_readContext, m_readBitmap);
    }
    ~Canvas()
    {
        SelectObject(m_readContext, m_readInitial);
        DeleteObject(m_readBitmap);
        DeleteDC(m_readContext);
        m_graphics->release();
        DestroyWindow(m_window);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    WQSDK::ComponentGraphics& g() { return *m_graphics; }
    HWND window() const { return m_window; }
    int width() const { return m_width; }
    int height() const { return m_height; }

    // Fills the whole buffer with `color` (as the background colour).
    void fill(COLORREF color)
    {
        WQSDK::WQColor background;
        background.setColorRef(color);
        m_graphics->setBackground(background);
        m_graphics->clear();
    }

    // The buffer's pixels as COLORREFs, row after row.
    std::vector<COLORREF> pixels()
    {
        m_graphics->copyTo(m_readContext, WQSDK::WQRect(0, 0, m_width, m_height));
        GdiFlush();
        std::vector<COLORREF> result;
        const uint32_t* bits = static_cast<const uint32_t*>(m_readBits);
        for (int i = 0; i < m_width * m_height; ++i) {
            const uint32_t bgr = bits[i];
            result.push_back(RGB((bgr >> 16) & 0xFF, (bgr >> 8) & 0xFF, bgr & 0xFF));
        }
        return result;
    }

    COLORREF at(int x, int y) { return pixels()[static_cast<size_t>(y * m_width + x)]; }

private:
    static const char* windowClass()
    {
        static const char name[] = "WQGraphicsCanvas";
        static bool registered = false;
        if (!registered) {
            WNDCLASSA wc = {};
            wc.lpfnWndProc = DefWindowProcA;
            wc.hInstance = GetModuleHandleA(nullptr);
            wc.lpszClassName = name;
            RegisterClassA(&wc);
            registered = true;
        }
        return name;
    }

    int m_width;
    int m_height;
    HWND m_window;
    WQSDK::ComponentGraphics* m_graphics;
    HDC m_readContext;
    HBITMAP m_readBitmap;
    HGDIOBJ m_readInitial = nullptr;
    void* m_readBits;
};

inline WQSDK::WQColor colorOf(COLORREF value)
{
    WQSDK::WQColor color;
    color.setColorRef(value);
    return color;
}

// Sets the foreground (pen and text) or fill colour in place.
inline void setForeground(WQSDK::ComponentGraphics& g, COLORREF value)
{
    g.setForeground(colorOf(value));
}

inline void setFill(WQSDK::ComponentGraphics& g, COLORREF value)
{
    WQSDK::WQColor* fill = g.getFillColor();
    fill->setColorRef(value);
    fill->release();
}

#endif
