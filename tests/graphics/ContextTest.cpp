#include <windows.h>

#include <algorithm>
#include <vector>

#include <gtest/gtest.h>

#include "Canvas.h"
#include "GdiObjects.h"
#include "Primitives.h"
#include "graphics/ComponentGraphics.h"
#include "graphics/WQFont.h"
#include "graphics/WQImage.h"

using namespace WQSDK;

namespace {

struct Expected {
    int x, y;
    COLORREF color;
};

void expectPixels(Canvas& canvas, const std::vector<Expected>& expected, const char* what)
{
    const std::vector<COLORREF> pixels = canvas.pixels();
    for (const Expected& e : expected) {
        EXPECT_EQ(pixels[static_cast<size_t>(e.y * canvas.width() + e.x)], e.color)
            << what << " at (" << e.x << ", " << e.y << ")";
    }
}

long countOf(const std::vector<COLORREF>& pixels, COLORREF color)
{
    return static_cast<long>(std::count(pixels.begin(), pixels.end(), color));
}

} // namespace

TEST(GraphicsContext, WithoutABufferNothingIsDrawnAndQueriesAnswerEmpty)
{
    ComponentGraphics g;
    const WQPoint points[] = {WQPoint(0, 0), WQPoint(5, 0), WQPoint(5, 5), WQPoint(0, 5)};
    WQImage image;
    ASSERT_TRUE(image.create(2, 2, IMAGE_BGR24));
    const long before = gdiObjectCount();
    for (const Primitive& primitive : everyPrimitive())
        primitive.call(g);
    EXPECT_EQ(g.drawArc(0, 0, 10, 10, 10, 5, 5, 0), 0);
    EXPECT_EQ(g.drawBezier(points, 4), 0);
    EXPECT_EQ(g.getTextSize(WQString("abc")).getWidth(), 0);
    EXPECT_EQ(g.getTextSize(WQString("abc")).getHeight(), 0);
    EXPECT_EQ(g.getTextHeight(), -1);
    // Nothing can be drawn, so nothing is reported as drawn.
    EXPECT_EQ(g.drawImage(&image, 0, 0), 0);
    EXPECT_EQ(g.drawImageTransparent(&image, 0, 0, 2, 2, 0, 0, 2, 2, WQColor()), 0);
    int width = -1;
    int height = -1;
    EXPECT_EQ(g.copyToImage(&image, &width, &height), 1);
    EXPECT_EQ(width, 0);
    EXPECT_EQ(height, 0);
    EXPECT_EQ(gdiObjectCount(), before);
}

TEST(GraphicsContext, AFailedResizeLeavesNoBufferUntilTheNextOneSucceeds)
{
    Canvas canvas(20, 10);
    HDC windowContext = GetWindowDC(canvas.window());
    // 40 GB of pixels: no system makes that bitmap.
    canvas.g().resize(windowContext, 100000, 100000);
    EXPECT_EQ(canvas.g().drawArc(0, 0, 10, 10, 10, 5, 5, 0), 0);
    EXPECT_EQ(canvas.g().getTextHeight(), -1);
    int width = -1;
    int height = -1;
    WQImage image;
    EXPECT_EQ(canvas.g().copyToImage(&image, &width, &height), 1);
    EXPECT_EQ(width, 0);

    canvas.g().resize(windowContext, 20, 10);
    ReleaseDC(canvas.window(), windowContext);
    EXPECT_EQ(canvas.g().drawArc(0, 0, 10, 10, 10, 5, 5, 0), 1);
    EXPECT_GT(canvas.g().getTextHeight(), 0);
    canvas.fill(BLUE);
    EXPECT_EQ(canvas.at(19, 9), BLUE);
}

TEST(GraphicsContext, DrawRectOutlinesWidthPlusOneByHeightPlusOnePixels)
{
    Canvas canvas(16, 10);
    canvas.fill(WHITE);
    setForeground(canvas.g(), BLACK);
    canvas.g().drawRect(0, 0, 10, 5);
    const std::vector<COLORREF> pixels = canvas.pixels();
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
            const bool inside = x <= 10 && y <= 5;
            const bool onEdge = inside && (x == 0 || x == 10 || y == 0 || y == 5);
            EXPECT_EQ(pixels[static_cast<size_t>(y * canvas.width() + x)], onEdge ? BLACK : WHITE)
                << "(" << x << ", " << y << ")";
        }
    }
}

