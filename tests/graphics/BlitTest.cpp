#include <windows.h>

#include <cstring>
#include <vector>

#include <gtest/gtest.h>

#include "Canvas.h"
#include "graphics/ComponentGraphics.h"
#include "graphics/WQImage.h"

using namespace WQSDK;

namespace {

// Writes `color` into pixel (x, y) of `image` in the image's byte order,
// with `alpha` in the four-byte formats. The byte orders are those of the
// format names; a 1006 image is taken as blue-green-red.
void put(WQImage& image, int x, int y, COLORREF color, unsigned char alpha = 0x80)
{
    const unsigned char r = GetRValue(color);
    const unsigned char g = GetGValue(color);
    const unsigned char b = GetBValue(color);
    std::vector<unsigned char> bytes;
    switch (image.getFormat()) {
    case IMAGE_RGB24:
        bytes = {r, g, b};
        break;
    case IMAGE_ARGB32:
        bytes = {alpha, r, g, b};
        break;
    case IMAGE_BGRA32:
        bytes = {b, g, r, alpha};
        break;
    default:
        bytes = {b, g, r};
        break;
    }
    const int offset = (y * image.getWidth() + x) * static_cast<int>(bytes.size());
    std::memcpy(image.getPixels(offset), bytes.data(), bytes.size());
}

// A distinct colour for every pixel position.
COLORREF colourAt(int x, int y)
{
    return RGB(10 + 40 * x, 20 + 60 * y, 200 - 30 * x);
}

// Fills a width x height image of `format` with colourAt.
void fillPattern(WQImage& image, int width, int height, int format)
{
    ASSERT_TRUE(image.create(width, height, format));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            put(image, x, y, colourAt(x, y));
    }
}

// Reports 1006, a code the plain blit refuses, over blue-green-red bytes.
class ForeignImage : public WQImage {
public:
    int getFormat() const override { return 1006; }
};

// Sets the flag when destroyed.
class TrackedImage : public WQImage {
public:
    explicit TrackedImage(bool* destroyed) : m_destroyed(destroyed) {}
    ~TrackedImage() override { *m_destroyed = true; }

private:
    bool* m_destroyed;
};

} // namespace

TEST(GraphicsBlit, EveryFormatArrivesWithItsColoursInPlace)
{
    // Width 5 gives DIB rows of 15 + 1 padding bytes in the three-byte
    // formats and 20 bytes in the four-byte ones; a wrong stride or byte
    // order moves or changes the colours of the second row.
    for (int format : {IMAGE_RGB24, IMAGE_ARGB32, IMAGE_BGR24, IMAGE_BGRA32}) {
        Canvas canvas(10, 6);
        canvas.fill(WHITE);
        WQImage image;
        fillPattern(image, 5, 2, format);
        EXPECT_EQ(canvas.g().drawImage(&image, 1, 1), 1) << "format " << format;
        const std::vector<COLORREF> pixels = canvas.pixels();
        for (int y = 0; y < 2; ++y) {
            for (int x = 0; x < 5; ++x) {
                EXPECT_EQ(pixels[static_cast<size_t>((y + 1) * 10 + x + 1)], colourAt(x, y))
                    << "format " << format << " pixel (" << x << ", " << y << ")";
            }
        }
        EXPECT_EQ(pixels[0], WHITE);
        EXPECT_EQ(pixels[3 * 10 + 1], WHITE);
        EXPECT_EQ(pixels[1 * 10 + 6], WHITE);
    }
}

