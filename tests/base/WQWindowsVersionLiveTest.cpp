#include <gtest/gtest.h>

#include "base/WQString.h"

using namespace WQSDK;

namespace {

// The test machines report Windows 7.
TEST(WQWindowsVersionLive, RunningSystemIsWindows7)
{
    EXPECT_EQ(1024, getWindowsVersion());
}

} // namespace
