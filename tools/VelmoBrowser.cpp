// Stand-in web browser for tests: records how it was started in
// %TEMP%\VelmoBrowser.log (the command line on the first line, then each
// argument on a line of its own) and stays open for half a second, as a
// browser would, so that callers can be seen not to wait for it.
#include <windows.h>

#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    std::string record = GetCommandLineA();
    record += "\r\n";
    for (int i = 1; i < __argc; ++i) {
        record += __argv[i];
        record += "\r\n";
    }
    char temp[MAX_PATH];
    DWORD length = GetTempPathA(MAX_PATH, temp);
    if (length == 0 || length >= MAX_PATH)
        return 1;
    // Written under a scratch name and renamed, so that a reader sees the
    // whole record or none of it.
    std::string scratch = std::string(temp) + "VelmoBrowser.part";
    std::string final = std::string(temp) + "VelmoBrowser.log";
    HANDLE file = CreateFileA(scratch.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 1;
    DWORD written = 0;
    WriteFile(file, record.data(), static_cast<DWORD>(record.size()), &written, nullptr);
    CloseHandle(file);
    MoveFileExA(scratch.c_str(), final.c_str(), MOVEFILE_REPLACE_EXISTING);
    Sleep(500);
    return 0;
}
