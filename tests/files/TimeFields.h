#ifndef WQ_TESTS_FILES_TIMEFIELDS_H
#define WQ_TESTS_FILES_TIMEFIELDS_H

#include <ostream>

#include "base/WQTime.h"

// The seven fields of a WQTime as one comparable, printable value.
struct Fields {
    int year, month, day, hour, minute, second, millisecond;
};

inline Fields fieldsOf(const WQSDK::WQTime& t)
{
    return {t.getYear(), t.getMonth(), t.getDay(), t.getHour(), t.getMinute(), t.getSecond(), t.getMillisecond()};
}

inline bool operator==(const Fields& a, const Fields& b)
{
    return a.year == b.year && a.month == b.month && a.day == b.day && a.hour == b.hour && a.minute == b.minute
        && a.second == b.second && a.millisecond == b.millisecond;
}

inline void PrintTo(const Fields& f, std::ostream* os)
{
    *os << f.year << "-" << f.month << "-" << f.day << " " << f.hour << ":" << f.minute << ":" << f.second << "."
        << f.millisecond;
}

// What a new WQTime holds.
constexpr Fields INITIAL = {1900, 0, 0, 0, 0, 0, 0};

#endif
