#include "AppTestSupport.h"

#include <tlhelp32.h>

#include "DemoInstallation.h"

#include <algorithm>
#include <cstring>

namespace VelmoTest {

namespace {

// The build gives the fixtures' paths in Unix form; Wine's drive Z: is the
// Unix root.
std::string fromUnix(const char* path)
{
    std::string result = std::string("Z:") + path;
    std::replace(result.begin(), result.end(), '/', '\\');
    return result;
}

std::string lower(std::string text)
{
    // ASCII only: the bytes of code page 936 characters are left as they
    // are.
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

} // namespace

std::string shellExtensionDll()
{
    return fromUnix(VELMO_SHELLEX_DLL);
}

std::string browserStandIn()
{
    return fromUnix(VELMO_BROWSER_EXE);
}

std::string helperProgram()
{
    return fromUnix(VELMO_HELPER_EXE);
}

std::string tempFolder()
{
    char path[MAX_PATH];
    DWORD length = GetTempPathA(MAX_PATH, path);
    if (length == 0 || length >= MAX_PATH)
        return std::string();
    std::string folder(path, length);
    if (!folder.empty() && folder.back() == '\\')
        folder.pop_back();
    return folder;
}

std::string shellExtensionLog()
{
    return tempFolder() + "\\VelmoShellEx.log";
}

std::string browserLog()
{
    return tempFolder() + "\\VelmoBrowser.log";
}

bool pathExists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string readFile(const std::string& path)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return std::string();
    std::string contents;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0)
        contents.append(buffer, got);
    CloseHandle(file);
    return contents;
}

std::string shortPath(const std::string& path)
{
    char buffer[1024];
    DWORD length = GetShortPathNameA(path.c_str(), buffer, sizeof buffer);
    if (length == 0 || length >= sizeof buffer)
        return std::string();
    return std::string(buffer, length);
}

void removeTree(const std::string& path)
{
    DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return;
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        DeleteFileA(path.c_str());
        return;
    }
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((path + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            if (std::strcmp(found.cFileName, ".") != 0 && std::strcmp(found.cFileName, "..") != 0)
                removeTree(path + "\\" + found.cFileName);
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(path.c_str());
}

ScratchFolder::ScratchFolder(const std::string& path)
    : m_path(path)
{
    removeTree(m_path);
    CreateDirectoryA(m_path.c_str(), nullptr);
}

ScratchFolder::~ScratchFolder()
{
    // A test may have made a folder inside the current one.
    SetCurrentDirectoryA("C:\\");
    removeTree(m_path);
}

std::vector<std::string> temporaryDelFiles()
{
    std::vector<std::string> files;
    const std::string folder = tempFolder();
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\del*.tmp").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return files;
    do
        files.push_back(folder + "\\" + found.cFileName);
    while (FindNextFileA(search, &found));
    FindClose(search);
    return files;
}

std::vector<std::string> added(const std::vector<std::string>& before, const std::vector<std::string>& after)
{
    std::vector<std::string> result;
    for (const std::string& item : after)
        if (std::find(before.begin(), before.end(), item) == before.end())
            result.push_back(item);
    return result;
}

std::vector<std::string> pendingDeletions()
{
    std::vector<std::string> result;
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "System\\CurrentControlSet\\Control\\Session Manager", 0, KEY_READ, &key)
        != ERROR_SUCCESS)
        return result;
    DWORD size = 0;
    DWORD type = 0;
    std::vector<char> data;
    if (RegQueryValueExA(key, "PendingFileRenameOperations", nullptr, &type, nullptr, &size) == ERROR_SUCCESS
        && type == REG_MULTI_SZ) {
        data.resize(size + 2, '\0');
        RegQueryValueExA(key, "PendingFileRenameOperations", nullptr, &type, reinterpret_cast<BYTE*>(data.data()),
            &size);
    }
    RegCloseKey(key);
    // Pairs of source and target; an empty target means delete. The list
    // itself cannot be split at the first empty string, since every
    // deletion has one.
    std::vector<std::string> strings;
    for (size_t at = 0; at < size;) {
        std::string item(data.data() + at);
        strings.push_back(item);
        at += item.size() + 1;
    }
    for (size_t i = 0; i + 1 < strings.size(); i += 2) {
        if (!strings[i + 1].empty() || strings[i].empty())
            continue;
        std::string path = strings[i];
        if (path.compare(0, 4, "\\??\\") == 0)
            path.erase(0, 4);
        result.push_back(path);
    }
    return result;
}