TEST(GraphicsBlit, ByteOrdersOfTheFormats)
{
    // RGB24 bytes (10, 20, 30) reach the DIB as (30, 20, 10), ARGB32 bytes
    // (1, 2, 3, 4) as (4, 3, 2, 1): blue, green, red in memory order.
    const struct {
        int format;
        std::vector<unsigned char> bytes;
        COLORREF shown;
    } cases[] = {
        {IMAGE_RGB24, {10, 20, 30}, RGB(10, 20, 30)},
        {IMAGE_ARGB32, {1, 2, 3, 4}, RGB(2, 3, 4)},
        {IMAGE_BGR24, {10, 20, 30}, RGB(30, 20, 10)},
        {IMAGE_BGRA32, {10, 20, 30, 40}, RGB(30, 20, 10)},
    };
    for (const auto& c : cases) {
        Canvas canvas(4, 4);
        canvas.fill(WHITE);
        WQImage image;
        ASSERT_TRUE(image.create(1, 1, c.format));
        std::memcpy(image.getPixels(0), c.bytes.data(), c.bytes.size());
        EXPECT_EQ(canvas.g().drawImage(&image, 0, 0, 1, 1, 2, 2, 1, 1), 1);
        EXPECT_EQ(canvas.at(2, 2), c.shown) << "format " << c.format;
    }
}

TEST(GraphicsBlit, ShortFormsDrawTheWholeImage)
{
    Canvas canvas(12, 8);
    canvas.fill(WHITE);
    WQImage image;
    fillPattern(image, 2, 2, IMAGE_BGR24);
    EXPECT_EQ(canvas.g().drawImage(&image, 0, 0, 4, 4), 1);
    EXPECT_EQ(canvas.g().drawImage(&image, 6, 0), 1);
    EXPECT_EQ(canvas.g().drawImage(nullptr, 0, 0), 0);
    EXPECT_EQ(canvas.g().drawImage(nullptr, 0, 0, 4, 4), 0);
    EXPECT_EQ(canvas.g().drawImage(nullptr, 0, 0, 1, 1, 0, 0, 1, 1), 0);
    const std::vector<COLORREF> pixels = canvas.pixels();
    // Scaled twice over 4 x 4, and at its own size.
    EXPECT_EQ(pixels[0 * 12 + 1], colourAt(0, 0));
    EXPECT_EQ(pixels[3 * 12 + 3], colourAt(1, 1));
    EXPECT_EQ(pixels[1 * 12 + 7], colourAt(1, 1));
    EXPECT_EQ(pixels[2 * 12 + 7], WHITE);
    EXPECT_EQ(pixels[0 * 12 + 8], WHITE);
}

TEST(GraphicsBlit, TheSourceIsCutAtTheRightAndBottomEdgesOnly)
{
    WQImage image;
    fillPattern(image, 4, 3, IMAGE_RGB24);
    {
        // Columns 2..5 asked, 2..3 exist: two columns stretched over four.
        Canvas canvas(8, 4);
        canvas.fill(WHITE);
        EXPECT_EQ(canvas.g().drawImage(&image, 2, 1, 4, 1, 0, 0, 4, 1), 1);
        const std::vector<COLORREF> expected = {colourAt(2, 1), colourAt(2, 1), colourAt(3, 1), colourAt(3, 1)};
        const std::vector<COLORREF> pixels = canvas.pixels();
        EXPECT_EQ(std::vector<COLORREF>(pixels.begin(), pixels.begin() + 4), expected);
        EXPECT_EQ(pixels[4], WHITE);
    }
    {
        // Rows 2..4 asked, row 2 exists: stretched over three rows.
        Canvas canvas(4, 4);
        canvas.fill(WHITE);
        EXPECT_EQ(canvas.g().drawImage(&image, 1, 2, 1, 3, 0, 0, 1, 3), 1);
        EXPECT_EQ(canvas.at(0, 0), colourAt(1, 2));
        EXPECT_EQ(canvas.at(0, 2), colourAt(1, 2));
        EXPECT_EQ(canvas.at(0, 3), WHITE);
    }
    // Nothing of the source inside the image, or a source left or above it:
    // nothing is drawn.
    const struct {
        int x, y, w, h;
    } outside[] = {{4, 0, 2, 2}, {0, 3, 2, 2}, {-1, 0, 2, 2}, {0, -1, 2, 2}, {0, 0, 0, 2}, {0x7FFFFFFF, 0, 0x7FFFFFFF, 1}};
    for (const auto& o : outside) {
        Canvas canvas(4, 4);
        canvas.fill(WHITE);
        EXPECT_EQ(canvas.g().drawImage(&image, o.x, o.y, o.w, o.h, 0, 0, 4, 4), 0) << o.x << "," << o.y;
        EXPECT_EQ(canvas.at(1, 1), WHITE);
    }
}

