#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include <windows.h>

#include <gtest/gtest.h>

#include "TempFolder.h"
#include "base/TWQList.h"
#include "base/WQFile.h"
#include "base/WQFileStream.h"

using namespace WQSDK;

namespace {

std::string str(const WQString& s)
{
    return s.c_str() != nullptr ? std::string(s.c_str(), static_cast<std::size_t>(s.length())) : std::string();
}

WQString wq(const std::string& s)
{
    return WQString(s.c_str());
}

void expectError(const WQFile& file, uint32_t code, const char* text)
{
    EXPECT_EQ(code, file.getLastError());
    EXPECT_STREQ(text, file.getErrorText(file.getLastError()));
}

std::vector<std::string> drained(TWQList<WQString>& list)
{
    std::vector<std::string> items;
    if (list.moveFirst()) {
        do
            items.push_back(str(*list.getCurrent()));
        while (list.moveNext());
    }
    return items;
}

std::vector<std::string> sorted(std::vector<std::string> items)
{
    std::sort(items.begin(), items.end());
    return items;
}

// Entry names of a folder in the order the file system gives them.
std::vector<std::string> rawListing(const std::string& folder)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA((folder + "\\*.*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        if (std::strcmp(entry.cFileName, ".") != 0 && std::strcmp(entry.cFileName, "..") != 0)
            names.push_back(folder + "\\" + entry.cFileName);
    } while (FindNextFileA(search, &entry));
    FindClose(search);
    return names;
}

bool readOnly(const std::string& path)
{
    return SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY) != 0;
}

// Temporary folders on the prefix's own drive and on the drive that maps
// the Unix root.
std::string parentOn(const std::string& drive)
{
    return drive == "C" ? std::filesystem::temp_directory_path().string() : std::string("Z:\\tmp");
}

class FileOnDrive : public testing::TestWithParam<std::string> {
protected:
    FileOnDrive() : folder(parentOn(GetParam())) {}
    TempFolder folder;
};

INSTANTIATE_TEST_SUITE_P(Drives, FileOnDrive, testing::Values("C", "Z"),
                         [](const testing::TestParamInfo<std::string>& info) { return info.param; });

