#include <cstdarg>
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "base/WQCompat.h"

using namespace WQSDK;

namespace {

int formatInto(char* buffer, std::size_t count, const char* format, ...)
{
    va_list args;
    va_start(args, format);
    const int written = compatVsnprintf(buffer, count, format, args);
    va_end(args);
    return written;
}

TEST(WQCompat, VsnprintfReportsTruncationAsNegative)
{
    struct Case {
        std::size_t count;
        const char* text;
        int result;
    };
    const Case cases[] = {
        {8, "abc", 3},
        {5, "hello", 5},  // fills the buffer exactly, without terminator
        {4, "hello", -1},
        {0, "a", -1},
        {0, "", 0},
    };
    for (const Case& c : cases) {
        char buffer[16];
        std::memset(buffer, '#', sizeof buffer);
        const int written = formatInto(buffer, c.count, "%s", c.text);
        EXPECT_EQ(c.result, written) << c.text << " into " << c.count;
        if (written >= 0) {
            EXPECT_EQ(std::string(c.text), std::string(buffer, static_cast<std::size_t>(written)));
        }
        // Nothing is written past `count` bytes.
        EXPECT_EQ('#', buffer[c.count]) << c.text << " into " << c.count;
    }
}

TEST(WQCompat, StricmpIgnoresLetterCase)
{
    EXPECT_EQ(0, compatStricmp("Hello", "hELLO"));
    EXPECT_LT(compatStricmp("apple", "Banana"), 0);
    EXPECT_GT(compatStricmp("b", "A"), 0);
    EXPECT_LT(compatStricmp("ab", "abc"), 0);
}

} // namespace
