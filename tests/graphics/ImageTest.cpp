#include <cstdint>
#include <cstring>
#include <vector>

#include <gtest/gtest.h>

#include "base/WQMemory.h"
#include "graphics/WQImage.h"

using namespace WQSDK;

namespace {

// Library allocations fail after `successes` more, for the life of this
// object.
class FailingAllocations {
public:
    explicit FailingAllocations(long successes) { memFailAfter(successes); }
    ~FailingAllocations() { memFailNever(); }
    FailingAllocations(const FailingAllocations&) = delete;
    FailingAllocations& operator=(const FailingAllocations&) = delete;
};

// A 4 x 3 image whose byte i is i + 1.
void fillCounting(WQImage& image, int format)
{
    ASSERT_TRUE(image.create(4, 3, format));
    for (int i = 0; i < image.getByteCount(); ++i)
        *image.getPixels(i) = static_cast<unsigned char>(i + 1);
}

std::vector<unsigned char> bytesOf(WQImage& image)
{
    std::vector<unsigned char> bytes;
    for (int i = 0; i < image.getByteCount(); ++i)
        bytes.push_back(*image.getPixels(i));
    return bytes;
}

} // namespace

TEST(GraphicsImage, CreateSizesTheRowsWithoutPadding)
{
    const struct {
        int format;
        int bytes;
    } cases[] = {
        {IMAGE_RGB24, 5 * 2 * 3},
        {IMAGE_BGR24, 5 * 2 * 3},
        {IMAGE_ARGB32, 5 * 2 * 4},
        {IMAGE_BGRA32, 5 * 2 * 4},
    };
    for (const auto& c : cases) {
        WQImage image;
        ASSERT_TRUE(image.create(5, 2, c.format));
        EXPECT_EQ(image.getByteCount(), c.bytes);
        EXPECT_EQ(image.getFormat(), c.format);
        EXPECT_EQ(image.getWidth(), 5);
        EXPECT_EQ(image.getHeight(), 2);
        EXPECT_NE(image.getPixels(c.bytes - 1), nullptr);
        EXPECT_EQ(image.getPixels(c.bytes), nullptr);
        EXPECT_EQ(image.getPixels(-1), nullptr);
    }
}

TEST(GraphicsImage, CreateRefusesWhatItCannotHold)
{
    WQImage image;
    ASSERT_TRUE(image.create(2, 2, IMAGE_RGB24));
    const struct {
        int width, height, format;
    } refused[] = {
        {2, 2, 1006},
        {2, 2, 0},
        {-1, 2, IMAGE_RGB24},
        {2, -1, IMAGE_RGB24},
        {0x10000, 0x10000, IMAGE_ARGB32}, // more bytes than an int offset reaches
    };
    for (const auto& r : refused) {
        EXPECT_FALSE(image.create(r.width, r.height, r.format)) << r.width << "x" << r.height << " " << r.format;
        EXPECT_EQ(image.getWidth(), 2);
        EXPECT_EQ(image.getFormat(), IMAGE_RGB24);
        EXPECT_EQ(image.getByteCount(), 12);
    }
    {
        FailingAllocations failing(0);
        EXPECT_FALSE(image.create(3, 3, IMAGE_RGB24));
        EXPECT_FALSE(image.allocate(10));
    }
    EXPECT_EQ(image.getByteCount(), 12);
    EXPECT_EQ(image.getWidth(), 2);
}

TEST(GraphicsImage, AllocateReplacesTheBytesAndKeepsALayoutThatStillFits)
{
    WQImage image;
    fillCounting(image, IMAGE_BGR24);
    ASSERT_TRUE(image.allocate(36));
    EXPECT_EQ(image.getWidth(), 4);
    EXPECT_EQ(image.getHeight(), 3);
    EXPECT_EQ(*image.getPixels(0), 0);

    ASSERT_TRUE(image.allocate(18));
    EXPECT_EQ(image.getWidth(), 0);
    EXPECT_EQ(image.getHeight(), 0);
    EXPECT_EQ(image.getByteCount(), 18);
    EXPECT_FALSE(image.setLayout(3, 3, IMAGE_BGR24));
    EXPECT_FALSE(image.setLayout(3, 2, 1006));
    EXPECT_TRUE(image.setLayout(3, 2, IMAGE_BGR24));
    EXPECT_EQ(image.getWidth(), 3);
    EXPECT_FALSE(image.allocate(-1));
    EXPECT_EQ(image.getByteCount(), 18);
}

