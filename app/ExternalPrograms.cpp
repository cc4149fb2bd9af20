#include "ExternalPrograms.h"

#include <cstring>

#include <windows.h>
#include <shellapi.h>

#include "base/WQMemory.h"

namespace Velmo {

using WQSDK::WQString;

const char* const kFeedbackPage = "http://www.example.com/suggest.jsp?pd=1";

WQString shellExtensionCommand(const WQString& programFolder)
{
    const WQString path = programFolder.concat("\\VelmoShellEx.dll");
    char shortPath[1024];
    DWORD length = GetShortPathNameA(path.c_str() != nullptr ? path.c_str() : "", shortPath, sizeof shortPath);
    if (length == 0 || length >= sizeof shortPath)
        shortPath[0] = '\0';
    WQString command;
    command.assign("regsvr32.exe /s /u ");
    command.append(shortPath);
    return command;
}

int unregisterShellExtension(const WQString& programFolder)
{
    return runProgram(shellExtensionCommand(programFolder));
}

int runProgram(const WQString& commandLine)
{
    if (commandLine.c_str() == nullptr || commandLine.length() <= 0)
        return 0;
    // CreateProcessA wants a command line it may write to.
    const size_t size = static_cast<size_t>(commandLine.length()) + 1;
    char* buffer = static_cast<char*>(WQSDK::memAlloc(size));
    if (buffer == nullptr)
        return 0;
    std::memcpy(buffer, commandLine.c_str(), size);
    STARTUPINFOA startup;
    std::memset(&startup, 0, sizeof startup);
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process;
    std::memset(&process, 0, sizeof process);
    BOOL started = CreateProcessA(nullptr, buffer, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process);
    WQSDK::memFree(buffer);
    if (!started)
        return 0;
    // Nothing waits for the program.
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return 1;
}

int openFeedbackPage()
{
    HINSTANCE result = ShellExecuteA(nullptr, "open", "IEXPLORE.EXE", kFeedbackPage, nullptr, SW_SHOWDEFAULT);
    // Values above 32 mean success.
    return reinterpret_cast<INT_PTR>(result) > 32 ? 1 : 0;
}

} // namespace Velmo
