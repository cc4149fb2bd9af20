#include <functional>
#include <initializer_list>
#include <string>

#include <gtest/gtest.h>

#include "AllocationFailure.h"
#include "base/TWQList.h"
#include "base/WQString.h"

using namespace WQSDK;

namespace {

using List = TWQList<WQString>;

void fill(List& list, std::initializer_list<const char*> items)
{
    for (const char* item : items)
        ASSERT_EQ(1, list.addLast(WQString(item)));
}

// Puts the cursor on the element at `index`.
void moveTo(List& list, int index)
{
    ASSERT_EQ(1, list.moveFirst());
    for (int i = 0; i < index; ++i)
        ASSERT_EQ(1, list.moveNext());
}

std::string current(List& list)
{
    const WQString* item = list.getCurrent();
    return item != nullptr ? std::string(item->c_str(), static_cast<std::size_t>(item->length())) : "<none>";
}

// The elements first to last, joined by ','. Also walks back from the last
// element, so that broken back links or a wrong count show. Moves the
// cursor.
std::string elements(List& list)
{
    std::string forward;
    std::string backward;
    int forwardCount = 0;
    if (list.moveFirst()) {
        do {
            forward += (forwardCount++ ? "," : "") + current(list);
        } while (list.moveNext());
    }
    if (list.moveLast()) {
        bool last = true;
        do {
            backward = current(list) + (last ? "" : ",") + backward;
            last = false;
        } while (list.movePrev());
    }
    EXPECT_EQ(forward, backward);
    EXPECT_EQ(forwardCount, list.getCount());
    return forward;
}

TEST(TWQList, EmptyListRefusesCursorOperations)
{
    List list;
    EXPECT_STREQ("WQObject.TWQList", list.getClassName());
    EXPECT_EQ(0, list.getCount());
    EXPECT_EQ(0, list.moveFirst());
    EXPECT_EQ(0, list.moveLast());
    EXPECT_EQ(0, list.moveNext());
    EXPECT_EQ(0, list.movePrev());
    EXPECT_EQ(0, list.isFirst());
    EXPECT_EQ(0, list.isLast());
    EXPECT_EQ(nullptr, list.getCurrent());
    EXPECT_EQ(0, list.insert(WQString("x"), 1));
    EXPECT_EQ(0, list.setCurrent(WQString("x")));
    EXPECT_EQ(0, list.removeCurrent());
    EXPECT_EQ("", elements(list));
}

TEST(TWQList, AddingKeepsTheCursor)
{
    List list;
    EXPECT_EQ(1, list.addLast(WQString("b")));
    // The first node is first, last and current at once.
    EXPECT_EQ("b", current(list));
    EXPECT_EQ(1, list.isFirst());
    EXPECT_EQ(1, list.isLast());

    EXPECT_EQ(1, list.addFirst(WQString("a")));
    EXPECT_EQ(1, list.addLast(WQString("c")));
    EXPECT_EQ("b", current(list));
    EXPECT_EQ(0, list.isFirst());
    EXPECT_EQ(0, list.isLast());
    EXPECT_EQ("a,b,c", elements(list));

    List other;
    EXPECT_EQ(1, other.addFirst(WQString("x")));
    EXPECT_EQ("x", current(other));
    EXPECT_EQ(1, other.isLast());
}

TEST(TWQList, MovesStopAtTheEnds)
{
    List list;
    fill(list, {"a", "b"});
    EXPECT_EQ(1, list.moveLast());
    EXPECT_EQ(0, list.moveNext());
    EXPECT_EQ("b", current(list));
    EXPECT_EQ(1, list.movePrev());
    EXPECT_EQ(0, list.movePrev());
    EXPECT_EQ("a", current(list));
    EXPECT_EQ(1, list.isFirst());
}

TEST(TWQList, InsertNextToCursor)
{
    struct Case {
        int cursor;
        int after;
        const char* expected;
    };
    const Case cases[] = {
        {0, 0, "new,a,b,c"},
        {0, 1, "a,new,b,c"},
        {1, 0, "a,new,b,c"},
        {1, 1, "a,b,new,c"},
        {2, 0, "a,b,new,c"},
        {2, 1, "a,b,c,new"},
    };
    for (const Case& c : cases) {
        List list;
        fill(list, {"a", "b", "c"});
        moveTo(list, c.cursor);
        const std::string before = current(list);
        EXPECT_EQ(1, list.insert(WQString("new"), c.after));
        EXPECT_EQ(before, current(list)) << "the cursor stays";
        EXPECT_EQ(c.expected, elements(list)) << "cursor " << c.cursor << " after " << c.after;
        // Inserting at an end makes the new node that end.
        EXPECT_EQ(1, list.moveFirst());
        EXPECT_EQ(c.expected[0] == 'n' ? "new" : "a", current(list));
    }
}

TEST(TWQList, RemoveCurrentMovesCursor)
{
    struct Case {
        std::initializer_list<const char*> items;
        int cursor;
        const char* remaining;
        const char* current;
    };
    const Case cases[] = {
        {{"a"}, 0, "", "<none>"},
        {{"a", "b", "c"}, 0, "b,c", "b"},
        {{"a", "b", "c"}, 1, "a,c", "c"},
        {{"a", "b", "c"}, 2, "a,b", "b"},
    };
    for (const Case& c : cases) {
        List list;
        fill(list, c.items);
        moveTo(list, c.cursor);
        EXPECT_EQ(1, list.removeCurrent());
        EXPECT_EQ(c.current, current(list)) << "removing " << c.cursor;
        EXPECT_EQ(c.remaining, elements(list)) << "removing " << c.cursor;
    }

    List list;
    fill(list, {"a", "b"});
    EXPECT_EQ(1, list.removeCurrent());
    EXPECT_EQ(1, list.removeCurrent());
    EXPECT_EQ(0, list.removeCurrent());
    EXPECT_EQ(0, list.getCount());
    // An emptied list takes new nodes as a fresh one.
    EXPECT_EQ(1, list.addFirst(WQString("z")));
    EXPECT_EQ("z", current(list));
    EXPECT_EQ("z", elements(list));
}

TEST(TWQList, StoresCopiesAndSetsCurrent)
{
    List list;
    WQString value("one");
    fill(list, {"a", "b"});
    list.addLast(value);
    value.assign("changed");
    EXPECT_EQ("a,b,one", elements(list));

    moveTo(list, 1);
    WQString bytes;
    bytes.assign("x\0y", 3);
    EXPECT_EQ(1, list.setCurrent(bytes));
    EXPECT_EQ(3, list.getCurrent()->length());
    EXPECT_EQ(1, list.getCurrent()->equals(bytes));

    list.removeAll();
    EXPECT_EQ(0, list.getCount());
    EXPECT_EQ(nullptr, list.getCurrent());
}

TEST(TWQList, CopiesLeaveSourceCursorOnLast)
{
    List source;
    fill(source, {"a", "b", "c"});
    moveTo(source, 0);

    WQObject* copy = source.clone();
    ASSERT_NE(nullptr, copy);
    EXPECT_EQ("c", current(source));
    List* cloned = dynamic_cast<List*>(copy);
    ASSERT_NE(nullptr, cloned);
    EXPECT_STREQ("WQObject.TWQList", cloned->getClassName());
    EXPECT_EQ("a", current(*cloned));
    cloned->setCurrent(WQString("changed"));
    EXPECT_EQ("changed,b,c", elements(*cloned));
    EXPECT_EQ("a,b,c", elements(source));
    // The clone carries one reference.
    EXPECT_EQ(0u, copy->release());

    moveTo(source, 1);
    List constructed(source);
    EXPECT_EQ("c", current(source));
    EXPECT_EQ("a", current(constructed));
    EXPECT_EQ("a,b,c", elements(constructed));

    List target;
    fill(target, {"old"});
    EXPECT_EQ(1, target.assign(source));
    EXPECT_EQ("a,b,c", elements(target));
    EXPECT_EQ(1, target.assign(target));
    EXPECT_EQ("a,b,c", elements(target));

    List empty;
    EXPECT_EQ(1, target.assign(empty));
    EXPECT_EQ("", elements(target));
}

TEST(TWQList, FailedAllocationLeavesListUnchanged)
{
    List other;
    fill(other, {"x", "y", "z"});
    struct Case {
        const char* name;
        std::function<int(List&, const WQString&)> operation;
        const char* expected;
    };
    const Case cases[] = {
        {"addFirst", [](List& l, const WQString& v) { return l.addFirst(v); }, "new,a,b"},
        {"addLast", [](List& l, const WQString& v) { return l.addLast(v); }, "a,b,new"},
        {"insert", [](List& l, const WQString& v) { return l.insert(v, 1); }, "a,new,b"},
        {"setCurrent", [](List& l, const WQString& v) { return l.setCurrent(v); }, "new,b"},
        {"assign", [&](List& l, const WQString&) { return l.assign(other); }, "x,y,z"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const long failures = failedAttemptsBeforeSuccess([&](long successes) {
            List list;
            fill(list, {"a", "b"});
            moveTo(list, 0);
            const WQString value("new");
            int result;
            {
                FailingAllocations fail(successes);
                result = c.operation(list, value);
            }
            const std::string now = elements(list);
            EXPECT_EQ(result ? c.expected : "a,b", now);
            return result == 1;
        });
        EXPECT_GT(failures, 0);
    }

    List source;
    fill(source, {"a", "b", "c"});
    const long failures = failedAttemptsBeforeSuccess([&](long successes) {
        WQObject* copy;
        {
            FailingAllocations fail(successes);
            copy = source.clone();
        }
        if (copy == nullptr)
            return false;
        EXPECT_EQ("a,b,c", elements(*dynamic_cast<List*>(copy)));
        copy->release();
        return true;
    });
    EXPECT_GT(failures, 0);
}

} // namespace
