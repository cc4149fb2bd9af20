// Checks that need more than one program run, driven by session-test.sh:
//   Restart.Prepare, then a new wine session, then Restart.Check;
//   WindowsXp.* with this program set to report Windows XP.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "AppTestSupport.h"
#include "DemoInstallation.h"
#include "FileRemoval.h"
#include "RegistryCleanup.h"
#include "base/WQProperties.h"
#include "base/WQWindowsVersion.h"

using namespace VelmoTest;
using WQSDK::WQString;

namespace {

const char* const kFolder = "C:\\Velmo Restart Test";
// What Prepare leaves for Check: one path a line.
const char* const kRecord = "C:\\velmo-restart.txt";

// Files in use by helpers that outlive this program, and a read-only file:
// all of them are moved away or scheduled, to be deleted when the next
// session starts.
TEST(Restart, Prepare)
{
    removeTree(kFolder);
    ASSERT_TRUE(CreateDirectoryA(kFolder, nullptr));
    const std::string library = std::string(kFolder) + "\\loaded.dll";
    const std::string held = std::string(kFolder) + "\\held.txt";
    const std::string readOnly = std::string(kFolder) + "\\read-only.txt";
    ASSERT_TRUE(CopyFileA(shellExtensionDll().c_str(), library.c_str(), FALSE));
    ASSERT_TRUE(writeFile(held, "held"));
    ASSERT_TRUE(writeFile(readOnly, "read-only"));
    ASSERT_TRUE(SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_READONLY));
    HelperProcess loader("load", library);
    HelperProcess holder("hold", held);
    ASSERT_TRUE(loader.ready());
    ASSERT_TRUE(holder.ready());
    loader.detach();
    holder.detach();

    std::string record;
    const std::vector<std::string> before = temporaryDelFiles();
    EXPECT_EQ(Velmo::REMOVAL_MOVED, Velmo::removeEntry(WQString(library.c_str())));
    EXPECT_EQ(Velmo::REMOVAL_SCHEDULED, Velmo::removeEntry(WQString(held.c_str())));
    EXPECT_EQ(Velmo::REMOVAL_MOVED, Velmo::removeEntry(WQString(readOnly.c_str())));
    const std::vector<std::string> moved = added(before, temporaryDelFiles());
    ASSERT_EQ(2u, moved.size());
    for (const std::string& path : {moved[0], moved[1], held, library, readOnly})
        record += path + "\n";
    ASSERT_TRUE(writeFile(kRecord, record));
    const std::vector<std::string> pending = pendingDeletions();
    for (const std::string& path : {moved[0], moved[1], held})
        EXPECT_TRUE(containsPath(pending, path)) << path;
}

TEST(Restart, Check)
{
    const std::string record = readFile(kRecord);
    ASSERT_FALSE(record.empty());
    for (size_t start = 0, end; (end = record.find('\n', start)) != std::string::npos; start = end + 1) {
        const std::string path = record.substr(start, end - start);
        EXPECT_FALSE(pathExists(path)) << path;
    }
    EXPECT_EQ(std::vector<std::string>(), pendingDeletions());
}

// The whole cleanup on the demo installation with another Windows than 7:
// the extensions' own default values return to the earlier owners, the
// per-user choices stay as they are.
TEST(WindowsXp, DemoCleanupRestoresTheClassDefaults)
{
    ASSERT_EQ(WQSDK::WQ_WINDOWS_XP, WQSDK::getWindowsVersion());
    ASSERT_EQ("", installDemo(false));
    const WQString folder(VelmoDemo::kProgramFolder);
    WQSDK::WQProperties table;
    ASSERT_EQ(1, table.load(folder.concat("\\filelink.txt")));

    EXPECT_EQ(1, Velmo::RegistryCleanup(folder, table).removeRegistryEntry(WQString(VelmoDemo::kProductKey)));

    const std::map<std::string, std::string> restored = {{".JPEG", "jpegfile"}, {".JPG", "jpegfile"},
        {".PNG", "pngfile"}, {".BMP", "Paint.Picture"}, {".GIF", "giffile"}, {".TIFF", "TIFImage.Document"},
        {".TIF", "TIFImage.Document"}, {".ICO", "icofile"}};
    const std::vector<std::string>& chosen = VelmoDemo::userChoiceExtensions();
    const VelmoDemo::State state = VelmoDemo::examine(VelmoDemo::kProgramFolder);
    EXPECT_FALSE(state.productKey);
    EXPECT_FALSE(state.fileLink);
    for (const VelmoDemo::ExtensionState& item : state.extensions) {
        SCOPED_TRACE(item.extension);
        EXPECT_FALSE(item.progIdKey);
        const auto owner = restored.find(item.extension);
        EXPECT_EQ(owner != restored.end() ? owner->second : VelmoDemo::progId(item.extension), item.classDefault);
        const bool hasChoice = std::find(chosen.begin(), chosen.end(), item.extension) != chosen.end();
        EXPECT_EQ(hasChoice, item.userChoiceKey);
        EXPECT_EQ(hasChoice ? VelmoDemo::progId(item.extension) : std::string(), item.userChoice);
    }
}

TEST(WindowsXp, AMissingExtensionKeyIsNotCreated)
{
    ASSERT_EQ(WQSDK::WQ_WINDOWS_XP, WQSDK::getWindowsVersion());
    EXPECT_EQ(0, Velmo::RegistryCleanup::setAssociation(".VLMNONE", WQString("nonefile")));
    EXPECT_FALSE(keyExists(HKEY_CLASSES_ROOT, ".VLMNONE"));
}

} // namespace
