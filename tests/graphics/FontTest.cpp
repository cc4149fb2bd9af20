#include <windows.h>

#include <climits>
#include <cstring>
#include <functional>

#include <gtest/gtest.h>

#include "base/WQMemory.h"
#include "graphics/WQFont.h"
#include "graphics/WQHandles.h"

using namespace WQSDK;

namespace {

int desktopResolution()
{
    HDC desktop = GetWindowDC(GetDesktopWindow());
    const int resolution = GetDeviceCaps(desktop, LOGPIXELSY);
    ReleaseDC(GetDesktopWindow(), desktop);
    return resolution;
}

} // namespace

TEST(GraphicsFont, ANewFontIsEmptyWithPointSizeNine)
{
    WQFont font;
    EXPECT_STREQ(font.getClassName(), "WQObject.WQFont");
    EXPECT_STREQ(font.getFace().c_str(), "");
    EXPECT_EQ(font.getHeight(), 0);
    EXPECT_EQ(font.getWidth(), 0);
    EXPECT_EQ(font.getWeight(), 0);
    EXPECT_EQ(font.getItalic() + font.getUnderline() + font.getStrikeOut(), 0);
    EXPECT_EQ(font.getPointSize(), 9);
}

TEST(GraphicsFont, HeightAndWidthReadAsAbsoluteValues)
{
    const struct {
        int stored, read;
    } cases[] = {{-16, 16}, {16, 16}, {-7, 7}, {0, 0}, {INT_MIN, INT_MAX}};
    for (const auto& c : cases) {
        WQFont font;
        font.setHeight(c.stored);
        font.setWidth(c.stored);
        EXPECT_EQ(font.getHeight(), c.read) << c.stored;
        EXPECT_EQ(font.getWidth(), c.read) << c.stored;
    }
    // The face keeps its exact bytes, a NUL included.
    WQFont font;
    WQString face;
    face.assign("ab\0c", 4);
    font.setFace(face);
    EXPECT_EQ(font.getFace().length(), 4);
    EXPECT_EQ(std::memcmp(font.getFace().c_str(), "ab\0c", 4), 0);
}

TEST(GraphicsFont, PointSizesFollowTheDesktopResolution)
{
    ASSERT_EQ(desktopResolution(), 96);
    WQFont font;
    font.setPointSize(12);
    EXPECT_EQ(font.getHeight(), 16);
    EXPECT_EQ(font.getPointSize(), 12);
    font.setPointSize(9);
    EXPECT_EQ(font.getHeight(), 12);

    WQFont* made = createFont(WQString("Arial"), 12);
    ASSERT_NE(made, nullptr);
    EXPECT_STREQ(made->getFace().c_str(), "Arial");
    EXPECT_EQ(made->getHeight(), 16);
    EXPECT_EQ(made->getWidth(), 0);
    EXPECT_EQ(made->getWeight(), 400);
    EXPECT_EQ(made->getItalic() + made->getUnderline() + made->getStrikeOut(), 0);
    EXPECT_EQ(made->getPointSize(), 9);
    EXPECT_EQ(made->release(), 0u);
}

TEST(GraphicsFont, TheDefaultFontIsTheDesktopsFaceAtTwelvePoints)
{
    char face[256] = {};
    HDC desktop = GetWindowDC(GetDesktopWindow());
    ASSERT_GT(GetTextFaceA(desktop, sizeof face, face), 0);
    ReleaseDC(GetDesktopWindow(), desktop);

    WQFont* font = createDefaultFont();
    ASSERT_NE(font, nullptr);
    EXPECT_STREQ(font->getFace().c_str(), face);
    EXPECT_EQ(font->getHeight(), 16);
    EXPECT_EQ(font->getWeight(), 400);
    EXPECT_EQ(font->getPointSize(), 9);
    EXPECT_EQ(font->release(), 0u);
}

