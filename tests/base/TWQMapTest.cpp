#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "AllocationFailure.h"
#include "base/TWQMap.h"
#include "base/WQString.h"

using namespace WQSDK;

namespace {

using Map = TWQMap<WQString, WQString>;
using PointerMap = TWQMap<WQString, int*>;

std::string text(const WQString& s)
{
    return s.c_str() != nullptr ? std::string(s.c_str(), static_cast<std::size_t>(s.length())) : "<null>";
}

// A key whose text is null, as the trims leave it.
WQString nullKey()
{
    WQString s(" ");
    s.trimLeft();
    return s;
}

void fill(Map& map, std::initializer_list<std::pair<const char*, const char*>> pairs)
{
    for (const auto& pair : pairs)
        ASSERT_EQ(1, map.put(WQString(pair.first), WQString(pair.second)));
}

// "key=value;" for every entry in iteration order. Moves the cursor to the
// end.
std::string entries(Map& map)
{
    std::string out;
    if (map.moveFirst()) {
        do {
            out += text(map.getKey()) + "=" + text(map.getValue()) + ";";
        } while (map.moveNext());
    }
    EXPECT_EQ(map.isEmpty(), out.empty() ? 1 : 0);
    return out;
}

TEST(TWQMap, PutKeepsFirstValue)
{
    Map map;
    EXPECT_STREQ("WQObject.TWQMap", map.getClassName());
    EXPECT_EQ(1, map.isEmpty());
    EXPECT_EQ(1, map.put(WQString("k"), WQString("first")));
    EXPECT_EQ(0, map.put(WQString("k"), WQString("second")));
    EXPECT_EQ(1, map.put(WQString("K"), WQString("upper")));
    EXPECT_EQ(2, map.size());
    EXPECT_EQ(0, map.isEmpty());

    WQString out("untouched");
    EXPECT_EQ(1, map.get(WQString("k"), out));
    EXPECT_EQ("first", text(out));
    out.assign("untouched");
    EXPECT_EQ(0, map.get(WQString("missing"), out));
    EXPECT_EQ("untouched", text(out));

    EXPECT_EQ(1, map.containsKey(WQString("K")));
    EXPECT_EQ(0, map.containsKey(WQString("x")));
    EXPECT_EQ(1, map.containsValue(WQString("upper")));
    EXPECT_EQ(0, map.containsValue(WQString("Upper")));
    EXPECT_EQ(0, map.containsValue(WQString("second")));
}

TEST(TWQMap, KeysInUnsignedByteOrder)
{
    Map map;
    for (const char* key : {"b", "a", "\xE4", "Z", "A", "", "ab"})
        ASSERT_EQ(1, map.put(WQString(key), WQString("v")));

    std::vector<std::string> keys;
    ASSERT_EQ(1, map.moveFirst());
    do {
        keys.push_back(text(map.getKey()));
    } while (map.moveNext());
    const std::vector<std::string> expected = {"", "A", "Z", "a", "ab", "b", "\xE4"};
    EXPECT_EQ(expected, keys);

    // A key without text sorts before every key with one, so it finds none
    // of them.
    EXPECT_EQ(0, map.containsKey(nullKey()));
}

TEST(TWQMap, RemovingDuringIterationSkipsNothing)
{
    struct Case {
        const char* name;
        // Called at each visited key; may remove.
        std::function<void(Map&, const std::string&)> visit;
        const char* visited;
        const char* remaining;
    };
    const Case cases[] = {
        {"remove the second key",
         [](Map& m, const std::string& key) {
             if (key == "b") {
                 EXPECT_EQ("2", text(m.remove(WQString("b"))));
             }
         },
         "a,b,c,", "a=1;c=3;"},
        {"remove every key",
         [](Map& m, const std::string& key) { m.remove(WQString(key.c_str())); },
         "a,b,c,", ""},
        {"remove an absent key",
         [](Map& m, const std::string& key) {
             if (key == "b") {
                 EXPECT_EQ("", text(m.remove(WQString("zz"))));
             }
         },
         "a,b,c,", "a=1;b=2;c=3;"},
    };
    for (const Case& c : cases) {
        Map map;
        fill(map, {{"a", "1"}, {"b", "2"}, {"c", "3"}});
        std::string visited;
        ASSERT_EQ(1, map.moveFirst());
        do {
            const std::string key = text(map.getKey());
            visited += key + ",";
            c.visit(map, key);
        } while (map.moveNext());
        EXPECT_EQ(c.visited, visited) << c.name;
        EXPECT_EQ(c.remaining, entries(map)) << c.name;
    }
}

TEST(TWQMap, CursorAtEnd)
{
    Map map;
    EXPECT_EQ(0, map.moveFirst());
    EXPECT_EQ(0, map.moveNext());
    EXPECT_EQ("", text(map.getKey()));
    EXPECT_EQ("", text(map.getValue()));
    EXPECT_EQ("", text(map.remove(WQString("a"))));

    fill(map, {{"a", "1"}});
    ASSERT_EQ(1, map.moveFirst());
    EXPECT_EQ(0, map.moveNext());
    EXPECT_EQ(0, map.moveNext());
    EXPECT_EQ("", text(map.getKey()));
    EXPECT_EQ("fallback", text(map.getValue(WQString("fallback"))));

    // Removing the last entry leaves the cursor at the end.
    ASSERT_EQ(1, map.moveFirst());
    EXPECT_EQ("1", text(map.remove(WQString("a"))));
    EXPECT_EQ(0, map.moveNext());

    fill(map, {{"a", "1"}, {"b", "2"}});
    map.removeAll();
    EXPECT_EQ(0, map.size());
    EXPECT_EQ(0, map.moveFirst());
}

TEST(TWQMap, PointerValuesAreNotOwned)
{
    int one = 1;
    int twin = 1;
    PointerMap map;
    EXPECT_EQ(1, map.put(WQString("one"), &one));
    EXPECT_EQ(1, map.containsValue(&one));
    EXPECT_EQ(0, map.containsValue(&twin)) << "compared by pointer, not by value";

    int* out = nullptr;
    EXPECT_EQ(1, map.get(WQString("one"), out));
    EXPECT_EQ(&one, out);
    EXPECT_EQ(nullptr, map.remove(WQString("two")));

    int fallback = 0;
    EXPECT_EQ(&fallback, map.getValue(&fallback));
    ASSERT_EQ(1, map.moveFirst());
    EXPECT_EQ(&one, map.getValue(&fallback));

    EXPECT_EQ(&one, map.remove(WQString("one")));
    // Stack values: freeing them would be caught here.
    map.put(WQString("twin"), &twin);
    map.removeAll();
    EXPECT_EQ(1, twin);
}

TEST(TWQMap, CopiesMoveSourceCursorToEnd)
{
    Map source;
    fill(source, {{"a", "1"}, {"b", "2"}});
    ASSERT_EQ(1, source.moveFirst());

    WQObject* copy = source.clone();
    ASSERT_NE(nullptr, copy);
    EXPECT_EQ("", text(source.getKey()));
    EXPECT_EQ(0, source.moveNext());
    Map* cloned = dynamic_cast<Map*>(copy);
    ASSERT_NE(nullptr, cloned);
    EXPECT_STREQ("WQObject.TWQMap", cloned->getClassName());
    cloned->remove(WQString("a"));
    EXPECT_EQ("b=2;", entries(*cloned));
    EXPECT_EQ("a=1;b=2;", entries(source));
    EXPECT_EQ(0u, copy->release());

    Map target;
    fill(target, {{"old", "x"}});
    ASSERT_EQ(1, source.moveFirst());
    EXPECT_EQ(1, target.assign(source));
    EXPECT_EQ("", text(source.getKey()));
    EXPECT_EQ("a=1;b=2;", entries(target));
    EXPECT_EQ(1, target.assign(target));
    EXPECT_EQ("a=1;b=2;", entries(target));

    Map constructed(source);
    EXPECT_EQ("a=1;b=2;", entries(constructed));
}

TEST(TWQMap, FailedAllocationLeavesMapUnchanged)
{
    Map other;
    fill(other, {{"x", "7"}, {"y", "8"}, {"z", "9"}});
    const WQString key("new");
    const WQString value("value");
    struct Case {
        const char* name;
        std::function<bool(Map&)> operation;
        const char* expected;
    };
    const Case cases[] = {
        {"put", [&](Map& m) { return m.put(key, value) == 1; }, "a=1;b=2;new=value;"},
        {"remove", [](Map& m) { return text(m.remove(WQString("a"))) == "1"; }, "b=2;"},
        {"assign", [&](Map& m) { return m.assign(other) == 1; }, "x=7;y=8;z=9;"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const long failures = failedAttemptsBeforeSuccess([&](long successes) {
            Map map;
            fill(map, {{"a", "1"}, {"b", "2"}});
            bool done;
            {
                FailingAllocations fail(successes);
                done = c.operation(map);
            }
            EXPECT_EQ(done ? c.expected : "a=1;b=2;", entries(map));
            return done;
        });
        EXPECT_GT(failures, 0);
    }

    Map source;
    fill(source, {{"a", "1"}, {"b", "2"}});
    const long failures = failedAttemptsBeforeSuccess([&](long successes) {
        WQObject* copy;
        {
            FailingAllocations fail(successes);
            copy = source.clone();
        }
        if (copy == nullptr)
            return false;
        EXPECT_EQ("a=1;b=2;", entries(*dynamic_cast<Map*>(copy)));
        copy->release();
        return true;
    });
    EXPECT_GT(failures, 0);
}

} // namespace
