#include <windows.h>

#include <algorithm>
#include <vector>

#include <gtest/gtest.h>

#include "Canvas.h"
#include "graphics/ComponentGraphics.h"
#include "graphics/WQFont.h"
#include "graphics/WQHandles.h"

using namespace WQSDK;

namespace {

// "完成" in code page 936, and the same two characters as UTF-16.
const char FINISH_GBK[] = "\xCD\xEA\xB3\xC9";
const wchar_t FINISH_WIDE[] = L"\x5B8C\x6210";

// Draws `text` black on white at (x, y) with the GDI font of `font` through
// the Unicode call, into a 32-bit picture of width x height.
std::vector<COLORREF> renderWide(const WQFont* font, const wchar_t* text, int width, int height, int x, int y)
{
    BITMAPINFO info = topDown32(width, height);
    void* bits = nullptr;
    HDC context = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(context, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ initialBitmap = SelectObject(context, bitmap);
    PatBlt(context, 0, 0, width, height, WHITENESS);
    HFONT gdiFont = createGdiFont(font);
    HGDIOBJ initialFont = SelectObject(context, gdiFont);
    SetTextColor(context, BLACK);
    TextOutW(context, x, y, text, static_cast<int>(wcslen(text)));
    GdiFlush();
    std::vector<COLORREF> pixels;
    const uint32_t* words = static_cast<const uint32_t*>(bits);
    for (int i = 0; i < width * height; ++i)
        pixels.push_back(RGB((words[i] >> 16) & 0xFF, (words[i] >> 8) & 0xFF, words[i] & 0xFF));
    SelectObject(context, initialFont);
    SelectObject(context, initialBitmap);
    DeleteObject(gdiFont);
    DeleteObject(bitmap);
    DeleteDC(context);
    return pixels;
}

long countIn(const std::vector<COLORREF>& pixels, int width, const RECT& area, bool (*match)(COLORREF))
{
    long count = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x)
            count += match(pixels[static_cast<size_t>(y * width + x)]) ? 1 : 0;
    }
    return count;
}

} // namespace

TEST(GraphicsText, CodePage936TextRendersAsItsChineseGlyphs)
{
    ASSERT_EQ(GetACP(), 936u);
    Canvas canvas(80, 24);
    canvas.fill(WHITE);
    setForeground(canvas.g(), BLACK);
    WQFont* font = createFont(WQString("Arial"), 12);
    ASSERT_NE(font, nullptr);
    canvas.g().setFont(font);
    canvas.g().drawString(WQString(FINISH_GBK), 2, 2);
    const std::vector<COLORREF> drawn = canvas.pixels();

    EXPECT_GT(std::count_if(drawn.begin(), drawn.end(), [](COLORREF c) { return c != WHITE; }), 20);
    // The same glyphs as the two characters drawn through the Unicode call,
    // and neither the Latin reading of the four bytes nor missing-glyph
    // boxes (two private-use characters).
    EXPECT_EQ(drawn, renderWide(font, FINISH_WIDE, 80, 24, 2, 2));
    EXPECT_NE(drawn, renderWide(font, L"\x00CD\x00EA\x00B3\x00C9", 80, 24, 2, 2));
    EXPECT_NE(drawn, renderWide(font, L"\xE000\xE001", 80, 24, 2, 2));
    // Measured as the same two characters.
    HDC measuring = CreateCompatibleDC(nullptr);
    HFONT gdiFont = createGdiFont(font);
    HGDIOBJ initialFont = SelectObject(measuring, gdiFont);
    SIZE wide = {};
    GetTextExtentPoint32W(measuring, FINISH_WIDE, 2, &wide);
    SelectObject(measuring, initialFont);
    DeleteObject(gdiFont);
    DeleteDC(measuring);
    const WQSize size = canvas.g().getTextSize(WQString(FINISH_GBK));
    EXPECT_EQ(size.getWidth(), wide.cx);
    EXPECT_EQ(size.getHeight(), wide.cy);
    font->release();
}

TEST(GraphicsText, TransparentTextKeepsTheCellOpaqueTextPaintsIt)
{
    const struct {
        int transparent;
        bool groundKept;
    } cases[] = {{1, true}, {0, false}, {5, true}};
    for (const auto& c : cases) {
        Canvas canvas(80, 24);
        canvas.fill(GREEN);
        setForeground(canvas.g(), RED);
        canvas.g().setTransparent(c.transparent);
        // The mode holds for every later text call, not only the next.
        canvas.g().drawString(WQString("Hx"), 40, 2);
        canvas.g().drawString(WQString("Hx"), 2, 2);
        const WQSize size = canvas.g().getTextSize(WQString("Hx"));
        ASSERT_GT(size.getWidth(), 0);
        const RECT cell = {2, 2, 2 + size.getWidth(), 2 + size.getHeight()};
        const RECT second = {40, 2, 40 + size.getWidth(), 2 + size.getHeight()};
        const std::vector<COLORREF> pixels = canvas.pixels();
        for (const RECT& area : {cell, second}) {
            const long ground = countIn(pixels, 80, area, [](COLORREF p) { return p == GREEN; });
            const long background = countIn(pixels, 80, area, [](COLORREF p) { return p == WHITE; });
            const long ink = countIn(pixels, 80, area, [](COLORREF p) { return p == RED; });
            EXPECT_GT(ink, 0) << "transparent " << c.transparent;
            if (c.groundKept) {
                EXPECT_GT(ground, 0) << "transparent " << c.transparent;
                EXPECT_EQ(background, 0) << "transparent " << c.transparent;
            } else {
                EXPECT_EQ(ground, 0) << "transparent " << c.transparent;
                EXPECT_GT(background, 0) << "transparent " << c.transparent;
            }
        }
        // Outside the cells the ground is untouched.
        const RECT right = {2 + size.getWidth(), 0, 40, 24};
        EXPECT_EQ(countIn(pixels, 80, right, [](COLORREF p) { return p != GREEN; }), 0);
    }
}

