// Helper process for tests that need a file in use by another process:
//
//   VelmoHelper load <library> <event>   keeps the library loaded
//   VelmoHelper hold <file> <event>      keeps the file open for reading and
//                                        writing, without delete sharing
//
// Once the file is in use it signals the named event, then waits until it
// is ended (at most a minute). Without arguments it exits at once, which
// makes it a harmless stand-in program in the demo installation.
#include <windows.h>

#include <cstring>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    if (__argc < 4)
        return __argc == 1 ? 0 : 2;
    const char* mode = __argv[1];
    const char* path = __argv[2];
    if (std::strcmp(mode, "load") == 0) {
        if (LoadLibraryA(path) == nullptr)
            return 3;
    } else if (std::strcmp(mode, "hold") == 0) {
        HANDLE file = CreateFileA(path, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE)
            return 3;
    } else {
        return 2;
    }
    HANDLE ready = OpenEventA(EVENT_MODIFY_STATE, FALSE, __argv[3]);
    if (ready == nullptr)
        return 4;
    SetEvent(ready);
    CloseHandle(ready);
    Sleep(60000);
    return 0;
}
