#include <windows.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "Canvas.h"
#include "GdiObjects.h"
#include "Primitives.h"

using namespace WQSDK;

namespace {

const int CALLS = 10000;

class EveryPrimitive : public testing::TestWithParam<size_t> {};

std::string nameOf(const testing::TestParamInfo<size_t>& info)
{
    return everyPrimitive()[info.param].name;
}

} // namespace

TEST(GraphicsLeaks, TheCountSeesObjectsComeAndGo)
{
    const long before = gdiObjectCount();
    ASSERT_GE(before, 0);
    std::vector<HPEN> pens;
    for (int i = 0; i < 100; ++i)
        pens.push_back(CreatePen(PS_SOLID, 1, RGB(i, 0, 0)));
    EXPECT_EQ(gdiObjectCount(), before + 100);
    for (HPEN pen : pens)
        DeleteObject(pen);
    EXPECT_EQ(gdiObjectCount(), before);
}

// Each primitive, called many times on a real buffer with text and image
// operations included, leaves the process with as many GDI objects as it
// found.
TEST_P(EveryPrimitive, LeavesNoGdiObjectBehind)
{
    Canvas canvas(40, 30);
    const Primitive primitive = everyPrimitive()[GetParam()];
    // The first calls may set up objects GDI keeps for the process (font
    // caches and the like).
    for (int i = 0; i < 3; ++i)
        primitive.call(canvas.g());
    const long before = gdiObjectCount();
    ASSERT_GE(before, 0);
    for (int i = 0; i < CALLS; ++i)
        primitive.call(canvas.g());
    EXPECT_EQ(gdiObjectCount(), before) << primitive.name;
}

INSTANTIATE_TEST_SUITE_P(GraphicsLeaks, EveryPrimitive, testing::Range<size_t>(0, everyPrimitive().size()), nameOf);