TEST(GraphicsText, DrawTextTakesTheFormatFlagsAndTheForeground)
{
    const struct {
        unsigned int format;
        bool leftHalf;
    } cases[] = {
        {DT_LEFT | DT_SINGLELINE, true},
        {DT_RIGHT | DT_SINGLELINE, false},
        // Asks DrawTextA to write the shortened text back into the copy.
        {DT_LEFT | DT_SINGLELINE | DT_END_ELLIPSIS | DT_MODIFYSTRING, true},
    };
    for (const auto& c : cases) {
        Canvas canvas(80, 20);
        canvas.fill(WHITE);
        setForeground(canvas.g(), BLUE);
        canvas.g().drawText(WQString("Il"), WQRect(0, 0, 80, 20), c.format);
        const std::vector<COLORREF> pixels = canvas.pixels();
        long left = 0;
        long right = 0;
        for (int y = 0; y < 20; ++y) {
            for (int x = 0; x < 80; ++x) {
                const COLORREF p = pixels[static_cast<size_t>(y * 80 + x)];
                if (p == WHITE)
                    continue;
                // Blue on white, blended or not.
                EXPECT_EQ(GetRValue(p), GetGValue(p)) << "format " << c.format;
                EXPECT_EQ(GetBValue(p), 255) << "format " << c.format;
                (x < 40 ? left : right) += 1;
            }
        }
        EXPECT_GT(c.leftHalf ? left : right, 0) << "format " << c.format;
        EXPECT_EQ(c.leftHalf ? right : left, 0) << "format " << c.format;
    }

    // Cut with an ellipsis into a narrow rectangle.
    Canvas canvas(80, 20);
    canvas.fill(WHITE);
    canvas.g().drawText(WQString("a long line of text"), WQRect(0, 0, 30, 20),
        DT_SINGLELINE | DT_END_ELLIPSIS | DT_MODIFYSTRING);
    const std::vector<COLORREF> pixels = canvas.pixels();
    const RECT beyond = {30, 0, 80, 20};
    const RECT inside = {0, 0, 30, 20};
    EXPECT_EQ(countIn(pixels, 80, beyond, [](COLORREF p) { return p != WHITE; }), 0);
    EXPECT_GT(countIn(pixels, 80, inside, [](COLORREF p) { return p != WHITE; }), 0);
}

TEST(GraphicsText, DisabledTextIsEmbossedInSystemColoursWithPrefixes)
{
    const COLORREF ground = RGB(0, 128, 0);
    const COLORREF shadow = GetSysColor(COLOR_3DSHADOW);
    const COLORREF light = GetSysColor(COLOR_3DHILIGHT);
    auto render = [&](const char* text) {
        Canvas canvas(60, 24);
        canvas.fill(ground);
        setForeground(canvas.g(), RED);
        canvas.g().drawDisabledString(WQString(text), 2, 2);
        return canvas.pixels();
    };
    const std::vector<COLORREF> prefixed = render("&Ab");
    const std::vector<COLORREF> plain = render("Ab");
    EXPECT_GT(std::count(prefixed.begin(), prefixed.end(), shadow), 0);
    EXPECT_GT(std::count(prefixed.begin(), prefixed.end(), light), 0);
    EXPECT_EQ(std::count(prefixed.begin(), prefixed.end(), RED), 0);
    for (COLORREF p : prefixed)
        EXPECT_TRUE(p == ground || p == shadow || p == light) << std::hex << p;
    // The ampersand is not drawn: it underlines the A instead.
    auto rightmostInk = [&](const std::vector<COLORREF>& pixels) {
        int rightmost = -1;
        for (int y = 0; y < 24; ++y) {
            for (int x = 0; x < 60; ++x) {
                if (pixels[static_cast<size_t>(y * 60 + x)] != ground)
                    rightmost = std::max(rightmost, x);
            }
        }
        return rightmost;
    };
    EXPECT_EQ(rightmostInk(prefixed), rightmostInk(plain));
    EXPECT_NE(prefixed, plain);
}
