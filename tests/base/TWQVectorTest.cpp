#include <vector>

#include <gtest/gtest.h>

#include "AllocationFailure.h"
#include "base/TWQVector.h"

using namespace WQSDK;

namespace {

using Vector = TWQVector<void*>;

int g_slots[40];

void* item(int i)
{
    return &g_slots[i];
}

void fill(Vector& vector, int count)
{
    for (int i = 0; i < count; ++i)
        ASSERT_EQ(1, vector.add(item(i)));
}

std::vector<void*> items(const Vector& vector)
{
    std::vector<void*> out;
    for (int i = 0; i < vector.getCount(); ++i)
        out.push_back(vector.get(i));
    return out;
}

std::vector<void*> itemsOf(std::initializer_list<int> indices)
{
    std::vector<void*> out;
    for (int i : indices)
        out.push_back(item(i));
    return out;
}

TEST(TWQVector, GrowsTenSlotsAtATime)
{
    Vector vector;
    EXPECT_STREQ("WQObject.TWQVector", vector.getClassName());
    EXPECT_EQ(10, vector.getCapacity());
    EXPECT_EQ(0, vector.getCount());
    EXPECT_EQ(nullptr, vector.get(0));

    fill(vector, 10);
    EXPECT_EQ(10, vector.getCapacity());
    ASSERT_EQ(1, vector.add(item(10)));
    EXPECT_EQ(20, vector.getCapacity());
    EXPECT_EQ(11, vector.getCount());
    EXPECT_EQ(itemsOf({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}), items(vector));
    EXPECT_EQ(nullptr, vector.get(11));
    EXPECT_EQ(nullptr, vector.get(-1));

    for (int i = 11; i < 21; ++i)
        vector.add(item(i));
    EXPECT_EQ(30, vector.getCapacity());
}

TEST(TWQVector, RemoveTakesFirstOccurrenceAndShifts)
{
    Vector vector;
    for (int i : {0, 1, 2, 1, 3})
        vector.add(item(i));
    EXPECT_EQ(1, vector.remove(item(1)));
    EXPECT_EQ(itemsOf({0, 2, 1, 3}), items(vector));
    EXPECT_EQ(1, vector.remove(item(3)));
    EXPECT_EQ(1, vector.remove(item(0)));
    EXPECT_EQ(itemsOf({2, 1}), items(vector));
    EXPECT_EQ(0, vector.remove(item(9)));
    EXPECT_EQ(itemsOf({2, 1}), items(vector));
    EXPECT_EQ(nullptr, vector.get(2));

    Vector grown;
    fill(grown, 15);
    for (int i = 0; i < 15; ++i)
        grown.remove(item(i));
    // Capacity never shrinks.
    EXPECT_EQ(0, grown.getCount());
    EXPECT_EQ(20, grown.getCapacity());
}

TEST(TWQVector, AssignAndClone)
{
    Vector source;
    fill(source, 25);

    Vector target;
    fill(target, 3);
    EXPECT_EQ(1, target.assign(source));
    EXPECT_EQ(items(source), items(target));
    EXPECT_EQ(30, target.getCapacity());
    EXPECT_EQ(1, target.assign(target));
    EXPECT_EQ(25, target.getCount());

    Vector copied(source);
    EXPECT_EQ(items(source), items(copied));

    WQObject* copy = source.clone();
    ASSERT_NE(nullptr, copy);
    Vector* cloned = dynamic_cast<Vector*>(copy);
    ASSERT_NE(nullptr, cloned);
    EXPECT_EQ(items(source), items(*cloned));
    cloned->remove(item(0));
    EXPECT_EQ(25, source.getCount());
    EXPECT_EQ(0u, copy->release());
}

TEST(TWQVector, FailedGrowthLeavesVectorUnchanged)
{
    Vector vector;
    fill(vector, 10);
    {
        FailingAllocations fail(0);
        EXPECT_EQ(0, vector.add(item(10)));
        // Adding into a free slot needs no allocation.
        EXPECT_EQ(1, vector.remove(item(9)));
        EXPECT_EQ(1, vector.add(item(9)));
    }
    EXPECT_EQ(10, vector.getCount());
    EXPECT_EQ(10, vector.getCapacity());
    EXPECT_EQ(itemsOf({0, 1, 2, 3, 4, 5, 6, 7, 8, 9}), items(vector));

    Vector source;
    fill(source, 25);
    Vector target;
    fill(target, 2);
    {
        FailingAllocations fail(0);
        EXPECT_EQ(0, target.assign(source));
        EXPECT_EQ(nullptr, source.clone());
    }
    EXPECT_EQ(itemsOf({0, 1}), items(target));
    EXPECT_EQ(10, target.getCapacity());

    // A vector whose first array could not be allocated still works.
    Vector* starved;
    {
        FailingAllocations fail(1);
        starved = new Vector();
    }
    EXPECT_EQ(0, starved->getCapacity());
    EXPECT_EQ(1, starved->add(item(0)));
    EXPECT_EQ(10, starved->getCapacity());
    EXPECT_EQ(item(0), starved->get(0));
    delete starved;
}

} // namespace