TEST(GraphicsBlit, ShrinkingDropsRowsInsteadOfMixingThem)
{
    // Two rows, red over green, shrunk to one: a row is kept whole; the
    // default stretch mode would AND them into black.
    Canvas canvas(4, 4);
    canvas.fill(WHITE);
    WQImage image;
    ASSERT_TRUE(image.create(1, 2, IMAGE_BGR24));
    put(image, 0, 0, RGB(255, 0, 0));
    put(image, 0, 1, RGB(0, 255, 0));
    EXPECT_EQ(canvas.g().drawImage(&image, 0, 0, 1, 1), 1);
    const COLORREF kept = canvas.at(0, 0);
    EXPECT_TRUE(kept == RGB(255, 0, 0) || kept == RGB(0, 255, 0)) << std::hex << kept;
}

TEST(GraphicsBlit, Format1006IsRefusedByThePlainBlitAndReadAsBlueGreenRedWithAKey)
{
    Canvas canvas(4, 4);
    canvas.fill(WHITE);
    ForeignImage image;
    ASSERT_TRUE(image.create(1, 1, IMAGE_BGR24));
    const unsigned char bytes[] = {10, 20, 30};
    std::memcpy(image.getPixels(0), bytes, 3);
    image.addRef();
    EXPECT_EQ(canvas.g().drawImage(&image, 0, 0, 1, 1, 0, 0, 1, 1), 0);
    EXPECT_EQ(canvas.at(0, 0), WHITE);
    EXPECT_EQ(canvas.g().drawImageTransparent(&image, 0, 0, 1, 1, 0, 0, 1, 1, WQColor(1, 1, 1)), 1);
    EXPECT_EQ(canvas.at(0, 0), RGB(30, 20, 10));
    EXPECT_EQ(image.release(), 0u);
}

TEST(GraphicsBlit, TheKeyColourLeavesTheDestinationUnderItUnchanged)
{
    // A 4 x 4 image with a one-pixel magenta border around 2 x 2 colours,
    // drawn at its size and doubled.
    for (int format : {IMAGE_RGB24, IMAGE_ARGB32, IMAGE_BGR24, IMAGE_BGRA32}) {
        for (int scale : {1, 2}) {
            Canvas canvas(12, 12);
            canvas.fill(GREEN);
            WQImage* image = new WQImage();
            ASSERT_TRUE(image->create(4, 4, format));
            for (int y = 0; y < 4; ++y) {
                for (int x = 0; x < 4; ++x) {
                    const bool border = x == 0 || y == 0 || x == 3 || y == 3;
                    put(*image, x, y, border ? MAGENTA : colourAt(x, y));
                }
            }
            EXPECT_EQ(canvas.g().drawImageTransparent(image, 0, 0, 4, 4, 2, 2, 4 * scale, 4 * scale,
                          colorOf(MAGENTA)),
                1);
            const std::vector<COLORREF> pixels = canvas.pixels();
            for (int y = 0; y < 12; ++y) {
                for (int x = 0; x < 12; ++x) {
                    const int sx = x - 2 >= 0 ? (x - 2) / scale : -1;
                    const int sy = y - 2 >= 0 ? (y - 2) / scale : -1;
                    const bool inner = sx >= 1 && sx <= 2 && sy >= 1 && sy <= 2;
                    EXPECT_EQ(pixels[static_cast<size_t>(y * 12 + x)], inner ? colourAt(sx, sy) : GREEN)
                        << "format " << format << " scale " << scale << " (" << x << ", " << y << ")";
                }
            }
        }
    }
}