TEST(GraphicsFont, EqualsComparesFaceBytesAbsoluteSizesWeightAndFlags)
{
    const struct {
        const char* change;
        std::function<void(WQFont&)> apply;
        int equal;
    } cases[] = {
        {"nothing", [](WQFont&) {}, 1},
        {"face letter case", [](WQFont& f) { f.setFace(WQString("arial")); }, 0},
        {"longer face", [](WQFont& f) { f.setFace(WQString("Arial ")); }, 0},
        {"height sign", [](WQFont& f) { f.setHeight(16); }, 1},
        {"height", [](WQFont& f) { f.setHeight(-17); }, 0},
        {"width sign", [](WQFont& f) { f.setWidth(7); }, 1},
        {"width", [](WQFont& f) { f.setWidth(8); }, 0},
        {"weight", [](WQFont& f) { f.setWeight(700); }, 0},
        {"italic", [](WQFont& f) { f.setItalic(1); }, 0},
        {"underline", [](WQFont& f) { f.setUnderline(1); }, 0},
        {"strike-out", [](WQFont& f) { f.setStrikeOut(1); }, 0},
        {"point size", [](WQFont& f) { f.setPointSize(30); f.setHeight(-16); }, 1},
    };
    for (const auto& c : cases) {
        WQFont a;
        WQFont b;
        for (WQFont* f : {&a, &b}) {
            f->setFace(WQString("Arial"));
            f->setHeight(-16);
            f->setWidth(-7);
            f->setWeight(400);
        }
        c.apply(b);
        EXPECT_EQ(a.equals(&b), c.equal) << c.change;
        EXPECT_EQ(b.equals(&a), c.equal) << c.change;
    }
    WQFont font;
    EXPECT_EQ(font.equals(nullptr), 0);
    EXPECT_EQ(font.equals(&font), 1);
}

TEST(GraphicsFont, TheGdiFontFollowsTheDescription)
{
    WQFont font;
    font.setFace(WQString("Arial"));
    font.setHeight(-16);
    font.setWidth(-6);
    font.setWeight(700);
    font.setItalic(1);
    font.setUnderline(1);
    font.setStrikeOut(1);
    HFONT gdiFont = createGdiFont(&font);
    ASSERT_NE(gdiFont, nullptr);
    LOGFONTA description = {};
    ASSERT_EQ(GetObjectA(gdiFont, sizeof description, &description), static_cast<int>(sizeof description));
    EXPECT_EQ(description.lfHeight, 16); // asked as a cell height
    EXPECT_EQ(description.lfWidth, 6);
    EXPECT_EQ(description.lfWeight, 700);
    EXPECT_EQ(description.lfItalic, 1);
    EXPECT_EQ(description.lfUnderline, 1);
    EXPECT_EQ(description.lfStrikeOut, 1);
    EXPECT_EQ(description.lfCharSet, DEFAULT_CHARSET);
    EXPECT_EQ(description.lfEscapement, 0);
    EXPECT_EQ(description.lfQuality, 0);
    EXPECT_STREQ(description.lfFaceName, "Arial");
    DeleteObject(gdiFont);
    EXPECT_EQ(createGdiFont(nullptr), nullptr);
}

TEST(GraphicsFont, AFontWithoutItsImplementationAnswersZeroAndIgnoresSetters)
{
    bool sawMissing = false;
    bool sawWhole = false;
    for (long successes = 0; successes < 20 && !sawWhole; ++successes) {
        memFailAfter(successes);
        WQFont* font = new WQFont();
        memFailNever();
        font->setFace(WQString("Arial"));
        font->setHeight(-16);
        font->setWeight(400);
        font->setItalic(1);
        font->setPointSize(12);
        if (font->getHeight() == 0) {
            sawMissing = true;
            EXPECT_STREQ(font->getFace().c_str(), "");
            EXPECT_EQ(font->getWeight() + font->getItalic() + font->getPointSize(), 0);
            EXPECT_EQ(font->equals(font), 0);
        } else {
            sawWhole = true;
            EXPECT_STREQ(font->getFace().c_str(), "Arial");
            EXPECT_EQ(font->getPointSize(), 12);
        }
        font->addRef();
        font->release();
    }
    EXPECT_TRUE(sawMissing);
    EXPECT_TRUE(sawWhole);
}
