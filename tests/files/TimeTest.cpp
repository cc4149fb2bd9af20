#include <cstdint>
#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "TimeFields.h"
#include "base/WQString.h"
#include "base/WQTime.h"

using namespace WQSDK;

namespace {

// Through the setters, which must accept every field.
void setTime(WQTime& t, const Fields& f)
{
    ASSERT_EQ(1, t.setYear(f.year));
    ASSERT_EQ(1, t.setMonth(f.month));
    ASSERT_EQ(1, t.setDay(f.day));
    ASSERT_EQ(1, t.setHour(f.hour));
    ASSERT_EQ(1, t.setMinute(f.minute));
    ASSERT_EQ(1, t.setSecond(f.second));
    ASSERT_EQ(1, t.setMillisecond(f.millisecond));
}

TEST(Time, InitialState)
{
    WQTime t;
    EXPECT_STREQ("WQObject.WQTime", t.getClassName());
    EXPECT_EQ(INITIAL, fieldsOf(t));
    EXPECT_STREQ("1900-00-00 00:00:00", t.toString().c_str());
    EXPECT_STREQ("1900-00-00", t.toDateString().c_str());
    EXPECT_EQ(-1, t.getDayOfWeek());
    EXPECT_EQ(-1, t.getDayOfYear());
}

TEST(Time, SettersRefuseOutOfRangeValues)
{
    const Fields start = {2011, 1, 31, 10, 20, 30, 400};
    using Setter = std::function<int(WQTime&, int)>;
    const Setter year = [](WQTime& t, int v) { return t.setYear(v); };
    const Setter month = [](WQTime& t, int v) { return t.setMonth(v); };
    const Setter hour = [](WQTime& t, int v) { return t.setHour(v); };
    const Setter minute = [](WQTime& t, int v) { return t.setMinute(v); };
    const Setter second = [](WQTime& t, int v) { return t.setSecond(v); };
    const Setter millisecond = [](WQTime& t, int v) { return t.setMillisecond(v); };
    const struct {
        const char* name;
        Setter set;
        int value;
        int accepted;
        Fields after;
    } cases[] = {
        {"month 13", month, 13, 0, start},
        {"month 0", month, 0, 0, start},
        {"month -1", month, -1, 0, start},
        {"month 12", month, 12, 1, {2011, 12, 31, 10, 20, 30, 400}},
        // The day is not checked again: 31 February stays.
        {"month 2", month, 2, 1, {2011, 2, 31, 10, 20, 30, 400}},
        {"hour 24", hour, 24, 0, start},
        {"hour -1", hour, -1, 0, start},
        {"hour 23", hour, 23, 1, {2011, 1, 31, 23, 20, 30, 400}},
        {"hour 0", hour, 0, 1, {2011, 1, 31, 0, 20, 30, 400}},
        {"minute 60", minute, 60, 0, start},
        {"minute -1", minute, -1, 0, start},
        {"minute 59", minute, 59, 1, {2011, 1, 31, 10, 59, 30, 400}},
        {"second 60", second, 60, 0, start},
        {"second INT_MIN", second, INT32_MIN, 0, start},
        {"second 59", second, 59, 1, {2011, 1, 31, 10, 20, 59, 400}},
        {"year 1899", year, 1899, 0, start},
        {"year -5", year, -5, 0, start},
        {"year 1900", year, 1900, 1, {1900, 1, 31, 10, 20, 30, 400}},
        {"year 40000", year, 40000, 1, {40000, 1, 31, 10, 20, 30, 400}},
        {"millisecond -5", millisecond, -5, 1, {2011, 1, 31, 10, 20, 30, -5}},
        {"millisecond 5000", millisecond, 5000, 1, {2011, 1, 31, 10, 20, 30, 5000}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WQTime t;
        setTime(t, start);
        EXPECT_EQ(c.accepted, c.set(t, c.value));
        EXPECT_EQ(c.after, fieldsOf(t));
    }
}

TEST(Time, SetDayChecksTheStoredYearAndMonth)
{
    const struct {
        int year, month, day, accepted;
    } cases[] = {
        {2000, 2, 29, 1}, {1900, 2, 29, 0}, {2011, 2, 29, 0}, {2012, 2, 29, 1}, {2011, 2, 28, 1},
        {2011, 4, 31, 0}, {2011, 4, 30, 1}, {2011, 12, 31, 1}, {2011, 12, 32, 0}, {2011, 1, 0, 0},
        {2011, 1, -1, 0}, {2011, 1, 1, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.year << "-" << c.month << "-" << c.day);
        WQTime t;
        ASSERT_EQ(1, t.setYear(c.year));
        ASSERT_EQ(1, t.setMonth(c.month));
        EXPECT_EQ(c.accepted, t.setDay(c.day));
        EXPECT_EQ(c.accepted ? c.day : 0, t.getDay());
    }
    // Without a month no day is valid.
    WQTime t;
    for (int day : {1, 15, 31})
        EXPECT_EQ(0, t.setDay(day)) << day;
}

TEST(Time, CalendarRules)
{
    WQTime t;
    const struct {
        int year, leap;
    } years[] = {{1900, 0}, {2000, 1}, {2004, 1}, {2011, 0}, {2100, 0}, {2400, 1}};
    for (const auto& y : years)
        EXPECT_EQ(y.leap, t.isLeapYear(y.year)) << y.year;

    const struct {
        int year, month, days;
    } months[] = {
        {2012, 2, 29}, {2011, 2, 28}, {1900, 2, 28}, {2011, 1, 31}, {2011, 4, 30}, {2011, 6, 30},
        {2011, 7, 31}, {2011, 8, 31}, {2011, 9, 30}, {2011, 11, 30}, {2011, 12, 31}, {2011, 13, 0},
        {2011, 0, 0}, {2011, -1, 0},
    };
    for (const auto& m : months)
        EXPECT_EQ(m.days, t.daysInMonth(m.year, m.month)) << m.year << "-" << m.month;

    EXPECT_EQ(1, t.isValidDate(2012, 2, 29));
    EXPECT_EQ(0, t.isValidDate(2011, 2, 29));
    EXPECT_EQ(0, t.isValidDate(2011, 13, 1));
    EXPECT_EQ(0, t.isValidDate(2011, 1, 0));
    // The stored fields play no part.
    EXPECT_EQ(INITIAL, fieldsOf(t));
}

TEST(Time, TextForms)
{
    const struct {
        Fields fields;
        const char* text;
        const char* date;
    } cases[] = {
        {{2011, 6, 7, 15, 4, 5, 0}, "2011-06-07 15:04:05", "2011-06-07"},
        {{1900, 1, 1, 0, 0, 0, 999}, "1900-01-01 00:00:00", "1900-01-01"},
        {{12345, 12, 31, 23, 59, 59, 0}, "12345-12-31 23:59:59", "12345-12-31"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        WQTime t;
        setTime(t, c.fields);
        EXPECT_STREQ(c.text, t.toString().c_str());
        EXPECT_STREQ(c.date, t.toDateString().c_str());
        // And back: every field but the millisecond.
        WQTime back;
        EXPECT_EQ(1, back.parse(t.toString()));
        Fields expected = c.fields;
        expected.millisecond = 0;
        EXPECT_EQ(expected, fieldsOf(back));
    }
}

TEST(Time, Parse)
{
    const struct {
        const char* text;
        int result;
        Fields fields;
    } cases[] = {
        {"2011-06-07 15:14:15", 1, {2011, 6, 7, 15, 14, 15, 0}},
        {"2011-6-7 1:2:3", 1, {2011, 6, 7, 1, 2, 3, 0}},
        {"2011-13-40 25:61:99", 1, {2011, 13, 40, 25, 61, 99, 0}},
        {" 2011-06-07  15:14:15", 1, {2011, 6, 7, 15, 14, 15, 0}},
        {"2011-06-07 15:14:", 1, {2011, 6, 7, 15, 14, 0, 0}},
        {"2011-06-07 15:14:15:16", 1, {2011, 6, 7, 15, 14, 15, 0}},
        {"x-y-z a:b:c", 1, {0, 0, 0, 0, 0, 0, 0}},
        // A separator right at the start of the rest: the part read is the
        // whole rest (substring up to the end), here "-07 1:2:3" and the
        // whole text; only the separator itself is dropped from the rest.
        {"2011--07 1:2:3", 1, {2011, -7, 7, 1, 2, 3, 0}},
        {"-1--2 -3:-4:-5", 1, {-1, 1, -2, -3, -4, -5, 0}},
        {"2011-06-07", 0, INITIAL},
        {"2011-06-07 15", 0, INITIAL},
        {"2011-06-07 15:14", 0, INITIAL},
        {"2011-06-07T15:14:15", 0, INITIAL},
        {"2011/06/07 15:14:15", 0, INITIAL},
        {"", 0, INITIAL},
        {"-", 0, INITIAL},
        {"----", 0, INITIAL},
        {"garbage", 0, INITIAL},
        {"\xFF\xFE-\x80 :", 0, INITIAL},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        WQTime t;
        setTime(t, {1999, 9, 9, 9, 9, 9, 0});
        EXPECT_EQ(c.result, t.parse(WQString(c.text)));
        EXPECT_EQ(c.fields, fieldsOf(t));
    }
}

TEST(Time, ParseKeepsTheMillisecondOnlyOnSuccess)
{
    WQTime t;
    t.setMillisecond(123);
    EXPECT_EQ(1, t.parse(WQString("2011-06-07 15:14:15")));
    EXPECT_EQ(123, t.getMillisecond());
    EXPECT_EQ(0, t.parse(WQString("2011-06-07")));
    EXPECT_EQ(INITIAL, fieldsOf(t));

    // Bytes after an embedded NUL are not read.
    WQString withNul;
    withNul.assign("2011-06-07\0 1:2:3", 17);
    EXPECT_EQ(0, t.parse(withNul));
    WQString trimmed("   ");
    trimmed.trimRight();
    EXPECT_EQ(0, t.parse(trimmed));
    EXPECT_EQ(INITIAL, fieldsOf(t));
}

TEST(Time, DayOfYearAndWeek)
{
    const struct {
        Fields fields;
        int dayOfYear;
        int dayOfWeek;
    } cases[] = {
        {{2011, 6, 7, 0, 0, 0, 0}, 157, 2},
        {{2000, 12, 31, 12, 0, 0, 0}, 365, 0},
        {{2012, 2, 29, 0, 0, 0, 0}, 59, 3},
        {{2100, 3, 1, 0, 0, 0, 0}, 59, 1},
        {{1970, 1, 1, 0, 0, 0, 0}, 0, 4},
        {{1999, 12, 31, 23, 59, 59, 999}, 364, 5},
        {{3000, 12, 31, 23, 59, 59, 999}, 364, 3},
        {{1969, 12, 31, 23, 59, 59, 0}, -1, -1},
        {{3001, 1, 1, 0, 0, 0, 0}, -1, -1},
        {{1900, 1, 1, 0, 0, 0, 0}, -1, -1},
        // Fields that no time can hold.
        {{2011, 6, 7, 0, 0, 0, 1000}, -1, -1},
        {{2011, 6, 7, 0, 0, 0, -1}, -1, -1},
        {{2011, 6, 7, 24, 0, 0, 0}, -1, -1},
        {{2011, 6, 7, 0, 60, 0, 0}, -1, -1},
        {{2011, 6, 7, 0, 0, 60, 0}, -1, -1},
        {{2011, 2, 29, 0, 0, 0, 0}, -1, -1},
        {{2011, 13, 1, 0, 0, 0, 0}, -1, -1},
        {{2011, 6, 0, 0, 0, 0, 0}, -1, -1},
        // Each field counts as a 16-bit number, as in a Windows system time.
        {{2011 + 65536, 6, 7, 0, 0, 0, 0}, 157, 2},
        {{2011, 6 + 65536, 7, 0, 0, 0, 0}, 157, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.fields));
        WQTime t;
        // parse stores the fields without checks.
        WQString text;
        text.format("%d-%d-%d %d:%d:%d", c.fields.year, c.fields.month, c.fields.day, c.fields.hour,
                    c.fields.minute, c.fields.second);
        ASSERT_EQ(1, t.parse(text));
        t.setMillisecond(c.fields.millisecond);
        ASSERT_EQ(c.fields, fieldsOf(t));
        EXPECT_EQ(c.dayOfYear, t.getDayOfYear());
        EXPECT_EQ(c.dayOfWeek, t.getDayOfWeek());
    }
}

TEST(Time, CloneCopiesEveryField)
{
    WQTime t;
    setTime(t, {2011, 6, 7, 15, 14, 15, 250});
    WQObject* object = t.clone();
    ASSERT_NE(nullptr, object);
    WQTime* copy = dynamic_cast<WQTime*>(object);
    ASSERT_NE(nullptr, copy);
    EXPECT_STREQ("WQObject.WQTime", copy->getClassName());
    EXPECT_EQ(fieldsOf(t), fieldsOf(*copy));
    copy->setHour(1);
    EXPECT_EQ(15, t.getHour());
    EXPECT_EQ(0u, copy->release());
}

} // namespace
