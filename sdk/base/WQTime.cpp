#include "base/WQTime.h"

#include <new>

namespace WQSDK {

namespace {

const int32_t INITIAL_YEAR = 1900;

// Days from 1 January 1970 to the given date of the proleptic Gregorian
// calendar (negative before it).
int64_t daysSinceEpoch(int64_t year, int64_t month, int64_t day)
{
    // Counted in years that begin on 1 March, so that the leap day is the
    // last day of its year.
    year -= month <= 2 ? 1 : 0;
    const int64_t era = (year >= 0 ? year : year - 399) / 400;
    const int64_t yearOfEra = year - era * 400;
    const int64_t dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

// Splits `rest` at its first `separator`: `part` gets substring(0,
// index - 1) and `rest` the text after the separator. A separator at index
// 0 makes that substring(0, -1), the whole rest. False when the rest is
// empty or has no separator.
bool splitAt(WQString& rest, char separator, WQString& part)
{
    if (rest.isEmpty())
        return false;
    const int index = rest.indexOf(separator);
    if (index < 0)
        return false;
    part = rest.substring(0, index - 1);
    rest = rest.substring(index + 1, rest.length() - 1);
    return true;
}

} // namespace

WQTime::WQTime()
    : WQObject()
    , m_year(INITIAL_YEAR)
    , m_month(0)
    , m_day(0)
    , m_hour(0)
    , m_minute(0)
    , m_second(0)
    , m_millisecond(0)
{
    appendClassName("WQTime");
}

int WQTime::getDayOfYear() const
{
    const uint16_t year = static_cast<uint16_t>(m_year);
    const uint16_t month = static_cast<uint16_t>(m_month);
    const uint16_t day = static_cast<uint16_t>(m_day);
    // The same fields a Windows system time would hold, checked as the
    // conversion to a file time checks them.
    if (year < 1601 || year > 30827 || month < 1 || month > 12 || day < 1
        || day > daysInMonth(year, month) || static_cast<uint16_t>(m_hour) > 23
        || static_cast<uint16_t>(m_minute) > 59 || static_cast<uint16_t>(m_second) > 59
        || static_cast<uint16_t>(m_millisecond) > 999)
        return -1;
    // The range of the C run time's 64-bit broken-down time.
    if (year < 1970 || year > 3000)
        return -1;
    return static_cast<int>(daysSinceEpoch(year, month, day) - daysSinceEpoch(year, 1, 1));
}

int WQTime::getDayOfWeek() const
{
    if (getDayOfYear() < 0)
        return -1;
    const int64_t days = daysSinceEpoch(static_cast<uint16_t>(m_year), static_cast<uint16_t>(m_month),
                                        static_cast<uint16_t>(m_day));
    // 1 January 1970 was a Thursday.
    return static_cast<int>((days + 4) % 7);
}

int WQTime::setDay(int day)
{
    if (!isValidDate(m_year, m_month, day))
        return 0;
    m_day = day;
    return 1;
}

int WQTime::setHour(int hour)
{
    if (static_cast<uint32_t>(hour) > 23)
        return 0;
    m_hour = hour;
    return 1;
}

int WQTime::setMinute(int minute)
{
    if (static_cast<uint32_t>(minute) > 59)
        return 0;
    m_minute = minute;
    return 1;
}

int WQTime::setMonth(int month)
{
    if (static_cast<uint32_t>(month) - 1 > 11)
        return 0;
    m_month = month;
    return 1;
}

int WQTime::setSecond(int second)
{
    if (static_cast<uint32_t>(second) > 59)
        return 0;
    m_second = second;
    return 1;
}

int WQTime::setYear(int year)
{
    if (year < INITIAL_YEAR)
        return 0;
    m_year = year;
    return 1;
}

int WQTime::setMillisecond(int milliseconds)
{
    m_millisecond = milliseconds;
    return 1;
}

WQString WQTime::toString() const
{
    WQString text;
    text.format("%04d-%02d-%02d %02d:%02d:%02d", m_year, m_month, m_day, m_hour, m_minute, m_second);
    return text;
}

WQString WQTime::toDateString() const
{
    WQString text;
    text.format("%04d-%02d-%02d", m_year, m_month, m_day);
    return text;
}

int WQTime::reset()
{
    m_year = INITIAL_YEAR;
    m_month = 0;
    m_day = 0;
    m_hour = 0;
    m_minute = 0;
    m_second = 0;
    m_millisecond = 0;
    return 0;
}

int WQTime::parse(const WQString& text)
{
    WQString rest(text);
    WQString part;
    // Each number is stored as soon as it is found; a failure further on
    // resets them all.
    if (!splitAt(rest, '-', part))
        return reset();
    m_year = part.toInt();
    if (!splitAt(rest, '-', part))
        return reset();
    m_month = part.toInt();
    if (!splitAt(rest, ' ', part))
        return reset();
    m_day = part.toInt();
    if (!splitAt(rest, ':', part))
        return reset();
    m_hour = part.toInt();
    if (!splitAt(rest, ':', part))
        return reset();
    m_minute = part.toInt();
    m_second = rest.toInt();
    return 1;
}

int WQTime::isValidDate(int year, int month, int day) const
{
    const int days = daysInMonth(year, month);
    return days > 0 && day >= 1 && day <= days ? 1 : 0;
}

int WQTime::daysInMonth(int year, int month) const
{
    switch (month) {
    case 1:
    case 3:
    case 5:
    case 7:
    case 8:
    case 10:
    case 12:
        return 31;
    case 4:
    case 6:
    case 9:
    case 11:
        return 30;
    case 2:
        return isLeapYear(year) ? 29 : 28;
    default:
        return 0;
    }
}

int WQTime::isLeapYear(int year) const
{
    return (year % 400 == 0 || (year % 4 == 0 && year % 100 != 0)) ? 1 : 0;
}

WQObject* WQTime::clone()
{
    WQTime* copy = new (std::nothrow) WQTime();
    if (copy == nullptr)
        return nullptr;
    copy->m_year = m_year;
    copy->m_month = m_month;
    copy->m_day = m_day;
    copy->m_hour = m_hour;
    copy->m_minute = m_minute;
    copy->m_second = m_second;
    copy->m_millisecond = m_millisecond;
    copy->addRef();
    return copy;
}

} // namespace WQSDK