TEST(GraphicsContext, LineWidthSetsThePenAndTheEndPointIsLeftOut)
{
    const struct {
        int width;
        int firstRow, lastRow; // drawn rows of column 20; firstRow > lastRow: none
    } cases[] = {
        {0, 1, 0},
        {-2, 1, 0},
        {1, 10, 10},
        {3, 9, 11},
    };
    for (const auto& c : cases) {
        Canvas canvas(40, 20);
        canvas.fill(WHITE);
        setForeground(canvas.g(), BLACK);
        canvas.g().drawLine(10, 10, 30, 10, c.width);
        const std::vector<COLORREF> pixels = canvas.pixels();
        for (int y = 0; y < canvas.height(); ++y) {
            const bool drawn = y >= c.firstRow && y <= c.lastRow;
            EXPECT_EQ(pixels[static_cast<size_t>(y * 40 + 20)], drawn ? BLACK : WHITE)
                << "width " << c.width << " row " << y;
        }
        if (c.width <= 0) {
            EXPECT_EQ(countOf(pixels, WHITE), 40 * 20) << "width " << c.width;
        }
        if (c.width == 1) {
            EXPECT_EQ(pixels[10 * 40 + 10], BLACK);
            EXPECT_EQ(pixels[10 * 40 + 29], BLACK);
            EXPECT_EQ(pixels[10 * 40 + 30], WHITE);
        }
    }
}

TEST(GraphicsContext, ForegroundChangedInPlaceColoursTheNextLine)
{
    Canvas canvas(10, 5);
    canvas.fill(WHITE);
    setForeground(canvas.g(), BLACK);
    WQColor* foreground = canvas.g().getForeground();
    foreground->setRed(255);
    foreground->release();
    canvas.g().drawLine(0, 2, 10, 2, 1);
    canvas.g().setPixel(3, 4, WQColor(1, 2, 3));
    expectPixels(canvas, {{0, 2, RED}, {9, 2, RED}, {3, 4, RGB(1, 2, 3)}, {4, 4, WHITE}}, "line");
}

TEST(GraphicsContext, FocusRectanglesAreNestedAndVanishWhenDrawnAgain)
{
    Canvas canvas(24, 14);
    canvas.fill(WHITE);
    const std::vector<COLORREF> blank = canvas.pixels();
    canvas.g().drawFocusRect(0, 0, 20, 10, 2);
    const std::vector<COLORREF> once = canvas.pixels();
    long outer = 0;
    long inner = 0;
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
            if (once[static_cast<size_t>(y * 24 + x)] == WHITE)
                continue;
            const bool onOuter = x < 20 && y < 10 && (x == 0 || y == 0 || x == 19 || y == 9);
            const bool onInner = x >= 1 && x < 19 && y >= 1 && y < 9 && (x == 1 || y == 1 || x == 18 || y == 8);
            EXPECT_TRUE(onOuter || onInner) << "changed pixel (" << x << ", " << y << ")";
            outer += onOuter;
            inner += onInner;
        }
    }
    EXPECT_GT(outer, 0);
    EXPECT_GT(inner, 0);
    canvas.g().drawFocusRect(0, 0, 20, 10, 2);
    EXPECT_EQ(canvas.pixels(), blank);
    canvas.g().drawFocusRect(0, 0, 20, 10, 0);
    EXPECT_EQ(canvas.pixels(), blank);
}

TEST(GraphicsContext, PolygonFillRuleDecidesTheCentreOfAStar)
{
    const WQPoint star[] = {WQPoint(20, 2), WQPoint(31, 35), WQPoint(3, 14), WQPoint(37, 14), WQPoint(9, 35)};
    const struct {
        int alternate;
        COLORREF centre;
    } cases[] = {
        {0, RED},
        {1, WHITE},
        {7, WHITE},
    };
    for (const auto& c : cases) {
        Canvas canvas(40, 40);
        canvas.fill(WHITE);
        setForeground(canvas.g(), BLACK);
        setFill(canvas.g(), RED);
        canvas.g().fillPolygon(star, 5, c.alternate);
        expectPixels(canvas, {{20, 20, c.centre}, {20, 8, RED}, {20, 2, BLACK}, {1, 1, WHITE}}, "star");
        // The fill mode was set for this call only.
        canvas.fill(WHITE);
        canvas.g().fillPolygon(star, 5, 1);
        EXPECT_EQ(canvas.at(20, 20), WHITE);
    }
    Canvas canvas(40, 40);
    canvas.fill(WHITE);
    canvas.g().fillPolygon(star, 0, 0);
    canvas.g().drawPolyline(star, -1);
    EXPECT_EQ(countOf(canvas.pixels(), WHITE), 40 * 40);
}

