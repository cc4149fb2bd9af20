// The exchange of WQTime with Windows file times, through the system's own
// conversions.
#include "base/WQTime.h"

#include <windows.h>

namespace WQSDK {

WQTime::WQTime(uint32_t fileTimeLow, uint32_t fileTimeHigh)
    : WQTime()
{
    fromFileTime(fileTimeLow, fileTimeHigh);
}

int WQTime::fromFileTime(uint32_t fileTimeLow, uint32_t fileTimeHigh)
{
    FILETIME fileTime;
    fileTime.dwLowDateTime = fileTimeLow;
    fileTime.dwHighDateTime = fileTimeHigh;
    SYSTEMTIME systemTime;
    if (!FileTimeToSystemTime(&fileTime, &systemTime))
        return 0;
    m_year = systemTime.wYear;
    m_month = systemTime.wMonth;
    m_day = systemTime.wDay;
    m_hour = systemTime.wHour;
    m_minute = systemTime.wMinute;
    m_second = systemTime.wSecond;
    m_millisecond = systemTime.wMilliseconds;
    return 1;
}

int WQTime::setFileTime(uint32_t fileTimeLow, uint32_t fileTimeHigh)
{
    return fromFileTime(fileTimeLow, fileTimeHigh);
}

uint64_t WQTime::computeFileTime() const
{
    SYSTEMTIME systemTime;
    ZeroMemory(&systemTime, sizeof(systemTime));
    systemTime.wYear = static_cast<WORD>(m_year);
    systemTime.wMonth = static_cast<WORD>(m_month);
    systemTime.wDay = static_cast<WORD>(m_day);
    systemTime.wHour = static_cast<WORD>(m_hour);
    systemTime.wMinute = static_cast<WORD>(m_minute);
    systemTime.wSecond = static_cast<WORD>(m_second);
    systemTime.wMilliseconds = static_cast<WORD>(m_millisecond);
    FILETIME fileTime;
    if (!SystemTimeToFileTime(&systemTime, &fileTime))
        return 0;
    return (static_cast<uint64_t>(fileTime.dwHighDateTime) << 32) | fileTime.dwLowDateTime;
}

} // namespace WQSDK
