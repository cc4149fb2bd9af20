#include "base/WQWindowsVersion.h"

#include <cstring>

#include <windows.h>

namespace WQSDK {

int getWindowsVersion()
{
    // The extended record, zero-filled, so that the product type is filled
    // in too.
    OSVERSIONINFOEXA info;
    std::memset(&info, 0, sizeof info);
    info.dwOSVersionInfoSize = sizeof info;
    // A record that was not filled in would read as platform 0 (Win32s).
    if (!GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&info)))
        return WQ_WINDOWS_UNKNOWN;
    WQVersionRecord record;
    record.majorVersion = info.dwMajorVersion;
    record.minorVersion = info.dwMinorVersion;
    record.platformId = info.dwPlatformId;
    record.productType = info.wProductType;
    return classifyWindowsVersion(record);
}

} // namespace WQSDK