TEST(GraphicsImage, CropCopiesTheColumnsAndRowsOfTheRectangle)
{
    WQImage image;
    fillCounting(image, IMAGE_ARGB32);
    // Columns 1..2 of rows 1..2; a row of the 4-pixel image is 16 bytes.
    WQImage* section = image.crop(1, 1, 3, 3);
    ASSERT_NE(section, nullptr);
    EXPECT_EQ(section->getWidth(), 2);
    EXPECT_EQ(section->getHeight(), 2);
    EXPECT_EQ(section->getFormat(), IMAGE_ARGB32);
    const std::vector<unsigned char> expected = {21, 22, 23, 24, 25, 26, 27, 28, 37, 38, 39, 40, 41, 42, 43, 44};
    EXPECT_EQ(bytesOf(*section), expected);
    EXPECT_EQ(section->addRef(), 2u);
    section->release();
    EXPECT_EQ(section->release(), 0u);

    const struct {
        int left, top, right, bottom;
    } refused[] = {
        {-1, 0, 2, 2}, {0, -1, 2, 2}, {0, 0, 5, 2}, {0, 0, 2, 4}, {2, 0, 2, 2}, {0, 2, 2, 1},
    };
    for (const auto& r : refused)
        EXPECT_EQ(image.crop(r.left, r.top, r.right, r.bottom), nullptr)
            << r.left << "," << r.top << "," << r.right << "," << r.bottom;
    WQImage* whole = image.crop(0, 0, 4, 3);
    ASSERT_NE(whole, nullptr);
    EXPECT_EQ(bytesOf(*whole), bytesOf(image));
    whole->release();
}

TEST(GraphicsImage, AsRGB24GivesRedGreenBlueBytesFromEveryFormat)
{
    // One pixel of red 10, green 20, blue 30 (alpha 40) in each format.
    const struct {
        int format;
        std::vector<unsigned char> pixel;
        int redOffset;
    } cases[] = {
        {IMAGE_RGB24, {10, 20, 30}, 0},
        {IMAGE_BGR24, {30, 20, 10}, 2},
        {IMAGE_ARGB32, {40, 10, 20, 30}, 1},
        {IMAGE_BGRA32, {30, 20, 10, 40}, 2},
    };
    for (const auto& c : cases) {
        WQImage image;
        ASSERT_TRUE(image.create(1, 1, c.format));
        std::memcpy(image.getPixels(0), c.pixel.data(), c.pixel.size());
        WQImage* rgb = image.asRGB24();
        ASSERT_NE(rgb, nullptr);
        EXPECT_EQ(rgb->getFormat(), IMAGE_RGB24);
        EXPECT_EQ(rgb->getWidth(), 1);
        EXPECT_EQ(rgb->getHeight(), 1);
        EXPECT_EQ(bytesOf(*rgb), (std::vector<unsigned char>{10, 20, 30})) << "format " << c.format;
        if (c.format == IMAGE_RGB24) {
            EXPECT_EQ(rgb, &image);
        }

        // The view follows later changes of the pixels.
        *image.getPixels(c.redOffset) = 99;
        EXPECT_EQ(*image.asRGB24()->getPixels(0), 99) << "format " << c.format;
    }
}

TEST(GraphicsImage, PixelRoutinesReorderBytesAlsoInPlace)
{
    const unsigned char rgb[] = {10, 20, 30, 40, 50, 60};
    unsigned char out[6] = {};
    EXPECT_EQ(swapRedBlue24(out, 2, rgb), 1);
    EXPECT_EQ(std::vector<unsigned char>(out, out + 6), (std::vector<unsigned char>{30, 20, 10, 60, 50, 40}));
    EXPECT_EQ(swapRedBlue24(out, 2, out), 1);
    EXPECT_EQ(std::vector<unsigned char>(out, out + 6), (std::vector<unsigned char>{10, 20, 30, 40, 50, 60}));

    unsigned char argb[] = {1, 2, 3, 4, 5, 6, 7, 8};
    EXPECT_EQ(reverseBytes32(argb, 2, argb), 1);
    EXPECT_EQ(std::vector<unsigned char>(argb, argb + 8), (std::vector<unsigned char>{4, 3, 2, 1, 8, 7, 6, 5}));
}
