#include <chrono>
#include <cstdint>
#include <future>
#include <thread>

#include <gtest/gtest.h>

#include "AllocationFailure.h"
#include "base/WQObject.h"
#include "base/WQTicks.h"

using namespace WQSDK;

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

struct Left : public virtual WQObject {
    Left() { appendClassName("Left"); }
};

struct Right : public virtual WQObject {
    Right() { appendClassName("Right"); }
};

// Reaches WQObject along two paths; the flag tells when it is destroyed.
struct Diamond : public virtual Left, public virtual Right {
    explicit Diamond(bool* destroyed) : m_destroyed(destroyed) { appendClassName("Diamond"); }
    ~Diamond() override { *m_destroyed = true; }
    bool* m_destroyed;
};

long msSince(Clock::time_point start)
{
    return static_cast<long>(std::chrono::duration_cast<milliseconds>(Clock::now() - start).count());
}

// Holds an object's lock on another thread for `hold`, or until letGo().
class LockHolder {
public:
    LockHolder(WQObject& object, milliseconds hold)
    {
        std::promise<void> locked;
        std::future<void> isLocked = locked.get_future();
        std::shared_future<void> released = m_release.get_future().share();
        m_thread = std::thread([&object, hold, released, locked = std::move(locked)]() mutable {
            object.lock(WQ_WAIT_INFINITE);
            locked.set_value();
            released.wait_for(hold);
            object.unlock();
        });
        isLocked.wait();
    }
    ~LockHolder()
    {
        letGo();
        m_thread.join();
    }
    void letGo()
    {
        if (!m_letGo) {
            m_letGo = true;
            m_release.set_value();
        }
    }

private:
    std::promise<void> m_release;
    bool m_letGo = false;
    std::thread m_thread;
};

// 1 when another thread can take the lock at once.
int lockFromOtherThread(WQObject& object)
{
    int got = 0;
    std::thread([&] {
        got = object.lock(0);
        if (got)
            object.unlock();
    }).join();
    return got;
}

TEST(WQObjectRefCount, OneCountAcrossEveryBasePath)
{
    bool destroyed = false;
    Diamond* object = new Diamond(&destroyed);
    Left* left = object;
    Right* right = object;
    WQObject* root = object;

    EXPECT_EQ(1u, left->addRef());
    EXPECT_EQ(2u, right->addRef());
    EXPECT_EQ(3u, root->addRef());
    EXPECT_EQ(2u, left->release());
    EXPECT_EQ(1u, right->release());
    EXPECT_FALSE(destroyed);
    // The last release goes through the root and must still run the most
    // derived destructor.
    EXPECT_EQ(0u, root->release());
    EXPECT_TRUE(destroyed);
}

TEST(WQObjectRefCount, ReleaseWithoutAddRefLeavesObjectAlone)
{
    bool destroyed = false;
    // On the stack: a delete by release would be caught at once.
    Diamond object(&destroyed);
    EXPECT_EQ(0u, object.release());
    EXPECT_EQ(0u, object.release());
    EXPECT_FALSE(destroyed);
    EXPECT_STREQ("WQObject.Left.Right.Diamond", object.getClassName());
}

TEST(WQObjectClassName, PathAndDefaults)
{
    WQObject plain;
    EXPECT_STREQ("WQObject", plain.getClassName());
    EXPECT_EQ(0u, plain.getLastError());
    EXPECT_EQ(nullptr, plain.getErrorText(1));
    EXPECT_EQ(nullptr, plain.clone());

    bool destroyed = false;
    Diamond diamond(&destroyed);
    EXPECT_STREQ("WQObject.Left.Right.Diamond", diamond.getClassName());
}

TEST(WQObjectClassName, FailedAllocationKeepsPreviousPath)
{
    struct Case {
        long successes;
        const char* name;
    };
    const Case cases[] = {
        {0, nullptr},
        {1, "WQObject"},
        {2, "WQObject.Left"},
        {3, "WQObject.Left.Right"},
        {4, "WQObject.Left.Right.Diamond"},
    };
    for (const Case& c : cases) {
        bool destroyed = false;
        FailingAllocations fail(c.successes);
        Diamond diamond(&destroyed);
        EXPECT_STREQ(c.name, diamond.getClassName()) << "after " << c.successes << " allocations";
    }
}

TEST(WQTicks, ElapsedAllowsForWrapAround)
{
    struct Case {
        uint32_t start, now, elapsed;
    };
    const Case cases[] = {
        {0, 0, 0},
        {1000, 1250, 250},
        {0xFFFFFF9Cu, 0x64u, 200},
        {0xFFFFFFFFu, 0, 1},
        {0x80000000u, 0x7FFFFFFFu, 0xFFFFFFFFu},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.elapsed, ticksElapsed(c.start, c.now)) << c.start << " -> " << c.now;
}

TEST(WQObjectLock, ZeroTimeoutIsOneAttempt)
{
    WQObject object;
    LockHolder holder(object, milliseconds(5000));
    const Clock::time_point start = Clock::now();
    EXPECT_EQ(0, object.lock(0));
    EXPECT_LT(msSince(start), 50);
}

TEST(WQObjectLock, TimeoutRoundsUpToPollInterval)
{
    WQObject object;
    LockHolder holder(object, milliseconds(5000));
    const Clock::time_point start = Clock::now();
    EXPECT_EQ(0, object.lock(250));
    const long waited = msSince(start);
    // Attempts at 0, 100, 200 and 300 ms.
    EXPECT_GE(waited, 280);
    EXPECT_LE(waited, 600);
}

TEST(WQObjectLock, TimedWaitGetsLockReleasedMeanwhile)
{
    WQObject object;
    LockHolder holder(object, milliseconds(150));
    const Clock::time_point start = Clock::now();
    EXPECT_EQ(1, object.lock(2000));
    const long waited = msSince(start);
    object.unlock();
    EXPECT_GE(waited, 90);
    EXPECT_LE(waited, 900);
}

TEST(WQObjectLock, InfiniteWaitsUntilReleased)
{
    WQObject object;
    LockHolder holder(object, milliseconds(300));
    const Clock::time_point start = Clock::now();
    EXPECT_EQ(1, object.lock(WQ_WAIT_INFINITE));
    EXPECT_GE(msSince(start), 250);
    object.unlock();
}

TEST(WQObjectLock, ReentrantForOwner)
{
    WQObject object;
    EXPECT_EQ(1, object.lock(0));
    EXPECT_EQ(1, object.lock(0));
    object.unlock();
    EXPECT_EQ(0, lockFromOtherThread(object));
    object.unlock();
    EXPECT_EQ(1, lockFromOtherThread(object));
}

} // namespace
