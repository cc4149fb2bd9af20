#ifndef WQSDK_BASE_WQTIME_H
#define WQSDK_BASE_WQTIME_H

#include <cstdint>

#include "base/WQObject.h"
#include "base/WQString.h"

namespace WQSDK {

// Calendar date and time held as separate fields, without any time zone.
// A new object holds year 1900 and 0 in every other field, which is not a
// valid date.
//
// The setters refuse values out of range (returning 0 and changing
// nothing); parse() and the file-time conversions store fields without
// checking them.
class WQTime : public virtual WQObject {
public:
    WQTime();
    WQTime(const WQTime&) = delete;
    WQTime& operator=(const WQTime&) = delete;
    ~WQTime() override = default;

    virtual int getDay() const { return m_day; }
    // Day of the year counted from 0 for 1 January, and weekday counted
    // from 0 for Sunday. -1 when the fields do not form a valid date and
    // time (as a Windows system time: every field taken as a 16-bit
    // number, years 1601 to 30827, milliseconds below 1000) or the date
    // lies outside the years 1970 to 3000.
    virtual int getDayOfYear() const;
    virtual int getDayOfWeek() const;
    virtual int getHour() const { return m_hour; }
    virtual int getMinute() const { return m_minute; }
    virtual int getMonth() const { return m_month; }
    virtual int getSecond() const { return m_second; }
    virtual int getYear() const { return m_year; }
    virtual int getMillisecond() const { return m_millisecond; }

    // A day that is valid in the stored year and month.
    virtual int setDay(int day);
    virtual int setHour(int hour);
    virtual int setMinute(int minute);
    // The stored day is not checked again.
    virtual int setMonth(int month);
    virtual int setSecond(int second);
    // 1900 or later.
    virtual int setYear(int year);
    // Any value.
    virtual int setMillisecond(int milliseconds);

    // "YYYY-MM-DD hh:mm:ss" and "YYYY-MM-DD".
    virtual WQString toString() const;
    virtual WQString toDateString() const;

    // Back to the initial state; returns 0.
    virtual int reset();
    // Reads the form of toString(); leading zeros are not needed and the
    // numbers are stored as read, without range checks. The millisecond
    // is kept. Text that does not have the form leaves the initial state
    // and gives 0.
    virtual int parse(const WQString& text);

    // 1 when `day` exists in that month of that year.
    virtual int isValidDate(int year, int month, int day) const;
    // 0 for a month outside 1 to 12.
    virtual int daysInMonth(int year, int month) const;
    virtual int isLeapYear(int year) const;

    // A new time with the same fields and a count of 1.
    WQObject* clone() override;

#ifdef _WIN32
    // Exchange with the Windows FILETIME (100 ns units since 1601 in
    // universal time), given as one 64-bit number or as its low and high
    // halves.

    // Fields from the FILETIME; when Windows rejects the value the fields
    // stay unset (the initial state).
    WQTime(uint32_t fileTimeLow, uint32_t fileTimeHigh);
    // 1, or 0 with the fields unchanged when Windows rejects the value.
    int fromFileTime(uint32_t fileTimeLow, uint32_t fileTimeHigh);
    int setFileTime(uint32_t fileTimeLow, uint32_t fileTimeHigh);
    // The fields as a FILETIME; 0 when Windows finds that they do not
    // form a valid date and time (0 is also 1601-01-01 00:00:00.000).
    uint64_t computeFileTime() const;
    uint64_t getFileTime() const { return computeFileTime(); }
#endif

private:
    int32_t m_year;
    int32_t m_month;
    int32_t m_day;
    int32_t m_hour;
    int32_t m_minute;
    int32_t m_second;
    int32_t m_millisecond;
};

} // namespace WQSDK

#endif