TEST(GraphicsContext, ShapesUseThePenForOutlinesAndTheFillColourInside)
{
    const struct {
        const char* name;
        void (*draw)(ComponentGraphics&);
        std::vector<Expected> pixels;
    } cases[] = {
        {"fillRect", [](ComponentGraphics& g) { g.fillRect(5, 5, 10, 8); },
            {{5, 5, BLACK}, {14, 12, BLACK}, {15, 12, WHITE}, {14, 13, WHITE}, {10, 9, RED}}},
        {"fillEllipse", [](ComponentGraphics& g) { g.fillEllipse(5, 5, 21, 17); },
            {{15, 13, RED}, {5, 5, WHITE}, {5, 13, BLACK}, {15, 5, BLACK}}},
        {"drawEllipse", [](ComponentGraphics& g) { g.drawEllipse(5, 5, 21, 17); },
            {{15, 13, WHITE}, {5, 5, WHITE}, {5, 13, BLACK}, {15, 5, BLACK}}},
        {"drawRoundRect", [](ComponentGraphics& g) { g.drawRoundRect(5, 5, 21, 17, 8, 8); },
            {{15, 13, RED}, {5, 5, WHITE}, {15, 5, BLACK}, {5, 13, BLACK}}},
        // The pie runs counter-clockwise from the right (25, 15) to the top
        // (15, 5): the upper right quarter.
        {"fillPie", [](ComponentGraphics& g) { g.fillPie(5, 5, 21, 21, 26, 15, 15, 4); },
            {{19, 11, RED}, {11, 19, WHITE}, {11, 11, WHITE}, {15, 15, BLACK}}},
    };
    for (const auto& c : cases) {
        Canvas canvas(30, 30);
        canvas.fill(WHITE);
        setForeground(canvas.g(), BLACK);
        setFill(canvas.g(), RED);
        c.draw(canvas.g());
        expectPixels(canvas, c.pixels, c.name);
    }
}

TEST(GraphicsContext, ArcsAndCurvesDrawOutlinesOnly)
{
    Canvas canvas(30, 30);
    canvas.fill(WHITE);
    setForeground(canvas.g(), BLACK);
    setFill(canvas.g(), RED);
    EXPECT_EQ(canvas.g().drawArc(5, 5, 21, 21, 26, 15, 15, 4), 1);
    std::vector<COLORREF> pixels = canvas.pixels();
    EXPECT_EQ(countOf(pixels, RED), 0);
    long upperRight = 0;
    long elsewhere = 0;
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 30; ++x) {
            if (pixels[static_cast<size_t>(y * 30 + x)] == BLACK)
                (x >= 15 && y <= 15 ? upperRight : elsewhere) += 1;
        }
    }
    EXPECT_GT(upperRight, 10);
    EXPECT_EQ(elsewhere, 0);

    canvas.fill(WHITE);
    const WQPoint path[] = {WQPoint(2, 2), WQPoint(10, 2), WQPoint(10, 8)};
    canvas.g().drawPolyline(path, 3);
    expectPixels(canvas, {{2, 2, BLACK}, {9, 2, BLACK}, {10, 2, BLACK}, {10, 7, BLACK}, {10, 8, WHITE}, {5, 5, WHITE}},
        "polyline");

    canvas.fill(WHITE);
    const WQPoint curve[] = {WQPoint(2, 20), WQPoint(8, 2), WQPoint(20, 2), WQPoint(26, 20)};
    EXPECT_EQ(canvas.g().drawBezier(curve, 4), 1);
    pixels = canvas.pixels();
    EXPECT_EQ(pixels[20 * 30 + 2], BLACK);
    EXPECT_GT(30 * 30 - countOf(pixels, WHITE), 20);
    // A Bezier needs 3n + 1 points.
    EXPECT_EQ(canvas.g().drawBezier(curve, 3), 0);
    EXPECT_EQ(canvas.g().drawBezier(curve, 0), 0);
}