TEST(File, ClassNameAndErrorTexts)
{
    WQFile file(WQString("x"));
    EXPECT_STREQ("WQObject.WQFile", file.getClassName());
    EXPECT_STREQ("x", file.getPath().c_str());
    const struct {
        uint32_t code;
        const char* text;
    } cases[] = {
        {0, "Success"},
        {0xF0000001u, "File exis"},
        {0xF0000002u, "Paramater is wrong"},
        {0xF0000003u, "Access denied: file's permission setting does not allow specified access"},
        {0xF0000004u, "Filename or path not found"},
        {0xF0000005u, "No more file descriptors are available"},
        {0xF0000006u, "File name error"},
        {0xF0000007u, "Open file fail"},
        {0xF0000008u, "Close file fail"},
        {0xF0000009u, "Success"},
        {5, "Success"},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(c.text, file.getErrorText(c.code)) << std::hex << c.code;
}

TEST(File, NamesAndParents)
{
    const struct {
        const char* path;
        const char* name;
        const char* parent;
        uint32_t parentError;
    } cases[] = {
        {"C:\\a\\b.txt", "b.txt", "C:\\a", 0},
        {"C:\\b.txt", "b.txt", "C:\\", 0},
        {"C:\\a\\", "", "C:\\a", 0},
        {"rel\\b.txt", "b.txt", "rel", 0},
        {"\\\\server\\share\\f", "f", "\\\\server\\share", 0},
        {"\xD0\xC2\xBD\xA8\\\xCE\xC4.txt", "\xCE\xC4.txt", "\xD0\xC2\xBD\xA8", 0},
        {"b.txt", "", "", 0xF0000006u},
        {"", "", "", 0xF0000006u},
        // Nothing before the backslash: no parent.
        {"\\b.txt", "b.txt", "", 0xF0000006u},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        WQFile file(WQString(c.path));
        EXPECT_STREQ(c.name, file.getName().c_str());
        EXPECT_EQ(std::strchr(c.path, '\\') ? 0u : 0xF0000006u, file.getLastError());
        EXPECT_STREQ(c.parent, file.getParentPath().c_str());
        EXPECT_EQ(c.parentError, file.getLastError());
        WQFile* parent = file.getParent();
        if (c.parentError != 0) {
            EXPECT_EQ(nullptr, parent);
            expectError(file, 0xF0000006u, "File name error");
        } else {
            ASSERT_NE(nullptr, parent);
            EXPECT_STREQ(c.parent, parent->getPath().c_str());
            EXPECT_EQ(0u, parent->release());
        }
    }
}

TEST_P(FileOnDrive, DirectoryOrFile)
{
    const std::string sub = folder / "sub";
    ASSERT_TRUE(std::filesystem::create_directory(sub));
    const std::string file = folder.write("f.txt", "abc");
    const std::string drive = GetParam() + ":";
    const struct {
        std::string path;
        int directory;
        int isFile;
        uint32_t error;
    } cases[] = {
        {sub, 1, 0, 0},
        {sub + "\\", 1, 0, 0},
        {file, 0, 1, 0},
        {drive, 1, 0, 0},
        {drive + "\\", 1, 0, 0},
        {folder / "missing", 0, 0, 0xF0000004u},
        {folder / "missing\\", 0, 0, 0xF0000004u},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        WQFile f(wq(c.path));
        EXPECT_EQ(c.directory, f.isDirectory());
        EXPECT_EQ(c.error, f.getLastError());
        EXPECT_EQ(c.isFile, f.isFile());
        EXPECT_EQ(c.error, f.getLastError());
        if (c.error != 0)
            expectError(f, c.error, "Filename or path not found");
    }
}

TEST_P(FileOnDrive, AccessQueries)
{
    const std::string plain = folder.write("plain.txt", "abc");
    const std::string locked = folder.write("locked.txt", "abc");
    ASSERT_TRUE(readOnly(locked));
    const struct {
        std::string path;
        int exists, readable, writable;
    } cases[] = {
        {plain, 1, 1, 1},
        {locked, 1, 1, 0},
        {folder.path(), 1, 1, 1},
        {folder / "missing", 0, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        WQFile f(wq(c.path));
        EXPECT_EQ(c.exists, f.exists());
        EXPECT_EQ(c.readable, f.isReadable());
        EXPECT_EQ(c.writable, f.isWritable());
        EXPECT_EQ(0u, f.getLastError());
    }
}

TEST_P(FileOnDrive, CreateMakeDirectoryAndSize)
{
    WQFile file(wq(folder / "new.txt"));
    EXPECT_EQ(1, file.create());
    EXPECT_EQ(1, file.isFile());
    EXPECT_EQ(0u, file.getSize());
    EXPECT_EQ(0u, file.getLastError());
    EXPECT_EQ(1, file.isWritable());
    EXPECT_EQ(0, file.create());
    expectError(file, 0xF0000001u, "File exis");

    folder.write("five.txt", "hello");
    WQFile five(wq(folder / "five.txt"));
    EXPECT_EQ(5u, five.getSize());
    WQFile missing(wq(folder / "missing.txt"));
    EXPECT_EQ(0u, missing.getSize());
    expectError(missing, 0xF0000004u, "Filename or path not found");

    WQFile nowhere(wq(folder / "no\\such.txt"));
    EXPECT_EQ(0, nowhere.create());
    EXPECT_EQ(0, nowhere.exists());

    WQFile dir(wq(folder / "dir"));
    EXPECT_EQ(1, dir.makeDirectory());
    EXPECT_EQ(1, dir.isDirectory());
    EXPECT_EQ(0, dir.makeDirectory());
    expectError(dir, 0xF0000004u, "Filename or path not found");
    WQFile deep(wq(folder / "no\\such\\dir"));
    EXPECT_EQ(0, deep.makeDirectory());
    expectError(deep, 0xF0000004u, "Filename or path not found");
    // An existing file of that name.
    EXPECT_EQ(0, five.makeDirectory());
    EXPECT_EQ(1, five.isFile());
}

TEST_P(FileOnDrive, RemoveRefusesNonEmptyFoldersAndReadOnlyFiles)
{
    const std::string full = folder / "full";
    ASSERT_TRUE(std::filesystem::create_directory(full));
    folder.write("full\\inside.txt", "x");
    ASSERT_TRUE(std::filesystem::create_directory(folder / "empty"));
    ASSERT_TRUE(std::filesystem::create_directory(folder / "empty2"));
    const std::string locked = folder.write("locked.txt", "x");
    ASSERT_TRUE(readOnly(locked));
    folder.write("plain.txt", "x");
    const struct {
        std::string path;
        int removed;
        bool existsAfter;
    } cases[] = {
        {full, 0, true},
        {locked, 0, true},
        {folder / "missing", 0, false},
        {folder / "empty", 1, false},
        {folder / "empty2\\", 1, false},
        {folder / "plain.txt", 1, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        WQFile f(wq(c.path));
        EXPECT_EQ(c.removed, f.remove());
        EXPECT_EQ(c.existsAfter, std::filesystem::exists(c.path));
    }
    EXPECT_EQ("x", folder.read("full\\inside.txt"));
}

TEST_P(FileOnDrive, RenameKeepsTheObjectsPath)
{
    const std::string from = folder.write("from.txt", "data");
    const std::string to = folder / "to.txt";
    WQFile file(wq(from));
    EXPECT_EQ(1, file.renameTo(wq(to)));
    EXPECT_EQ(0u, file.getLastError());
    EXPECT_STREQ(from.c_str(), file.getPath().c_str());
    EXPECT_EQ(0, file.exists());
    EXPECT_EQ("data", folder.read("to.txt"));

    EXPECT_EQ(0, file.renameTo(wq(folder / "again.txt")));
    expectError(file, 0xF0000004u, "Filename or path not found");
    // An existing target is not replaced.
    folder.write("other.txt", "other");
    WQFile other(wq(folder / "other.txt"));
    EXPECT_EQ(0, other.renameTo(wq(to)));
    expectError(other, 0xF0000004u, "Filename or path not found");
    EXPECT_EQ("data", folder.read("to.txt"));
    // Folders move as well.
    ASSERT_TRUE(std::filesystem::create_directory(folder / "d1"));
    WQFile dir(wq(folder / "d1"));
    EXPECT_EQ(1, dir.renameTo(wq(folder / "d2")));
    EXPECT_TRUE(std::filesystem::is_directory(folder / "d2"));
}

TEST_P(FileOnDrive, WritePermission)
{
    const std::string path = folder.write("f.txt", "abc");
    WQFile file(wq(path));
    EXPECT_EQ(1, file.setWritable(0));
    EXPECT_EQ(0, file.isWritable());
    EXPECT_EQ(0, file.remove());
    // setReadable only sets the permissions again.
    EXPECT_EQ(1, file.setReadable(0));
    EXPECT_EQ(1, file.isReadable());
    EXPECT_EQ(0, file.isWritable());
    EXPECT_EQ(1, file.setWritable(1));
    EXPECT_EQ(1, file.isWritable());
    EXPECT_EQ(1, file.setReadable(1));
    EXPECT_EQ(1, file.isWritable());

    WQFile missing(wq(folder / "missing"));
    EXPECT_EQ(0, missing.setWritable(1));
    expectError(missing, 0xF0000004u, "Filename or path not found");
    EXPECT_EQ(0, missing.setReadable(1));
    expectError(missing, 0xF0000004u, "Filename or path not found");
}

TEST_P(FileOnDrive, Executable)
{
    ASSERT_TRUE(std::filesystem::create_directory(folder / "sub"));
    const struct {
        std::string path;
        int executable;
        uint32_t error;
    } cases[] = {
        {folder.write("prog.exe", "MZ"), 1, 0},
        {folder.write("script.bat", "@echo"), 1, 0},
        {folder.write("text.txt", "x"), 0, 0},
        {folder / "sub", 1, 0},
        {folder / "missing.exe", 0, 0xF0000004u},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        WQFile f(wq(c.path));
        EXPECT_EQ(c.executable, f.isExecutable());
        EXPECT_EQ(c.error, f.getLastError());
    }
}

class NameFilter : public IWQFileFilter {
public:
    explicit NameFilter(const char* suffix) : m_suffix(suffix) {}
    int accept(const WQString& name) override
    {
        seen.push_back(str(name));
        const std::string n = str(name);
        return n.size() >= m_suffix.size() && n.compare(n.size() - m_suffix.size(), m_suffix.size(), m_suffix) == 0;
    }
    std::vector<std::string> seen;

private:
    std::string m_suffix;
};

TEST_P(FileOnDrive, ListingsInFileSystemOrder)
{
    folder.write("a.txt", "a");
    folder.write("b.log", "b");
    folder.write("c.txt", "c");
    ASSERT_TRUE(std::filesystem::create_directory(folder / "sub"));
    folder.write("sub\\nested.txt", "n");
    const std::vector<std::string> expected = rawListing(folder.path());
    ASSERT_EQ(sorted({folder / "a.txt", folder / "b.log", folder / "c.txt", folder / "sub"}), sorted(expected));

    for (const std::string& path : {folder.path(), folder.path() + "\\"}) {
        SCOPED_TRACE(path);
        WQFile dir(wq(path));
        TWQList<WQString> paths;
        ASSERT_EQ(1, paths.addLast(WQString("kept")));
        EXPECT_EQ(1, dir.list(&paths));
        std::vector<std::string> withKept = expected;
        withKept.insert(withKept.begin(), "kept");
        EXPECT_EQ(withKept, drained(paths));

        TWQList<WQFile*> files;
        EXPECT_EQ(1, dir.listFiles(&files));
        std::vector<std::string> filePaths;
        if (files.moveFirst()) {
            do {
                WQFile* f = *files.getCurrent();
                filePaths.push_back(str(f->getPath()));
                EXPECT_STREQ("WQObject.WQFile", f->getClassName());
                EXPECT_EQ(0u, f->release());
            } while (files.moveNext());
        }
        EXPECT_EQ(expected, filePaths);

        NameFilter txt(".txt");
        TWQList<WQString> filtered;
        EXPECT_EQ(1, dir.list(&filtered, &txt));
        EXPECT_EQ(sorted({folder / "a.txt", folder / "c.txt"}), sorted(drained(filtered)));
        // The filter sees bare names, never "." or "..", and nothing nested.
        EXPECT_EQ(sorted({"a.txt", "b.log", "c.txt", "sub"}), sorted(txt.seen));

        NameFilter log(".log");
        TWQList<WQFile*> logs;
        EXPECT_EQ(1, dir.listFiles(&logs, &log));
        ASSERT_EQ(1, logs.getCount());
        EXPECT_STREQ((folder / "b.log").c_str(), (*logs.getCurrent())->getPath().c_str());
        EXPECT_EQ(0u, (*logs.getCurrent())->release());
    }
}

TEST_P(FileOnDrive, ListingFailures)
{
    ASSERT_TRUE(std::filesystem::create_directory(folder / "empty"));
    const std::string file = folder.write("f.txt", "x");
    NameFilter all("");
    TWQList<WQString> paths;
    TWQList<WQFile*> files;

    WQFile empty(wq(folder / "empty"));
    EXPECT_EQ(1, empty.list(&paths));
    EXPECT_EQ(1, empty.listFiles(&files, &all));
    EXPECT_EQ(0, paths.getCount());
    EXPECT_EQ(0, files.getCount());

    WQFile notFolder(wq(file));
    EXPECT_EQ(0, notFolder.list(&paths));
    EXPECT_EQ(0u, notFolder.getLastError());
    EXPECT_EQ(0, notFolder.listFiles(&files));
    WQFile missing(wq(folder / "missing"));
    EXPECT_EQ(0, missing.list(&paths, &all));
    expectError(missing, 0xF0000004u, "Filename or path not found");

    WQFile dir(wq(folder.path()));
    EXPECT_EQ(0, dir.list(nullptr));
    expectError(dir, 0xF0000002u, "Paramater is wrong");
    EXPECT_EQ(0, dir.list(&paths, nullptr));
    expectError(dir, 0xF0000002u, "Paramater is wrong");
    EXPECT_EQ(0, dir.listFiles(nullptr));
    expectError(dir, 0xF0000002u, "Paramater is wrong");
    EXPECT_EQ(0, dir.listFiles(nullptr, &all));
    expectError(dir, 0xF0000002u, "Paramater is wrong");
    EXPECT_EQ(0, dir.listFiles(&files, nullptr));
    expectError(dir, 0xF0000002u, "Paramater is wrong");
    EXPECT_EQ(0, paths.getCount());
    EXPECT_EQ(0, files.getCount());
    EXPECT_TRUE(all.seen.empty());
}

TEST_P(FileOnDrive, OpenStream)
{
    const std::string path = folder.write("f.txt", "abc");
    WQFile file(wq(path));
    WQFileStream* stream = file.openStream(0);
    ASSERT_NE(nullptr, stream);
    EXPECT_EQ('a', stream->readChar());
    EXPECT_EQ(0u, stream->release());

    WQFile dir(wq(folder.path()));
    EXPECT_EQ(nullptr, dir.openStream(0));
    EXPECT_EQ(nullptr, dir.openStream(1));

    WQFile missing(wq(folder / "new.txt"));
    EXPECT_EQ(nullptr, missing.openStream(0));
    stream = missing.openStream(1);
    ASSERT_NE(nullptr, stream);
    EXPECT_EQ(1, stream->writeInt16(0x4241));
    EXPECT_EQ(0u, stream->release());
    EXPECT_EQ("AB", folder.read("new.txt"));
}

TEST_P(FileOnDrive, FolderNamedInCodePage936)
{
    // "新建文件夹" and "文件.txt" in code page 936.
    const std::string name = "\xD0\xC2\xBD\xA8\xCE\xC4\xBC\xFE\xBC\xD0";
    const std::string path = folder / name;
    WQFile dir(wq(path));
    ASSERT_EQ(1, dir.makeDirectory());
    EXPECT_EQ(1, dir.isDirectory());
    EXPECT_STREQ(name.c_str(), dir.getName().c_str());

    const std::string inner = path + "\\\xCE\xC4\xBC\xFE.txt";
    WQFile file(wq(inner));
    EXPECT_EQ(1, file.create());
    EXPECT_EQ(1, file.isFile());
    EXPECT_STREQ(path.c_str(), file.getParentPath().c_str());

    TWQList<WQString> paths;
    WQFile top(wq(folder.path()));
    EXPECT_EQ(1, top.list(&paths));
    EXPECT_EQ(std::vector<std::string>{path}, drained(paths));
    TWQList<WQString> innerPaths;
    EXPECT_EQ(1, dir.list(&innerPaths));
    EXPECT_EQ(std::vector<std::string>{inner}, drained(innerPaths));

    EXPECT_EQ(0, dir.remove());
    EXPECT_EQ(1, file.remove());
    EXPECT_EQ(1, dir.remove());
    EXPECT_EQ(0, dir.exists());
}

TEST(File, FileInADriveRoot)
{
    const std::string path = "C:\\wqt-root-" + std::to_string(GetCurrentProcessId()) + ".txt";
    struct DeleteAtEnd {
        const std::string& path;
        ~DeleteAtEnd() { DeleteFileA(path.c_str()); }
    } cleanup{path};
    WQFile file(wq(path));
    ASSERT_EQ(1, file.create());
    EXPECT_STREQ("C:\\", file.getParentPath().c_str());
    WQFile* parent = file.getParent();
    ASSERT_NE(nullptr, parent);
    EXPECT_EQ(1, parent->isDirectory());
    TWQList<WQString> paths;
    EXPECT_EQ(1, parent->list(&paths));
    const std::vector<std::string> listed = drained(paths);
    EXPECT_NE(listed.end(), std::find(listed.begin(), listed.end(), path));
    // The bare drive lists the same root, with one backslash per path.
    WQFile drive(WQString("C:"));
    TWQList<WQString> drivePaths;
    EXPECT_EQ(1, drive.list(&drivePaths));
    EXPECT_EQ(sorted(listed), sorted(drained(drivePaths)));
    EXPECT_EQ(0u, parent->release());
    EXPECT_EQ(1, file.remove());
    EXPECT_EQ(0, file.exists());
}

TEST(File, ListingOfAShortFolderNameGivesLongForms)
{
    TempFolder folder;
    const std::string longName = "Long Folder Name For Listing";
    const std::string longFolder = folder / longName;
    ASSERT_TRUE(std::filesystem::create_directory(longFolder));
    folder.write(longName + "\\long entry name.text", "x");
    char shortFolder[MAX_PATH] = {};
    const DWORD length = GetShortPathNameA(longFolder.c_str(), shortFolder, MAX_PATH);
    ASSERT_GT(length, 0u);
    ASSERT_LT(length, static_cast<DWORD>(MAX_PATH));
    if (longFolder == shortFolder) {
        GTEST_SKIP() << "no short names on this system";
    }
    WQFile dir{WQString(shortFolder)};
    TWQList<WQString> paths;
    EXPECT_EQ(1, dir.list(&paths));
    EXPECT_EQ(std::vector<std::string>{longFolder + "\\long entry name.text"}, drained(paths));
}

TEST(File, ListingKeepsPathsTooLongForTheLongForm)
{
    TempFolder folder;
    // A folder path well below the limit, an entry that takes the whole
    // path beyond it.
    std::string deep = folder.path();
    while (deep.size() < 200)
        deep += "\\dddddddddddddddddddd";
    ASSERT_TRUE(std::filesystem::create_directories(deep));
    const std::string name(120, 'n');
    const std::wstring wide = L"\\\\?\\" + std::filesystem::path(deep + "\\" + name).wstring();
    HANDLE created = CreateFileW(wide.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, created) << GetLastError();
    CloseHandle(created);

    WQFile dir{WQString(deep.c_str())};
    TWQList<WQString> paths;
    EXPECT_EQ(1, dir.list(&paths));
    EXPECT_EQ(std::vector<std::string>{deep + "\\" + name}, drained(paths));
    std::error_code error;
    EXPECT_TRUE(std::filesystem::remove(wide, error)) << error.message();
}

TEST(File, ModuleFolder)
{
    char module[MAX_PATH] = {};
    ASSERT_GT(GetModuleFileNameA(nullptr, module, MAX_PATH), 0u);
    char longModule[MAX_PATH] = {};
    ASSERT_GT(GetLongPathNameA(module, longModule, MAX_PATH), 0u);
    const std::string expected = std::string(longModule).substr(0, std::string(longModule).rfind('\\'));

    WQFile* folder = WQFile::getModuleFolder();
    ASSERT_NE(nullptr, folder);
    EXPECT_EQ(expected, str(folder->getPath()));
    EXPECT_NE('\\', str(folder->getPath()).back());
    EXPECT_EQ(1, folder->isDirectory());
    EXPECT_EQ(0u, folder->release());
}

// Runs the probe program from the short (8.3) form of a long path: it
// reports its module name and getModuleFolder().
TEST(File, ModuleFolderOfAProgramStartedByItsShortPath)
{
    char module[MAX_PATH] = {};
    ASSERT_GT(GetModuleFileNameA(nullptr, module, MAX_PATH), 0u);
    std::string probe = module;
    probe = probe.substr(0, probe.rfind('\\')) + "\\files_module_probe.exe";
    ASSERT_TRUE(std::filesystem::exists(probe)) << probe;

    TempFolder folder;
    const std::string longFolder = folder / "Module Probe Folder";
    ASSERT_TRUE(std::filesystem::create_directory(longFolder));
    const std::string longExe = longFolder + "\\module folder probe.exe";
    ASSERT_TRUE(CopyFileA(probe.c_str(), longExe.c_str(), TRUE));
    char shortExe[MAX_PATH] = {};
    const DWORD length = GetShortPathNameA(longExe.c_str(), shortExe, MAX_PATH);
    ASSERT_GT(length, 0u);
    ASSERT_LT(length, static_cast<DWORD>(MAX_PATH));
    if (longExe == shortExe) {
        GTEST_SKIP() << "no short names on this system";
    }
    const std::string report = folder / "report.txt";
    std::string command = std::string("\"") + shortExe + "\" \"" + report + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    ASSERT_TRUE(CreateProcessA(shortExe, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                               &process));
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(process.hProcess, 30000));
    DWORD exitCode = 1;
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    EXPECT_EQ(0u, exitCode);

    const std::string lines = TempFolder::readFile(report);
    const std::size_t newline = lines.find('\n');
    ASSERT_NE(std::string::npos, newline) << lines;
    const std::string moduleName = lines.substr(0, newline);
    const std::string moduleFolder = lines.substr(newline + 1);
    // Windows hands a program started by its short path that short form;
    // Wine gives the long form already.
    RecordProperty("module_name_seen_by_probe", moduleName);
    EXPECT_EQ(longFolder, moduleFolder);
}

} // namespace