bool containsPath(const std::vector<std::string>& paths, const std::string& path)
{
    for (const std::string& item : paths)
        if (lower(item) == lower(path))
            return true;
    return false;
}

std::string installDemo(bool registerShellExtension)
{
    VelmoDemo::Options options;
    options.shellExtension = shellExtensionDll();
    options.uninstaller = helperProgram();
    options.registerShellExtension = registerShellExtension;
    return VelmoDemo::install(options);
}

bool installBrowserStandIn()
{
    return setString(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\IEXPLORE.EXE", "",
        browserStandIn());
}

std::string waitForFileText(const std::string& path, const std::string& text, DWORD milliseconds)
{
    const DWORD start = GetTickCount();
    for (;;) {
        std::string contents = readFile(path);
        if (contents.find(text) != std::string::npos || GetTickCount() - start >= milliseconds)
            return contents;
        Sleep(20);
    }
}

std::vector<DWORD> childProcesses(const char* exeName)
{
    std::vector<DWORD> result;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return result;
    PROCESSENTRY32 entry;
    entry.dwSize = sizeof entry;
    const DWORD self = GetCurrentProcessId();
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry))
        if (entry.th32ParentProcessID == self && lstrcmpiA(entry.szExeFile, exeName) == 0)
            result.push_back(entry.th32ProcessID);
    CloseHandle(snapshot);
    return result;
}

std::vector<DWORD> newChildProcesses(const std::vector<DWORD>& before, const char* exeName)
{
    std::vector<DWORD> result;
    for (DWORD process : childProcesses(exeName))
        if (std::find(before.begin(), before.end(), process) == before.end())
            result.push_back(process);
    return result;
}

bool waitForNoChild(const char* exeName, DWORD milliseconds)
{
    const DWORD start = GetTickCount();
    while (!childProcesses(exeName).empty()) {
        if (GetTickCount() - start >= milliseconds)
            return false;
        Sleep(20);
    }
    return true;
}

HelperProcess::HelperProcess(const char* mode, const std::string& path)
    : m_process(nullptr)
    , m_ready(false)
{
    const std::string eventName = "VelmoHelperReady" + std::to_string(GetCurrentProcessId()) + "_"
        + std::to_string(GetTickCount());
    HANDLE ready = CreateEventA(nullptr, TRUE, FALSE, eventName.c_str());
    if (ready == nullptr)
        return;
    std::string commandLine = "\"" + helperProgram() + "\" " + mode + " \"" + path + "\" " + eventName;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        CloseHandle(process.hThread);
        m_process = process.hProcess;
        HANDLE waits[2] = {ready, m_process};
        // The helper ending first means it could not use the file.
        m_ready = WaitForMultipleObjects(2, waits, FALSE, 20000) == WAIT_OBJECT_0;
    }
    CloseHandle(ready);
}

HelperProcess::~HelperProcess()
{
    end();
}

void HelperProcess::detach()
{
    if (m_process != nullptr)
        CloseHandle(m_process);
    m_process = nullptr;
}

void HelperProcess::end()
{
    if (m_process == nullptr)
        return;
    TerminateProcess(m_process, 0);
    WaitForSingleObject(m_process, 10000);
    CloseHandle(m_process);
    m_process = nullptr;
}

} // namespace VelmoTest