TEST(GraphicsContext, FramesDrawTheirColoursAtCornersAndEdges)
{
    const COLORREF ground = RGB(10, 20, 30);
    const COLORREF sunkenOuter = RGB(172, 168, 153);
    const COLORREF sunkenInner = RGB(113, 111, 100);
    const COLORREF sunkenLight = RGB(241, 239, 226);
    const COLORREF raisedGrey = RGB(123, 123, 123);
    const COLORREF etchedGrey = RGB(127, 127, 127);
    // All frames at (2, 2), 10 x 8: right edge 12, bottom edge 10.
    const struct {
        int style;
        std::vector<Expected> pixels;
    } cases[] = {
        {FRAME_SUNKEN,
            {{2, 2, sunkenOuter}, {11, 2, sunkenOuter}, {2, 9, sunkenOuter}, {12, 2, WHITE}, {12, 9, WHITE},
                {12, 10, WHITE}, {3, 10, WHITE}, {2, 10, ground}, {3, 3, sunkenInner}, {10, 3, sunkenInner},
                {3, 8, sunkenInner}, {11, 3, sunkenLight}, {11, 9, sunkenLight}, {3, 9, sunkenLight},
                {6, 6, ground}, {13, 5, ground}, {1, 1, ground}}},
        {FRAME_RAISED,
            {{2, 2, WHITE}, {11, 2, WHITE}, {2, 9, WHITE}, {12, 2, ground}, {12, 3, BLACK}, {12, 10, BLACK},
                {3, 10, BLACK}, {2, 10, ground}, {11, 3, raisedGrey}, {11, 9, raisedGrey}, {3, 9, raisedGrey},
                {6, 6, ground}, {13, 5, ground}}},
        {FRAME_ETCHED,
            {{2, 2, etchedGrey}, {11, 2, etchedGrey}, {11, 9, etchedGrey}, {2, 9, etchedGrey}, {3, 3, WHITE},
                {9, 3, WHITE}, {10, 3, ground}, {3, 8, WHITE}, {12, 2, WHITE}, {12, 10, WHITE}, {3, 10, WHITE},
                {2, 10, ground}, {6, 6, ground}, {10, 8, ground}}},
        {3, {{2, 2, ground}, {12, 10, ground}, {11, 9, ground}}},
        {0, {{2, 2, ground}, {12, 10, ground}, {11, 9, ground}}},
    };
    for (const auto& c : cases) {
        Canvas canvas(16, 14);
        canvas.fill(ground);
        WQColor* foreground = canvas.g().getForeground();
        foreground->setARGB(0x00445566);
        canvas.g().drawFrame(2, 2, 10, 8, c.style);
        expectPixels(canvas, c.pixels, ("style " + std::to_string(c.style)).c_str());
        EXPECT_EQ(foreground->getARGB(), 0x00445566u);
        foreground->release();
    }
}

TEST(GraphicsContext, FramesGiveTheForegroundBackItsValueAlphaIncluded)
{
    Canvas canvas(16, 14);
    WQColor* foreground = canvas.g().getForeground();
    foreground->setARGB(0x7F112233);
    for (int style : {FRAME_SUNKEN, FRAME_RAISED, FRAME_ETCHED}) {
        canvas.g().drawFrame(2, 2, 10, 8, style);
        EXPECT_EQ(foreground->getARGB(), 0x7F112233u) << "style " << style;
    }
    foreground->release();

    // A frame style through drawFrame is the frame operation itself.
    Canvas direct(16, 14);
    Canvas styled(16, 14);
    direct.fill(WHITE);
    styled.fill(WHITE);
    direct.g().drawRaisedFrame(2, 2, 10, 8);
    styled.g().drawFrame(2, 2, 10, 8, FRAME_RAISED);
    EXPECT_EQ(direct.pixels(), styled.pixels());
}

TEST(GraphicsContext, ClearingUsesTheBackgroundAndNeedsAWindow)
{
    Canvas canvas(12, 12);
    canvas.fill(WHITE);
    canvas.g().setBackground(colorOf(BLUE));
    canvas.g().clearRect(WQRect(2, 3, 4, 5));
    expectPixels(canvas, {{2, 3, BLUE}, {5, 7, BLUE}, {6, 3, WHITE}, {2, 8, WHITE}, {1, 3, WHITE}}, "clearRect");

    Canvas windowless(12, 12, false);
    setForeground(windowless.g(), RED);
    setFill(windowless.g(), RED);
    windowless.g().fillRect(0, 0, 12, 12);
    windowless.g().setBackground(colorOf(BLUE));
    windowless.g().clear();
    windowless.g().clearRect(WQRect(0, 0, 5, 5));
    EXPECT_EQ(countOf(windowless.pixels(), RED), 12 * 12);
}

