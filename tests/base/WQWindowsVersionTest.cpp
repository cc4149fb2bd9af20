#include <gtest/gtest.h>

#include "base/WQWindowsVersion.h"

using namespace WQSDK;

namespace {

TEST(WQWindowsVersion, ClassifiesEveryRelease)
{
    struct Case {
        uint32_t major, minor, platform;
        uint8_t productType;
        int expected;
    };
    const Case cases[] = {
        {3, 10, 0, 0, 1},     // Win32s
        {6, 1, 3, 0, 1},      // Windows CE, whatever the numbers
        {4, 0, 1, 0, 4},      // Windows 95
        {4, 0, 2, 1, 32},     // NT 4
        {4, 0, 5, 0, 0},
        {4, 10, 1, 0, 8},     // Windows 98
        {4, 90, 1, 0, 16},    // Me
        {5, 0, 2, 1, 64},     // 2000
        {5, 1, 2, 1, 128},    // XP
        {5, 2, 2, 3, 2048},   // Server 2003 / XP x64
        {6, 0, 2, 1, 256},    // Vista
        {6, 0, 2, 3, 512},    // Server 2008
        {6, 0, 2, 2, 512},
        {6, 1, 2, 1, 1024},   // 7
        {6, 1, 2, 3, 1024},
        {6, 2, 2, 1, 0},      // 8
        {6, 3, 2, 1, 0},
        {10, 0, 2, 1, 0},
        {5, 3, 2, 1, 0},
    };
    for (const Case& c : cases) {
        const WQVersionRecord record = {c.major, c.minor, c.platform, c.productType};
        EXPECT_EQ(c.expected, classifyWindowsVersion(record))
            << c.major << "." << c.minor << " platform " << c.platform << " type " << int(c.productType);
    }
}

} // namespace
