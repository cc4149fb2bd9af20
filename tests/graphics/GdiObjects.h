#ifndef WQ_TESTS_GRAPHICS_GDIOBJECTS_H
#define WQ_TESTS_GRAPHICS_GDIOBJECTS_H

#include <windows.h>
#include <winternl.h>

#include <cstdint>

// The number of GDI objects this process holds. GetGuiResources reports it
// on Windows; Wine answers 0 there, but keeps the process's objects in the
// GDI handle table that the process environment block points to (on Wine
// the table holds this process's objects only), so the used entries are
// counted there instead (64-bit layout; the tests run 64-bit). -1 when
// neither source is available.
inline long gdiObjectCount()
{
    const DWORD reported = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    if (reported != 0)
        return static_cast<long>(reported);
#ifndef _WIN64
    return -1;
#else

    // One table entry: kernel object, owner, unique, type, flags and user
    // pointer; the type byte is 0 for a free entry.
    struct Entry {
        uint64_t object;
        uint32_t owner;
        uint16_t unique;
        uint8_t type;
        uint8_t flags;
        uint64_t user;
    };
    static_assert(sizeof(Entry) == 24, "GDI handle table entry");
    const size_t tableOffset = 0xF8;
    const char* peb = reinterpret_cast<const char*>(NtCurrentTeb()->ProcessEnvironmentBlock);
    const Entry* table = *reinterpret_cast<const Entry* const*>(peb + tableOffset);
    if (table == nullptr)
        return -1;
    long used = 0;
    for (int i = 0; i < 0x10000; ++i) {
        if (table[i].type != 0)
            ++used;
    }
    return used;
#endif
}

#endif