TEST(GraphicsContext, ResizeDiscardsThePixelsAndFreesTheOldBitmap)
{
    Canvas canvas(20, 10);
    canvas.fill(WHITE);
    HDC windowContext = GetWindowDC(canvas.window());
    canvas.g().resize(windowContext, 20, 10);
    EXPECT_LT(countOf(canvas.pixels(), WHITE), 20 * 10);

    const long before = gdiObjectCount();
    for (int i = 0; i < 2000; ++i)
        canvas.g().resize(windowContext, 10 + i % 30, 10 + i % 7);
    canvas.g().resize(windowContext, 20, 10);
    EXPECT_EQ(gdiObjectCount(), before);
    ReleaseDC(canvas.window(), windowContext);

    // The bitmap goes at once, although it was selected into the context
    // that still exists, and then the context.
    canvas.g().freeBitmap();
    EXPECT_EQ(gdiObjectCount(), before - 1);
    canvas.g().freeContext();
    EXPECT_EQ(gdiObjectCount(), before - 2);
    canvas.g().fillRect(0, 0, 5, 5);
    canvas.g().freeBitmap();
    canvas.g().freeContext();
    EXPECT_EQ(gdiObjectCount(), before - 2);
}

TEST(GraphicsContext, FlushAndCopyToCopyTheirAreaOnly)
{
    Canvas canvas(12, 12);
    canvas.fill(BLACK);
    canvas.g().flush(0, 0, 12, 12);
    canvas.fill(WHITE);
    canvas.g().flush(2, 2, 3, 3);
    HDC windowContext = GetWindowDC(canvas.window());
    EXPECT_EQ(GetPixel(windowContext, 2, 2), WHITE);
    EXPECT_EQ(GetPixel(windowContext, 4, 4), WHITE);
    EXPECT_EQ(GetPixel(windowContext, 5, 5), BLACK);
    EXPECT_EQ(GetPixel(windowContext, 1, 2), BLACK);

    // copyTo copies into any context at the same position.
    HDC target = CreateCompatibleDC(windowContext);
    HBITMAP bitmap = CreateCompatibleBitmap(windowContext, 12, 12);
    HGDIOBJ initial = SelectObject(target, bitmap);
    PatBlt(target, 0, 0, 12, 12, BLACKNESS);
    canvas.g().copyTo(target, WQRect(3, 4, 2, 1));
    EXPECT_EQ(GetPixel(target, 3, 4), WHITE);
    EXPECT_EQ(GetPixel(target, 4, 4), WHITE);
    EXPECT_EQ(GetPixel(target, 5, 4), BLACK);
    EXPECT_EQ(GetPixel(target, 3, 5), BLACK);
    SelectObject(target, initial);
    DeleteObject(bitmap);
    DeleteDC(target);
    ReleaseDC(canvas.window(), windowContext);
}

TEST(GraphicsContext, FontsAreHeldByReference)
{
    Canvas canvas(10, 10);
    WQFont* first = createFont(WQString("Arial"), 12);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(canvas.g().setFont(first), 1);
    EXPECT_EQ(first->release(), 1u); // the context holds the other reference

    EXPECT_EQ(canvas.g().setFont(nullptr), 0);
    canvas.g().useFont(nullptr);
    WQFont* held = canvas.g().getFont();
    EXPECT_EQ(held, first);
    EXPECT_EQ(held->release(), 1u);

    // Setting the font the context already holds alone keeps it alive.
    EXPECT_EQ(canvas.g().setFont(first), 1);
    held = canvas.g().getFont();
    EXPECT_EQ(held, first);
    EXPECT_STREQ(held->getFace().c_str(), "Arial");
    held->release();

    WQFont* second = createFont(WQString("Arial"), 20);
    canvas.g().useFont(second);
    EXPECT_EQ(second->release(), 1u);
    held = canvas.g().getFont();
    EXPECT_EQ(held, second);
    held->release();
}

TEST(GraphicsContext, TextHeightMeasuresTheContextsOwnFontAndTextSizeTheGraphicsFont)
{
    Canvas canvas(10, 10);
    const int ownHeight = canvas.g().getTextHeight();
    EXPECT_GT(ownHeight, 0);
    WQFont* big = new WQFont();
    big->setFace(WQString("Arial"));
    big->setHeight(40);
    canvas.g().setFont(big);
    EXPECT_EQ(canvas.g().getTextHeight(), ownHeight);
    EXPECT_EQ(canvas.g().getTextSize(WQString("Hg")).getHeight(), 40);
    EXPECT_GT(canvas.g().getTextSize(WQString("Hg")).getWidth(), 0);
    // The graphics font was not left selected by the measurement.
    EXPECT_EQ(canvas.g().getTextHeight(), ownHeight);

    Canvas windowless(10, 10, false);
    EXPECT_EQ(windowless.g().getTextHeight(), -1);
    EXPECT_EQ(windowless.g().getTextSize(WQString("Hg")).getHeight(), 0);
}
