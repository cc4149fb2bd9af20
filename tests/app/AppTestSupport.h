#ifndef VELMO_TESTS_APP_APPTESTSUPPORT_H
#define VELMO_TESTS_APP_APPTESTSUPPORT_H

// What the uninstall tests share: the fixture programs of tools/, scratch
// folders, registry look-ups, the pending deletions of the next restart and
// processes started by the test. Everything works on the real file system
// and registry of the test's own Wine prefix.

#include <windows.h>

#include <string>
#include <vector>

#include "FileTools.h"
#include "RegistryTools.h"

namespace VelmoTest {

// Windows paths of the fixtures built in tools/.
std::string shellExtensionDll();
std::string browserStandIn();
std::string helperProgram();

// The temporary folder without its trailing backslash.
std::string tempFolder();
// Where the fixture DLL and the stand-in browser record that they ran.
std::string shellExtensionLog();
std::string browserLog();

bool pathExists(const std::string& path);
std::string readFile(const std::string& path);
using VelmoDemo::writeFile;
// The short (8.3) form, or "" when there is none.
std::string shortPath(const std::string& path);

// Deletes a file or a whole folder tree (read-only files included).
void removeTree(const std::string& path);

// A fresh, empty folder, removed with everything in it at the end.
class ScratchFolder {
public:
    explicit ScratchFolder(const std::string& path);
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const std::string& path() const { return m_path; }
    // path() + "\" + name.
    std::string operator/(const std::string& name) const { return m_path + "\\" + name; }

private:
    std::string m_path;
};

// Full paths of the files "del*.tmp" in the temporary folder.
std::vector<std::string> temporaryDelFiles();
// Entries of `after` missing from `before`.
std::vector<std::string> added(const std::vector<std::string>& before, const std::vector<std::string>& after);

// The files the system will delete at the next restart, as Win32 paths.
std::vector<std::string> pendingDeletions();
// Case-insensitive membership.
bool containsPath(const std::vector<std::string>& paths, const std::string& path);

// Registry.
using VelmoDemo::deleteTree;
using VelmoDemo::keyExists;
using VelmoDemo::readString;
using VelmoDemo::setString;

// Lays down the demo installation with this build's fixtures; "" on
// success, else what failed.
std::string installDemo(bool registerShellExtension);

// Points "IEXPLORE.EXE" of the shell at the stand-in browser.
bool installBrowserStandIn();

// Waits up to `milliseconds` for the file to hold `text`; returns its
// contents then, or whatever it holds at the end.
std::string waitForFileText(const std::string& path, const std::string& text, DWORD milliseconds);

// Processes with this executable name whose parent is this process.
std::vector<DWORD> childProcesses(const char* exeName);
// The children with this name that are not in `before`.
std::vector<DWORD> newChildProcesses(const std::vector<DWORD>& before, const char* exeName);
// Waits until no process with this name is a child of this process.
bool waitForNoChild(const char* exeName, DWORD milliseconds);

// VelmoHelper keeping a library loaded ("load") or a file open without
// delete sharing ("hold") until it is ended.
class HelperProcess {
public:
    HelperProcess(const char* mode, const std::string& path);
    ~HelperProcess();
    HelperProcess(const HelperProcess&) = delete;
    HelperProcess& operator=(const HelperProcess&) = delete;
    // The helper has the file in use.
    bool ready() const { return m_ready; }
    // Lets it go on after this object is gone (it ends with the wine
    // session, or after a minute).
    void detach();
    void end();

private:
    HANDLE m_process;
    bool m_ready;
};

} // namespace VelmoTest

#endif
