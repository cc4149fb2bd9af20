#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AppTestSupport.h"
#include "FileRemoval.h"

using namespace VelmoTest;
using Velmo::removeEntry;
using Velmo::RemovalOutcome;
using WQSDK::WQString;

namespace {

const char* const kScratch = "C:\\Velmo Removal Test";

// "{F}" in a path stands for the scratch folder.
std::string expand(const std::string& text, const std::string& folder)
{
    std::string result = text;
    for (size_t at = result.find("{F}"); at != std::string::npos; at = result.find("{F}", at + folder.size()))
        result.replace(at, 3, folder);
    return result;
}

struct RemovalCase {
    const char* name;
    // Made in the scratch folder first: names ending in a backslash are
    // folders, the others files holding their own name.
    std::vector<std::string> layout;
    // Made read-only after the layout.
    std::vector<std::string> readOnly;
    // Current folder during the call, when not empty.
    std::string currentFolder;
    std::string entry;
    RemovalOutcome outcome;
    std::vector<std::string> gone;
    std::vector<std::string> kept;
    // "del" files the call leaves in the temporary folder.
    size_t delFiles;
};

void PrintTo(const RemovalCase& c, std::ostream* out)
{
    *out << c.name;
}

class RemoveEntryTable : public ::testing::TestWithParam<RemovalCase> {};

TEST_P(RemoveEntryTable, RemovesWhatTheEntryNamesAndNothingElse)
{
    const RemovalCase& c = GetParam();
    ScratchFolder scratch(kScratch);
    for (const std::string& item : c.layout) {
        const std::string path = scratch / item;
        if (item.back() == '\\') {
            ASSERT_TRUE(CreateDirectoryA(path.c_str(), nullptr)) << path;
        } else {
            ASSERT_TRUE(writeFile(path, item)) << path;
        }
    }
    for (const std::string& item : c.readOnly)
        ASSERT_TRUE(SetFileAttributesA((scratch / item).c_str(), FILE_ATTRIBUTE_READONLY));
    if (!c.currentFolder.empty()) {
        ASSERT_TRUE(SetCurrentDirectoryA(expand(c.currentFolder, scratch.path()).c_str()));
    }

    const std::vector<std::string> delBefore = temporaryDelFiles();
    const RemovalOutcome outcome = removeEntry(WQString(expand(c.entry, scratch.path()).c_str()));
    const std::vector<std::string> newDel = added(delBefore, temporaryDelFiles());
    SetCurrentDirectoryA("C:\\");

    EXPECT_EQ(c.outcome, outcome);
    for (const std::string& item : c.gone)
        EXPECT_FALSE(pathExists(expand(item, scratch.path()))) << item;
    for (const std::string& item : c.kept)
        EXPECT_TRUE(pathExists(expand(item, scratch.path()))) << item;
    ASSERT_EQ(c.delFiles, newDel.size());
    // A moved file keeps its contents under the "del" name until the
    // restart deletes it.
    for (const std::string& moved : newDel) {
        EXPECT_EQ(c.readOnly.front(), readFile(moved));
        EXPECT_TRUE(containsPath(pendingDeletions(), moved)) << moved;
        SetFileAttributesA(moved.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(moved.c_str());
    }
}

// 说明.txt in code page 936.
const std::string kGbkName = "\xcb\xb5\xc3\xf7.txt";

INSTANTIATE_TEST_SUITE_P(Entries, RemoveEntryTable,
    ::testing::Values(
        RemovalCase{"PlainFile", {"a.txt", "b.txt"}, {}, "", "{F}\\a.txt", Velmo::REMOVAL_DELETED, {"{F}\\a.txt"},
            {"{F}\\b.txt"}, 0},
        RemovalCase{"GbkName", {kGbkName, "a.txt"}, {}, "", "{F}\\" + kGbkName, Velmo::REMOVAL_DELETED,
            {"{F}\\" + kGbkName}, {"{F}\\a.txt"}, 0},
        RemovalCase{"EmptyFolder", {"empty\\"}, {}, "", "{F}\\empty", Velmo::REMOVAL_DELETED, {"{F}\\empty"}, {}, 0},
        RemovalCase{"EmptyFolderWithTrailingBackslash", {"empty\\"}, {}, "", "{F}\\empty\\", Velmo::REMOVAL_DELETED,
            {"{F}\\empty"}, {}, 0},
        RemovalCase{"FolderWithFiles", {"full\\", "full\\a.txt"}, {}, "", "{F}\\full", Velmo::REMOVAL_LEFT, {},
            {"{F}\\full\\a.txt"}, 0},
        RemovalCase{"MissingPath", {"a.txt"}, {}, "", "{F}\\missing.txt", Velmo::REMOVAL_LEFT, {}, {"{F}\\a.txt"}, 0},
        RemovalCase{"EmptyEntry", {"a.txt"}, {}, "{F}", "", Velmo::REMOVAL_LEFT, {}, {"{F}\\a.txt"}, 0},
        // remove() refuses a read-only file; it can still be moved away.
        RemovalCase{"ReadOnlyFile", {"ro.txt", "a.txt"}, {"ro.txt"}, "", "{F}\\ro.txt", Velmo::REMOVAL_MOVED,
            {"{F}\\ro.txt"}, {"{F}\\a.txt"}, 1},
        RemovalCase{"DriveRoot", {"a.txt"}, {}, "", "C:\\", Velmo::REMOVAL_LEFT, {}, {"{F}\\a.txt"}, 0},
        // "C:" alone is the current folder of drive C, here an empty one.
        RemovalCase{"BareDrive", {"cwd\\"}, {}, "{F}\\cwd", "C:", Velmo::REMOVAL_LEFT, {}, {"{F}\\cwd"}, 0},
        RemovalCase{"SystemFolder", {}, {}, "", "C:\\windows\\system32", Velmo::REMOVAL_LEFT, {},
            {"C:\\windows\\system32\\kernel32.dll"}, 0},
        RemovalCase{"LongerThanMaxPath", {"a.txt"}, {}, "", "{F}\\a.txt" + std::string(300, 'x'),
            Velmo::REMOVAL_LEFT, {}, {"{F}\\a.txt"}, 0},
        RemovalCase{"LongerThanMaxPathBelowFolder", {"sub\\"}, {}, "", "{F}\\sub\\" + std::string(300, 'x'),
            Velmo::REMOVAL_LEFT, {}, {"{F}\\sub"}, 0},
        // A lone lead byte at the end, and bytes that are no GBK at all.
        RemovalCase{"TruncatedGbk", {"a.txt"}, {}, "", "{F}\\a.txt\x81", Velmo::REMOVAL_LEFT, {}, {"{F}\\a.txt"}, 0},
        RemovalCase{"InvalidGbkFolder", {"sub\\", "sub\\a.txt"}, {}, "", "{F}\\sub\\\xff\xfe", Velmo::REMOVAL_LEFT,
            {}, {"{F}\\sub\\a.txt"}, 0}),
    [](const ::testing::TestParamInfo<RemovalCase>& info) { return std::string(info.param.name); });

class RemoveEntryInUse : public ::testing::Test {
protected:
    ScratchFolder m_scratch{kScratch};
};

// A loaded library cannot be deleted, but it can be moved: its path is
// free at once and the moved copy goes at the next restart.
TEST_F(RemoveEntryInUse, LoadedLibraryIsMovedIntoTheTemporaryFolder)
{
    const std::string library = m_scratch / "loaded.dll";
    ASSERT_TRUE(CopyFileA(shellExtensionDll().c_str(), library.c_str(), FALSE));
    const std::string contents = readFile(library);
    HelperProcess helper("load", library);
    ASSERT_TRUE(helper.ready());
    ASSERT_FALSE(DeleteFileA(library.c_str())) << "the system let a loaded library be deleted";

    const std::vector<std::string> delBefore = temporaryDelFiles();
    EXPECT_EQ(Velmo::REMOVAL_MOVED, removeEntry(WQString(library.c_str())));
    const std::vector<std::string> newDel = added(delBefore, temporaryDelFiles());

    EXPECT_FALSE(pathExists(library));
    ASSERT_EQ(1u, newDel.size());
    EXPECT_EQ(contents, readFile(newDel[0]));
    EXPECT_TRUE(containsPath(pendingDeletions(), newDel[0]));
    helper.end();
    DeleteFileA(newDel[0].c_str());
}

// Open without delete sharing, the file can be neither deleted nor moved:
// it stays, no empty "del" file is left behind, and the file itself is
// deleted at the next restart.
TEST_F(RemoveEntryInUse, FileHeldOpenIsScheduledWhereItIs)
{
    const std::string file = m_scratch / "held.txt";
    ASSERT_TRUE(writeFile(file, "held"));
    HelperProcess helper("hold", file);
    ASSERT_TRUE(helper.ready());

    const std::vector<std::string> delBefore = temporaryDelFiles();
    EXPECT_EQ(Velmo::REMOVAL_SCHEDULED, removeEntry(WQString(file.c_str())));

    EXPECT_TRUE(pathExists(file));
    EXPECT_EQ(std::vector<std::string>(), added(delBefore, temporaryDelFiles()));
    EXPECT_TRUE(containsPath(pendingDeletions(), file));
}

} // namespace
