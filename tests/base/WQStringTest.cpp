#include <cstdarg>
#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "AllocationFailure.h"
#include "base/WQString.h"

using namespace WQSDK;

namespace {

const char* const NULL_TEXT = "<null>";

// The bytes within the length, or NULL_TEXT for a string without text.
std::string contents(const WQString& s)
{
    if (s.c_str() == nullptr)
        return s.length() == 0 ? NULL_TEXT : "<null with length " + std::to_string(s.length()) + ">";
    return std::string(s.c_str(), static_cast<std::size_t>(s.length()));
}

// A string whose text is null, as the trims leave it.
WQString nullString()
{
    WQString s(" ");
    s.trimRight();
    return s;
}

int sign(int value)
{
    return (value > 0) - (value < 0);
}

TEST(WQString, ConstructionAndCopies)
{
    WQString empty;
    EXPECT_EQ("", contents(empty));
    EXPECT_NE(nullptr, empty.c_str());
    EXPECT_EQ("", contents(WQString(nullptr)));
    EXPECT_STREQ("WQObject.WQString", empty.getClassName());

    WQString original("abc");
    WQString copy(original);
    EXPECT_EQ("abc", contents(copy));
    EXPECT_NE(original.c_str(), copy.c_str());
    EXPECT_NE(original.getClassName(), copy.getClassName());
    copy.append("d");
    EXPECT_EQ("abc", contents(original));

    WQString target("zz");
    target = original;
    EXPECT_EQ("abc", contents(target));
}

TEST(WQString, AssignCopiesExactByteCount)
{
    struct Case {
        const char* bytes;
        int32_t length;
        std::string expected;
    };
    const Case cases[] = {
        {"abcdef", 3, "abc"},
        {"a\0b", 3, std::string("a\0b", 3)},
        {"abc", 0, ""},
        {nullptr, 5, ""},
        {"abc", -1, "xyz"}, // ignored
    };
    for (const Case& c : cases) {
        WQString s("xyz");
        s.assign(c.bytes, c.length);
        EXPECT_EQ(c.expected, contents(s)) << "length " << c.length;
    }

    WQString s("xyz");
    EXPECT_EQ("", contents(s.assign(nullptr)));
    EXPECT_EQ("hello", contents(s.assign("hello")));
}

TEST(WQString, AssignFromOwnBuffer)
{
    WQString s("abcdef");
    s.assign(s.c_str(), 2);
    EXPECT_EQ("abcdef", contents(s));
    // A range inside the buffer is copied before the old buffer goes.
    s.assign(s.c_str() + 2, 3);
    EXPECT_EQ("cde", contents(s));
}

TEST(WQString, AppendAndConcat)
{
    struct Case {
        const char* initial;
        const char* text;
        std::string expected;
    };
    const Case cases[] = {
        {"ab", "cd", "abcd"},
        {"ab", nullptr, "ab"},
        {"", "x", "x"},
        {"ab", "", "ab"},
    };
    for (const Case& c : cases) {
        WQString s(c.initial);
        s.append(c.text);
        EXPECT_EQ(c.expected, contents(s)) << c.initial;
    }

    WQString none = nullString();
    EXPECT_EQ("x", contents(none.append("x")));

    WQString s("abc");
    s.append(s.c_str());
    EXPECT_EQ("abc", contents(s));
    s.append(s.c_str() + 1);
    EXPECT_EQ("abcbc", contents(s));

    WQString base("path");
    WQString joined = base.concat("\\file");
    EXPECT_EQ("path\\file", contents(joined));
    EXPECT_EQ("path", contents(base));
}

TEST(WQString, DiffersIsCaseSensitiveAndCountsLength)
{
    struct Case {
        std::string string;
        const char* text;
        int expected;
    };
    const Case cases[] = {
        {"", nullptr, 0},
        {"a", nullptr, 1},
        {"", "", 0},
        {"abc", "abc", 0},
        {"abc", "ABC", 1},
        {"abc", "ab", 1},
        {"ab", "abc", 1},
        {std::string("a\0b", 3), "a", 1},
    };
    for (const Case& c : cases) {
        WQString s;
        s.assign(c.string.data(), static_cast<int32_t>(c.string.size()));
        EXPECT_EQ(c.expected, s.differs(c.text)) << c.string << " vs " << (c.text ? c.text : "null");
    }
    EXPECT_EQ(0, nullString().differs(""));
}

TEST(WQString, CompareNoCase)
{
    struct Case {
        const char* string;
        const char* text;
        int expected;
    };
    const Case cases[] = {
        {"abc", "ABC", 0},
        {"abc", "", 1},
        {"", "abc", -1},
        {"", "", 0},
        {"abc", nullptr, 1},
        {"abc", "abd", -1},
        // Case-insensitive order differs from byte order here.
        {"B", "a", 1},
        {"a", "B", -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, sign(WQString(c.string).compareNoCase(c.text))) << c.string;
    EXPECT_EQ(0, nullString().compareNoCase(""));
}

TEST(WQString, CompareToIsUnsignedByteOrderWithNullFirst)
{
    struct Case {
        const char* a;
        const char* b;
        int expected;
    };
    const Case cases[] = {
        {"abc", "abc", 0},
        {"A", "a", -1},
        {"Zz", "a", -1},
        {"z", "\xE4", -1},
        {"ab", "a", 1},
        {"", "a", -1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.expected, sign(WQString(c.a).compareTo(WQString(c.b)))) << c.a << " / " << c.b;
        EXPECT_EQ(-c.expected, sign(WQString(c.b).compareTo(WQString(c.a)))) << c.b << " / " << c.a;
    }
    EXPECT_EQ(-1, sign(nullString().compareTo(WQString(""))));
    EXPECT_EQ(1, sign(WQString("").compareTo(nullString())));
    EXPECT_EQ(0, nullString().compareTo(nullString()));
}

TEST(WQString, Searching)
{
    struct Case {
        const char* string;
        char byte;
        int index;
    };
    const Case indexCases[] = {
        {"hello", 'l', 2},
        {"hello", 'h', 0},
        {"hello", 'z', -1},
        {"", 'a', -1},
    };
    for (const Case& c : indexCases)
        EXPECT_EQ(c.index, WQString(c.string).indexOf(c.byte)) << c.string << " " << c.byte;
    EXPECT_EQ(-1, nullString().indexOf('a'));

    struct PathCase {
        const char* path;
        int index;
    };
    const PathCase pathCases[] = {
        {"abcd\\ef", 4},
        {"C:\\a\\b\\", 6},
        {"\\", 0},
        {"abc", -1},
        {"", -1},
    };
    for (const PathCase& c : pathCases)
        EXPECT_EQ(c.index, WQString(c.path).lastBackslash()) << c.path;
    EXPECT_EQ(-1, nullString().lastBackslash());
}

TEST(WQString, Substring)
{
    struct Case {
        int start, end;
        std::string expected;
    };
    const Case cases[] = {
        {2, -1, "cdef"},
        {2, 3, "cd"},
        {0, 0, "a"},
        {5, 5, "f"},
        {0, 6, "abcdef"}, // the terminator position is allowed
        {6, 6, ""},
        {4, 2, ""},
        {-1, 3, ""},
        {0, 7, ""},
        {7, -1, ""},
    };
    const WQString s("abcdef");
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, contents(s.substring(c.start, c.end))) << c.start << ".." << c.end;
    EXPECT_EQ("", contents(nullString().substring(0, -1)));

    // The copy ends at an embedded NUL.
    WQString embedded;
    embedded.assign("ab\0cd", 5);
    EXPECT_EQ("b", contents(embedded.substring(1, 4)));
}

TEST(WQString, Trims)
{
    struct Case {
        const char* input;
        bool left;
        std::string expected;
    };
    const Case cases[] = {
        {"ab \r\n", false, "ab"},
        {"  ab  ", false, "  ab"},
        {"  ab  ", true, "ab  "},
        {"\t\r\n x", true, "x"},
        {"ab", true, "ab"},
        {"ab", false, "ab"},
        {"\t\t", true, NULL_TEXT},
        {" \r\n", false, NULL_TEXT},
        {"", false, ""},
        {"", true, NULL_TEXT},
    };
    for (const Case& c : cases) {
        WQString s(c.input);
        if (c.left)
            s.trimLeft();
        else
            s.trimRight();
        EXPECT_EQ(c.expected, contents(s)) << (c.left ? "left " : "right ") << '"' << c.input << '"';
    }

    WQString none = nullString();
    none.trimLeft();
    none.trimRight();
    EXPECT_EQ(NULL_TEXT, contents(none));
}

TEST(WQString, FormatGrowsPastFirstCapacity)
{
    WQString s("old");
    EXPECT_EQ("42-x", contents(s.format("%d-%s", 42, "x")));

    for (std::size_t size : {999u, 1000u, 1001u, 2500u, 3000u}) {
        const std::string text(size, 'q');
        EXPECT_EQ("<" + text + ">", contents(s.format("<%s>", text.c_str()))) << size;
    }

    EXPECT_EQ("", contents(s.format("")));
    EXPECT_NE(nullptr, s.c_str());
    EXPECT_EQ(NULL_TEXT, contents(s.format(nullptr)));
}

TEST(WQString, ToIntAndIsEmpty)
{
    struct Case {
        const char* text;
        int value;
        int empty;
    };
    const Case cases[] = {
        {"123abc", 123, 0},
        {"-7", -7, 0},
        {"abc", 0, 0},
        {"", 0, 1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.value, WQString(c.text).toInt()) << c.text;
        EXPECT_EQ(c.empty, WQString(c.text).isEmpty()) << c.text;
    }
    EXPECT_EQ(0, nullString().toInt());
    EXPECT_EQ(1, nullString().isEmpty());
}

TEST(WQString, FailedAllocationLeavesStringUnchanged)
{
    const std::string longText(2500, 'w');
    struct Case {
        const char* name;
        std::function<void(WQString&)> operation;
        std::string expected;
    };
    const Case cases[] = {
        {"assign bytes", [](WQString& s) { s.assign("abcdef", 3); }, "abc"},
        {"assign text", [](WQString& s) { s.assign("new"); }, "new"},
        {"append", [](WQString& s) { s.append("++"); }, "  start  ++"},
        {"trimLeft", [](WQString& s) { s.trimLeft(); }, "start  "},
        {"copy assignment", [](WQString& s) { s = WQString("other"); }, "other"},
        {"format", [&](WQString& s) { s.format("%s", longText.c_str()); }, longText},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const long failures = failedAttemptsBeforeSuccess([&](long successes) {
            WQString s("  start  ");
            {
                FailingAllocations fail(successes);
                c.operation(s);
            }
            const std::string now = contents(s);
            EXPECT_TRUE(now == c.expected || now == "  start  ") << now;
            EXPECT_STREQ("WQObject.WQString", s.getClassName());
            return now == c.expected;
        });
        EXPECT_GT(failures, 0);
    }
}

} // namespace
