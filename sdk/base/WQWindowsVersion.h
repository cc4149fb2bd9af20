#ifndef WQSDK_BASE_WQWINDOWSVERSION_H
#define WQSDK_BASE_WQWINDOWSVERSION_H

#include <cstdint>

namespace WQSDK {

// Release flags returned by getWindowsVersion; callers test them with bit
// masks.
enum : int {
    WQ_WINDOWS_UNKNOWN = 0,
    WQ_WINDOWS_32S_CE = 1,
    WQ_WINDOWS_95 = 4,
    WQ_WINDOWS_98 = 8,
    WQ_WINDOWS_ME = 16,
    WQ_WINDOWS_NT4 = 32,
    WQ_WINDOWS_2000 = 64,
    WQ_WINDOWS_XP = 128,
    WQ_WINDOWS_VISTA = 256,
    WQ_WINDOWS_SERVER_2008 = 512,
    WQ_WINDOWS_7 = 1024,
    WQ_WINDOWS_SERVER_2003 = 2048,
};

// The fields of the system's extended version record that decide the
// release.
struct WQVersionRecord {
    uint32_t majorVersion;
    uint32_t minorVersion;
    uint32_t platformId;
    uint8_t productType;
};

// The release flag of a version record; WQ_WINDOWS_UNKNOWN for releases
// after Windows 7 and anything else not listed.
int classifyWindowsVersion(const WQVersionRecord& record);

// The release flag of the running system (Windows builds only).
int getWindowsVersion();

} // namespace WQSDK

#endif
