#include "base/WQWindowsVersion.h"

namespace WQSDK {

namespace {

// Platform ids and product type of the system's version record.
const uint32_t PLATFORM_WIN32S = 0;
const uint32_t PLATFORM_WIN32_WINDOWS = 1;
const uint32_t PLATFORM_WIN32_NT = 2;
const uint32_t PLATFORM_WIN32_CE = 3;
const uint8_t PRODUCT_WORKSTATION = 1;

} // namespace

int classifyWindowsVersion(const WQVersionRecord& record)
{
    const uint32_t major = record.majorVersion;
    const uint32_t minor = record.minorVersion;
    const uint32_t platform = record.platformId;
    if (platform == PLATFORM_WIN32S || platform == PLATFORM_WIN32_CE)
        return WQ_WINDOWS_32S_CE;
    if (major == 4 && minor == 0) {
        if (platform == PLATFORM_WIN32_WINDOWS)
            return WQ_WINDOWS_95;
        if (platform == PLATFORM_WIN32_NT)
            return WQ_WINDOWS_NT4;
        return WQ_WINDOWS_UNKNOWN;
    }
    if (major == 4 && minor == 10)
        return WQ_WINDOWS_98;
    if (major == 4 && minor == 90)
        return WQ_WINDOWS_ME;
    if (major == 5 && minor == 0)
        return WQ_WINDOWS_2000;
    if (major == 5 && minor == 1)
        return WQ_WINDOWS_XP;
    if (major == 5 && minor == 2)
        return WQ_WINDOWS_SERVER_2003;
    if (major == 6 && minor == 0)
        return record.productType == PRODUCT_WORKSTATION ? WQ_WINDOWS_VISTA : WQ_WINDOWS_SERVER_2008;
    if (major == 6 && minor == 1)
        return WQ_WINDOWS_7;
    return WQ_WINDOWS_UNKNOWN;
}

} // namespace WQSDK
