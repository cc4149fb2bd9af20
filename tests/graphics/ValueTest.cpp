#include <algorithm>
#include <cstdint>
#include <vector>

#include <gtest/gtest.h>

#include "graphics/IWQCaret.h"
#include "graphics/IWQGraphics.h"
#include "graphics/WQColor.h"
#include "graphics/WQCursor.h"
#include "graphics/WQIcon.h"
#include "graphics/WQImage.h"
#include "graphics/WQPoint.h"
#include "graphics/WQRect.h"
#include "graphics/WQSize.h"

using namespace WQSDK;

namespace {

// Sets the flag when destroyed.
struct TrackedPoint : public WQPoint {
    TrackedPoint(int x, int y, bool* destroyed) : WQPoint(x, y), m_destroyed(destroyed) {}
    ~TrackedPoint() override { *m_destroyed = true; }
    bool* m_destroyed;
};

struct TrackedSize : public WQSize {
    TrackedSize(int w, int h, bool* destroyed) : WQSize(w, h), m_destroyed(destroyed) {}
    ~TrackedSize() override { *m_destroyed = true; }
    bool* m_destroyed;
};

// The count of a referenced object.
uint32_t countOf(WQObject& object)
{
    // addRef reports the count after adding one.
    const uint32_t count = object.addRef() - 1;
    object.release();
    return count;
}

} // namespace

