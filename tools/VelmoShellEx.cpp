// Test shell extension: all it does on registration and unregistration is
// append one line, "register" or "unregister" and the command line of the
// process that loaded it, to %TEMP%\VelmoShellEx.log. The line tells tests
// that the entry point really ran and with which command.
#include <windows.h>

#include <cstring>

namespace {

void appendRecord(const char* what)
{
    char path[MAX_PATH + 32];
    DWORD length = GetTempPathA(MAX_PATH, path);
    if (length == 0 || length >= MAX_PATH)
        return;
    std::strcat(path, "VelmoShellEx.log");
    HANDLE file = CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
        nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    const char* commandLine = GetCommandLineA();
    // One write per record, so that a reader never sees half a line.
    size_t size = std::strlen(what) + 1 + std::strlen(commandLine) + 3;
    char* record = static_cast<char*>(HeapAlloc(GetProcessHeap(), 0, size));
    if (record != nullptr) {
        std::strcpy(record, what);
        std::strcat(record, " ");
        std::strcat(record, commandLine);
        std::strcat(record, "\r\n");
        DWORD written = 0;
        WriteFile(file, record, static_cast<DWORD>(std::strlen(record)), &written, nullptr);
        HeapFree(GetProcessHeap(), 0, record);
    }
    CloseHandle(file);
}

} // namespace

extern "C" HRESULT __stdcall DllRegisterServer()
{
    appendRecord("register");
    return S_OK;
}

extern "C" HRESULT __stdcall DllUnregisterServer()
{
    appendRecord("unregister");
    return S_OK;
}