TEST(GraphicsBlit, OnlyTheKeyedBlitConsumesAnImageHandedOverWithCountZero)
{
    Canvas canvas(4, 4);
    bool destroyed = false;
    TrackedImage* image = new TrackedImage(&destroyed);
    ASSERT_TRUE(image->create(2, 2, IMAGE_RGB24));
    EXPECT_EQ(canvas.g().drawImage(image, 0, 0), 1);
    EXPECT_EQ(canvas.g().drawImage(image, 0, 0, 2, 2), 1);
    EXPECT_FALSE(destroyed);
    EXPECT_EQ(canvas.g().drawImageTransparent(image, 0, 0, 2, 2, 0, 0, 2, 2, WQColor()), 1);
    EXPECT_TRUE(destroyed);

    // Also when nothing could be drawn.
    destroyed = false;
    image = new TrackedImage(&destroyed);
    EXPECT_EQ(canvas.g().drawImageTransparent(image, 0, 0, 2, 2, 0, 0, 2, 2, WQColor()), 0);
    EXPECT_TRUE(destroyed);

    // A referenced image keeps its count.
    destroyed = false;
    image = new TrackedImage(&destroyed);
    image->create(1, 1, IMAGE_BGR24);
    image->addRef();
    EXPECT_EQ(canvas.g().drawImageTransparent(image, 0, 0, 1, 1, 0, 0, 1, 1, WQColor()), 1);
    EXPECT_FALSE(destroyed);
    EXPECT_EQ(image->release(), 0u);
    EXPECT_TRUE(destroyed);
}

TEST(GraphicsBlit, CopyToImageReadsTheBufferTopRowFirstAsBlueGreenRed)
{
    Canvas canvas(3, 2);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x)
            canvas.g().setPixel(x, y, colorOf(colourAt(x, y)));
    }
    WQImage image;
    int width = 0;
    int height = 0;
    EXPECT_EQ(canvas.g().copyToImage(&image, &width, &height), 1);
    EXPECT_EQ(width, 3);
    EXPECT_EQ(height, 2);
    EXPECT_EQ(image.getByteCount(), 18);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x) {
            // The top row at offset 0, the bottom row at offset 9.
            const unsigned char* p = image.getPixels(y * 9 + x * 3);
            ASSERT_NE(p, nullptr);
            EXPECT_EQ(RGB(p[2], p[1], p[0]), colourAt(x, y)) << "(" << x << ", " << y << ")";
        }
    }
    // The caller describes the bytes.
    EXPECT_TRUE(image.setLayout(width, height, IMAGE_BGR24));
    EXPECT_EQ(canvas.g().copyToImage(nullptr, &width, &height), 0);
}

TEST(GraphicsBlit, CopyToImageReadsBuffersOfFewerBitsAsWholePixels)
{
    // A buffer made from a memory context is monochrome.
    ComponentGraphics g;
    HDC memory = CreateCompatibleDC(nullptr);
    g.resize(memory, 5, 2);
    DeleteDC(memory);
    g.setPixel(0, 0, colorOf(RGB(255, 255, 255)));
    g.setPixel(1, 0, colorOf(RGB(0, 0, 0)));
    g.setPixel(4, 1, colorOf(RGB(255, 255, 255)));
    WQImage image;
    int width = 0;
    int height = 0;
    EXPECT_EQ(g.copyToImage(&image, &width, &height), 1);
    EXPECT_EQ(width, 5);
    EXPECT_EQ(height, 2);
    ASSERT_EQ(image.getByteCount(), 30);
    const struct {
        int x, y;
        unsigned char value;
    } expected[] = {{0, 0, 255}, {1, 0, 0}, {4, 1, 255}};
    for (const auto& e : expected) {
        const unsigned char* p = image.getPixels((e.y * 5 + e.x) * 3);
        EXPECT_EQ(p[0], e.value);
        EXPECT_EQ(p[1], e.value);
        EXPECT_EQ(p[2], e.value);
    }
}
