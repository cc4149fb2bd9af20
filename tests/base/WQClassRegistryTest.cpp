#include <atomic>
#include <chrono>
#include <thread>

#include <gtest/gtest.h>

#include "AllocationFailure.h"
#include "base/WQClassRegistry.h"

using namespace WQSDK;

namespace {

TEST(WQClassRegistry, CountsUsesPerName)
{
    const WQString window("WQWindow");
    const WQString label("WQLabel");
    EXPECT_EQ(1, WQClassRegistry::addUse(window));
    EXPECT_EQ(2, WQClassRegistry::addUse(window));
    EXPECT_EQ(1, WQClassRegistry::addUse(label));
    EXPECT_EQ(2, WQClassRegistry::useCount(window));

    EXPECT_EQ(1, WQClassRegistry::dropUse(window));
    EXPECT_EQ(1, WQClassRegistry::map().containsKey(window));
    EXPECT_EQ(0, WQClassRegistry::dropUse(window));
    EXPECT_EQ(0, WQClassRegistry::map().containsKey(window));
    EXPECT_EQ(0, WQClassRegistry::useCount(window));
    EXPECT_EQ(-1, WQClassRegistry::dropUse(window));

    // A name given back entirely starts again at 1.
    EXPECT_EQ(1, WQClassRegistry::addUse(window));
    EXPECT_EQ(0, WQClassRegistry::dropUse(window));
    EXPECT_EQ(0, WQClassRegistry::dropUse(label));
    EXPECT_EQ(1, WQClassRegistry::map().isEmpty());
}

TEST(WQClassRegistry, FailedEntryHoldsNoUse)
{
    const WQString name("WQButton");
    WQClassRegistry::map(); // built before allocations fail
    const long failures = failedAttemptsBeforeSuccess([&](long successes) {
        int count;
        {
            FailingAllocations fail(successes);
            count = WQClassRegistry::addUse(name);
        }
        if (count == 0) {
            EXPECT_EQ(0, WQClassRegistry::map().containsKey(name));
            return false;
        }
        EXPECT_EQ(1, count);
        return true;
    });
    EXPECT_GT(failures, 0);
    EXPECT_EQ(0, WQClassRegistry::dropUse(name));
    EXPECT_EQ(1, WQClassRegistry::map().isEmpty());
}

TEST(WQClassRegistry, WaitsForLockHeldElsewhere)
{
    const WQString name("WQGuage");
    WQClassRegistry::Map& registry = WQClassRegistry::map();
    ASSERT_EQ(1, registry.lock(WQ_WAIT_INFINITE));

    std::atomic<int> result(-100);
    std::thread user([&] { result = WQClassRegistry::addUse(name); });
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    EXPECT_EQ(-100, result.load()) << "the registry was changed while locked";
    EXPECT_EQ(0, registry.containsKey(name));
    registry.unlock();
    user.join();

    EXPECT_EQ(1, result.load());
    EXPECT_EQ(0, WQClassRegistry::dropUse(name));
}

} // namespace