TEST(GraphicsValues, EveryClassReportsItsPath)
{
    const WQPoint point;
    const WQSize size;
    const WQRect rect(0, 0, 0, 0);
    const WQColor color;
    const WQIcon icon;
    const WQCursor cursor;
    const WQImage image;
    const IWQCaret caret;
    const IWQGraphics graphics;
    const struct {
        const WQObject* object;
        const char* path;
    } cases[] = {
        {&point, "WQObject.WQPoint"},
        {&size, "WQObject.WQSize"},
        {&rect, "WQObject.WQRect"},
        {&color, "WQObject.WQColor"},
        {&icon, "WQObject.WQIcon"},
        {&cursor, "WQObject.WQCursor"},
        {&image, "WQObject.WQImage"},
        {&caret, "WQObject.IWQCaret"},
        {&graphics, "WQObject.IWQGraphics"},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(c.object->getClassName(), c.path);
}

TEST(GraphicsValues, CopiesAreFreshObjectsWithTheSameFields)
{
    WQColor color(1, 2, 3);
    color.setAlpha(4);
    color.addRef();
    color.addRef();
    const WQColor colorCopy(color);
    EXPECT_EQ(colorCopy.getARGB(), 0x04010203u);

    WQRect rect(1, 2, 3, 4);
    rect.addRef();
    WQRect rectCopy(rect);
    // The copy starts at count 0; it stays referenced, never destroyed.
    EXPECT_EQ(rectCopy.addRef(), 1u);
    EXPECT_STREQ(rectCopy.getClassName(), "WQObject.WQRect");
    EXPECT_EQ(rectCopy.getX(), 1);
    EXPECT_EQ(rectCopy.getY(), 2);
    EXPECT_EQ(rectCopy.getWidth(), 3);
    EXPECT_EQ(rectCopy.getHeight(), 4);

    WQPoint assigned;
    assigned = WQPoint(-7, 8);
    EXPECT_EQ(assigned.getX(), -7);
    EXPECT_EQ(assigned.getY(), 8);
}

TEST(GraphicsValues, ColorPackings)
{
    WQColor withAlpha(1, 2, 3);
    withAlpha.setAlpha(4);
    EXPECT_EQ(withAlpha.getARGB(), 0x04010203u);
    EXPECT_EQ(withAlpha.getColorRef(), 0x04030201u);

    const struct {
        uint8_t red, green, blue;
        uint16_t rgb565, rgb555;
    } packed[] = {
        {255, 255, 255, 0xFFFF, 0x7FFF},
        {0x12, 0x34, 0x56, 0x11AA, 0x08CA},
        {0, 0, 0, 0x0000, 0x0000},
        {0x07, 0x03, 0x07, 0x0000, 0x0000}, // the low bits are dropped
        {0x08, 0x04, 0x08, 0x0821, 0x0401}, // green 4 needs the sixth bit
    };
    for (const auto& p : packed) {
        const WQColor color(p.red, p.green, p.blue);
        EXPECT_EQ(color.getRGB565(), p.rgb565) << int(p.red) << "," << int(p.green) << "," << int(p.blue);
        EXPECT_EQ(color.getRGB555(), p.rgb555) << int(p.red) << "," << int(p.green) << "," << int(p.blue);
    }
}

TEST(GraphicsValues, ColorSettersUnpackEachForm)
{
    enum Form { ARGB, COLORREF, RGB565, RGB555 };
    const struct {
        Form form;
        uint32_t value;
        uint8_t red, green, blue, alpha;
    } cases[] = {
        // The 16-bit forms keep the alpha the colour had (0x99 below).
        {COLORREF, 0x00FF8040, 0x40, 0x80, 0xFF, 0x00},
        {COLORREF, 0x7F010203, 0x03, 0x02, 0x01, 0x7F},
        {ARGB, 0x80102030, 0x10, 0x20, 0x30, 0x80},
        {RGB565, 0x1234, 0x10, 0x44, 0xA0, 0x99},
        {RGB565, 0xFFFF1234, 0x10, 0x44, 0xA0, 0x99},
        {RGB555, 0x7FFF, 0xF8, 0xF8, 0xF8, 0x99},
        {RGB555, 0x8000, 0x00, 0x00, 0x00, 0x99},
    };
    for (const auto& c : cases) {
        WQColor color(0x11, 0x22, 0x33);
        color.setAlpha(0x99);
        switch (c.form) {
        case ARGB:
            color.setARGB(c.value);
            break;
        case COLORREF:
            color.setColorRef(c.value);
            break;
        case RGB565:
            color.setRGB565(c.value);
            break;
        case RGB555:
            color.setRGB555(c.value);
            break;
        }
        SCOPED_TRACE(testing::Message() << "form " << c.form << " value " << std::hex << c.value);
        EXPECT_EQ(color.getRed(), c.red);
        EXPECT_EQ(color.getGreen(), c.green);
        EXPECT_EQ(color.getBlue(), c.blue);
        EXPECT_EQ(color.getAlpha(), c.alpha);
    }
}

TEST(GraphicsValues, PointAndRectKeepWhatTheyAreGiven)
{
    WQPoint point(1, 1);
    point.offset(-2, 5);
    EXPECT_EQ(point.getX(), -1);
    EXPECT_EQ(point.getY(), 6);

    WQRect rect(10, 20, -5, 0);
    EXPECT_EQ(rect.getX(), 10);
    EXPECT_EQ(rect.getY(), 20);
    EXPECT_EQ(rect.getWidth(), -5);
    EXPECT_EQ(rect.getHeight(), 0);

    WQSize size(3, -4);
    size.set(-8, 9);
    EXPECT_EQ(size.getWidth(), -8);
    EXPECT_EQ(size.getHeight(), 9);
}

TEST(GraphicsValues, RectSettersConsumeObjectsHandedOverWithCountZero)
{
    WQRect rect(0, 0, 0, 0);

    bool pointDestroyed = false;
    rect.setPosition(new TrackedPoint(3, 4, &pointDestroyed));
    EXPECT_TRUE(pointDestroyed);
    EXPECT_EQ(rect.getX(), 3);
    EXPECT_EQ(rect.getY(), 4);

    bool sizeDestroyed = false;
    rect.setSize(new TrackedSize(5, 6, &sizeDestroyed));
    EXPECT_TRUE(sizeDestroyed);
    EXPECT_EQ(rect.getWidth(), 5);
    EXPECT_EQ(rect.getHeight(), 6);

    // An object the caller holds survives with its count.
    bool heldDestroyed = false;
    TrackedPoint* held = new TrackedPoint(7, 8, &heldDestroyed);
    held->addRef();
    rect.setPosition(held);
    EXPECT_FALSE(heldDestroyed);
    EXPECT_EQ(countOf(*held), 1u);
    EXPECT_EQ(rect.getX(), 7);
    held->release();
    EXPECT_TRUE(heldDestroyed);

    rect.setPosition(static_cast<WQPoint*>(nullptr));
    rect.setSize(static_cast<WQSize*>(nullptr));
    EXPECT_EQ(rect.getX(), 7);
    EXPECT_EQ(rect.getWidth(), 5);
}

TEST(GraphicsValues, RectGettersHandOutNewObjectsWithCountOne)
{
    const WQRect rect(-1, 2, 30, -40);
    WQPoint* position = rect.getPosition();
    WQSize* size = rect.getSize();
    ASSERT_NE(position, nullptr);
    ASSERT_NE(size, nullptr);
    EXPECT_EQ(position->getX(), -1);
    EXPECT_EQ(position->getY(), 2);
    EXPECT_EQ(size->getWidth(), 30);
    EXPECT_EQ(size->getHeight(), -40);
    EXPECT_EQ(countOf(*position), 1u);
    EXPECT_EQ(position->release(), 0u);
    EXPECT_EQ(size->release(), 0u);
}

TEST(GraphicsDescriptions, IconResourceNames)
{
    const struct {
        int type;
        uintptr_t resource;
    } cases[] = {
        {ICON_APPLICATION, 32512}, {ICON_ASTERISK, 32516}, {ICON_ERROR, 32513}, {ICON_EXCLAMATION, 32515},
        {ICON_HAND, 32513}, {ICON_INFORMATION, 32516}, {ICON_QUESTION, 32514}, {ICON_WARNING, 32515},
        {ICON_WINLOGO, 32517}, {ICON_CUSTOM, 0}, {11, 0}, {-1, 0},
    };
    for (const auto& c : cases) {
        WQIcon icon;
        icon.setType(c.type);
        EXPECT_EQ(reinterpret_cast<uintptr_t>(icon.getResourceName()), c.resource) << "type " << c.type;
    }

    WQIcon icon;
    EXPECT_EQ(icon.getType(), ICON_APPLICATION);
    // The name is kept byte for byte, code page 936 text included.
    const char name[] = "C:\\\xCD\xEA\xB3\xC9\\a.ico";
    icon.setFile(WQString(name));
    EXPECT_EQ(icon.getType(), ICON_FILE);
    EXPECT_STREQ(icon.getResourceName(), name);
    // A custom shape that a derived class did not describe is empty.
    EXPECT_EQ(icon.getWidth() + icon.getHeight(), 0);
    EXPECT_EQ(icon.getPlanes(), 1);
    EXPECT_EQ(icon.getBitsPerPixel(), 24);
    EXPECT_EQ(icon.getAndMask(), nullptr);
    EXPECT_EQ(icon.getXorMask(), nullptr);
}

TEST(GraphicsDescriptions, CursorResources)
{
    const struct {
        int type;
        int resource;
    } cases[] = {
        {CURSOR_NO, 32648}, {CURSOR_SIZENESW, 32643}, {CURSOR_SIZENWSE, 32642}, {CURSOR_SIZENS, 32645},
        {CURSOR_UPARROW, 32516}, {CURSOR_CROSS, 32515}, {CURSOR_HAND, 32649}, {CURSOR_SIZE, 32640},
        {CURSOR_SIZEALL, 32646}, {CURSOR_ICON, 32641}, {CURSOR_ARROW, 32512}, {CURSOR_SIZEWE, 32644},
        {CURSOR_HELP, 32651}, {CURSOR_APPSTARTING, 32650}, {CURSOR_IBEAM, 32513},
        // No system cursor: a custom shape, unknown types, and 78, whose 12
        // names none either.
        {CURSOR_CUSTOM, 0}, {1, 0}, {69, 0}, {-68, 0}, {78, 12},
    };
    for (const auto& c : cases)
        EXPECT_EQ(cursorResourceFor(c.type), c.resource) << "type " << c.type;

    WQCursor cursor;
    EXPECT_EQ(cursor.getType(), CURSOR_CUSTOM);
    EXPECT_EQ(cursor.getWidth() + cursor.getHeight() + cursor.getHotSpotX() + cursor.getHotSpotY(), 0);
    EXPECT_EQ(cursor.getPlanes(), 1);
    EXPECT_EQ(cursor.getBitsPerPixel(), 1);
    EXPECT_EQ(cursor.getAndMask(), nullptr);
}

TEST(GraphicsDescriptions, ACaretDescriptionStartsOneBySixteen)
{
    IWQCaret caret;
    EXPECT_EQ(caret.getWidth(), 1);
    EXPECT_EQ(caret.getHeight(), 16);
    caret.setWidth(2);
    caret.setHeight(30);
    EXPECT_EQ(caret.getWidth(), 2);
    EXPECT_EQ(caret.getHeight(), 30);
}

namespace {

// Draws nothing; records the lines the frames ask for and the foreground
// colour each one gets.
class LineRecorder : public IWQGraphics {
public:
    explicit LineRecorder(WQColor* foreground) : m_foreground(foreground) {}
    WQColor* getForeground() override
    {
        if (m_foreground != nullptr)
            m_foreground->addRef();
        return m_foreground;
    }
    void drawLine(int, int, int, int, int width) override
    {
        widths.push_back(width);
        colors.push_back(m_foreground->getARGB());
    }
    std::vector<int> widths;
    std::vector<uint32_t> colors;

private:
    WQColor* m_foreground;
};

} // namespace

TEST(GraphicsDescriptions, FramesWorkThroughAnyImplementationsForegroundAndLines)
{
    const struct {
        int style;
        size_t lines;
        std::vector<uint32_t> firstColors; // of the groups, in drawing order
    } cases[] = {
        {FRAME_SUNKEN, 8, {0x7FACA899, 0x7FFFFFFF, 0x7F716F64, 0x7FF1EFE2}},
        {FRAME_RAISED, 6, {0x7F000000, 0x7F7B7B7B, 0x7FFFFFFF}},
        {FRAME_ETCHED, 8, {0x7F7F7F7F, 0x7FFFFFFF}},
        {3, 0, {}},
    };
    for (const auto& c : cases) {
        WQColor foreground;
        foreground.setARGB(0x7F010203);
        foreground.addRef();
        LineRecorder recorder(&foreground);
        recorder.drawFrame(0, 0, 10, 10, c.style);
        EXPECT_EQ(recorder.widths.size(), c.lines) << "style " << c.style;
        EXPECT_EQ(std::count(recorder.widths.begin(), recorder.widths.end(), 1),
            static_cast<long>(recorder.widths.size()));
        std::vector<uint32_t> groups;
        for (uint32_t color : recorder.colors) {
            if (groups.empty() || groups.back() != color)
                groups.push_back(color);
        }
        EXPECT_EQ(groups, c.firstColors) << "style " << c.style;
        // The colour, alpha included, and the count are given back.
        EXPECT_EQ(foreground.getARGB(), 0x7F010203u);
        EXPECT_EQ(countOf(foreground), 1u);
    }

    // Without a foreground object there is nothing to draw with.
    LineRecorder bare(nullptr);
    bare.drawFrame(0, 0, 10, 10, FRAME_SUNKEN);
    bare.drawEtchedFrame(0, 0, 10, 10);
    EXPECT_TRUE(bare.widths.empty());
}
