#include <gtest/gtest.h>

#include <map>
#include <shlobj.h>
#include <string>

#include "AppTestSupport.h"
#include "DemoInstallation.h"
#include "RegistryCleanup.h"
#include "base/WQProperties.h"
#include "base/WQWindowsVersion.h"

using namespace VelmoTest;
using Velmo::RegistryCleanup;
using WQSDK::WQProperties;
using WQSDK::WQString;

namespace {

const char* const kFolder = "C:\\Velmo Registry Test";
const char* const kUserChoice = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts\\";

// Counts the shell's "associations changed" notifications to a window of
// this thread.
class AssociationWatcher {
public:
    AssociationWatcher()
    {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = &AssociationWatcher::windowProcedure;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "VelmoAssociationWatcher";
        RegisterClassA(&windowClass);
        m_window = CreateWindowA("VelmoAssociationWatcher", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
            windowClass.hInstance, nullptr);
        SHChangeNotifyEntry everything = {nullptr, TRUE};
        m_registration = SHChangeNotifyRegister(m_window, SHCNRF_ShellLevel | SHCNRF_InterruptLevel,
            SHCNE_ASSOCCHANGED, kMessage, 1, &everything);
        s_count = 0;
    }
    ~AssociationWatcher()
    {
        SHChangeNotifyDeregister(m_registration);
        DestroyWindow(m_window);
    }
    bool watching() const { return m_window != nullptr && m_registration != 0; }
    // Notifications so far, after handling any that were posted.
    int count()
    {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&message);
        return s_count;
    }

private:
    static const UINT kMessage = WM_APP + 17;
    static LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == kMessage && static_cast<LONG>(lParam) == SHCNE_ASSOCCHANGED)
            ++s_count;
        return DefWindowProcA(window, message, wParam, lParam);
    }
    static int s_count;
    HWND m_window;
    ULONG m_registration;
};

int AssociationWatcher::s_count = 0;

// A program folder holding filelink.txt and, below HKEY_CLASSES_ROOT, the
// viewer's file type of ".PNG": what a successful cleanup removes.
class RegistryCleanupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(writeFile(m_scratch / "filelink.txt", ".PNG=pngfile\r\n"));
        ASSERT_TRUE(setString(HKEY_CLASSES_ROOT, "Velmo.PNG\\shell\\Open\\Command", "", "viewer \"%1\""));
        ASSERT_TRUE(setString(HKEY_CLASSES_ROOT, "Velmo.PNG", "", "PNG image"));
    }
    void TearDown() override
    {
        deleteTree(HKEY_CLASSES_ROOT, "Velmo.PNG");
        deleteTree(HKEY_CURRENT_USER, "Software\\VelmoRootTest");
    }
    bool cleanedUp() const
    {
        return !keyExists(HKEY_CLASSES_ROOT, "Velmo.PNG") && !pathExists(m_scratch / "filelink.txt");
    }
    bool untouched() const
    {
        return keyExists(HKEY_CLASSES_ROOT, "Velmo.PNG\\shell\\Open\\Command") && pathExists(m_scratch / "filelink.txt");
    }

    ScratchFolder m_scratch{kFolder};
    WQString m_folder{kFolder};
    WQProperties m_table;
    RegistryCleanup m_cleanup{m_folder, m_table};
};

struct RootCase {
    const char* label;
    const char* rootName; // empty: the entry has no root part
    HKEY root;
    const char* subkey;
};

void PrintTo(const RootCase& c, std::ostream* out)
{
    *out << c.label;
}

class RegistryRoots : public RegistryCleanupTest, public ::testing::WithParamInterface<RootCase> {};

TEST_P(RegistryRoots, DeletesTheKeyBelowItsRootAndCleansUp)
{
    const RootCase& c = GetParam();
    ASSERT_TRUE(setString(c.root, c.subkey, "Version", "1.0"));
    const std::string entry = *c.rootName ? std::string(c.rootName) + "\\" + c.subkey : std::string(c.subkey);

    EXPECT_EQ(1, m_cleanup.removeRegistryEntry(WQString(entry.c_str())));

    EXPECT_FALSE(keyExists(c.root, c.subkey));
    const std::string subkey = c.subkey;
    const size_t backslash = subkey.rfind('\\');
    if (backslash != std::string::npos) {
        EXPECT_TRUE(keyExists(c.root, subkey.substr(0, backslash))) << "the parent key must stay";
    }
    EXPECT_TRUE(cleanedUp());
    deleteTree(c.root, c.subkey);
    deleteTree(HKEY_CLASSES_ROOT, "VelmoRoot");
}

INSTANTIATE_TEST_SUITE_P(Names, RegistryRoots,
    ::testing::Values(RootCase{"ClassesRoot", "HKEY_CLASSES_ROOT", HKEY_CLASSES_ROOT, "VelmoRoot\\Test"},
        RootCase{"CurrentUser", "HKEY_CURRENT_USER", HKEY_CURRENT_USER, "Software\\VelmoRootTest"},
        RootCase{"CurrentUserInLowerCase", "hkey_current_user", HKEY_CURRENT_USER, "Software\\VelmoRootTest"},
        RootCase{"LocalMachine", "HKEY_LOCAL_MACHINE", HKEY_LOCAL_MACHINE, "Software\\VelmoRootTest"},
        RootCase{"LocalMachineMixedCase", "Hkey_Local_Machine", HKEY_LOCAL_MACHINE, "Software\\VelmoRootTest"},
        RootCase{"Users", "HKEY_USERS", HKEY_USERS, ".DEFAULT\\Software\\VelmoRootTest"},
        RootCase{"CurrentConfig", "HKEY_CURRENT_CONFIG", HKEY_CURRENT_CONFIG, "Software\\VelmoRootTest"},
        // Without a backslash the whole entry is a key of the classes root.
        RootCase{"NoBackslash", "", HKEY_CLASSES_ROOT, "VelmoRootTest"}),
    [](const ::testing::TestParamInfo<RootCase>& info) { return std::string(info.param.label); });

struct RefusedCase {
    const char* label;
    std::string entry;
};

void PrintTo(const RefusedCase& c, std::ostream* out)
{
    *out << c.label;
}

class RefusedEntries : public RegistryCleanupTest, public ::testing::WithParamInterface<RefusedCase> {};

// HKEY_CURRENT_USER\Software\VelmoRootTest exists, with a subkey; none of
// these entries may delete anything.
TEST_P(RefusedEntries, DoNothingAtAll)
{
    ASSERT_TRUE(setString(HKEY_CURRENT_USER, "Software\\VelmoRootTest\\Child", "", "child"));

    EXPECT_EQ(0, m_cleanup.removeRegistryEntry(WQString(GetParam().entry.c_str())));

    EXPECT_TRUE(keyExists(HKEY_CURRENT_USER, "Software\\VelmoRootTest\\Child"));
    EXPECT_TRUE(untouched());
}

INSTANTIATE_TEST_SUITE_P(Entries, RefusedEntries,
    ::testing::Values(RefusedCase{"KeyWithSubkeys", "HKEY_CURRENT_USER\\Software\\VelmoRootTest"},
        RefusedCase{"MissingKey", "HKEY_CURRENT_USER\\Software\\VelmoMissing"},
        RefusedCase{"PerformanceDataRoot", "HKEY_PERFORMANCE_DATA\\Software\\VelmoRootTest\\Child"},
        RefusedCase{"UnknownRoot", "HKEY_CURRENT_USERS\\Software\\VelmoRootTest\\Child"},
        RefusedCase{"LeadingBackslash", "\\Software\\VelmoRootTest\\Child"},
        RefusedCase{"RootAlone", "HKEY_CURRENT_USER\\"},
        RefusedCase{"Empty", ""},
        // Dropping the lone lead byte would name the subkey.
        RefusedCase{"TruncatedGbk", "HKEY_CURRENT_USER\\Software\\VelmoRootTest\\Child\x81"}),
    [](const ::testing::TestParamInfo<RefusedCase>& info) { return std::string(info.param.label); });

TEST_F(RegistryCleanupTest, TellsTheShellOnceThatAssociationsChanged)
{
    ASSERT_TRUE(setString(HKEY_CURRENT_USER, "Software\\VelmoRootTest", "", "product"));
    AssociationWatcher watcher;
    ASSERT_TRUE(watcher.watching());

    ASSERT_EQ(0, m_cleanup.removeRegistryEntry(WQString("HKEY_CURRENT_USER\\Software\\VelmoMissing")));
    EXPECT_EQ(0, watcher.count()) << "nothing was restored";
    ASSERT_EQ(1, m_cleanup.removeRegistryEntry(WQString("HKEY_CURRENT_USER\\Software\\VelmoRootTest")));
    EXPECT_EQ(1, watcher.count());
}

// Only keys without subkeys can be deleted: an unexpected subkey keeps its
// parents, while every other step still runs.
TEST_F(RegistryCleanupTest, EachStepOfTheFileTypeRunsWhateverTheOthersDid)
{
    ASSERT_EQ(WQSDK::WQ_WINDOWS_7, WQSDK::getWindowsVersion());
    const std::string type = "Velmo.TGA";
    for (const char* subkey : {"", "\\shell", "\\shell\\Open", "\\shell\\Open\\Command", "\\shell\\Open\\ddeexec",
             "\\FriendlyTypeName", "\\DefaultIcon"})
        ASSERT_TRUE(setString(HKEY_CLASSES_ROOT, type + subkey, "", "value"));
    const std::string choice = std::string(kUserChoice) + ".TGA\\UserChoice";
    ASSERT_TRUE(setString(HKEY_CURRENT_USER, choice, "Progid", type));
    m_table.set(".TGA", "tgafile");

    EXPECT_EQ(1, m_cleanup.restoreAssociation(".TGA"));

    const struct {
        const char* subkey;
        bool key;
        bool defaultValue;
    } expected[] = {
        {"", true, false},
        {"\\shell", true, false},
        {"\\shell\\Open", true, true},
        {"\\shell\\Open\\ddeexec", true, true},
        {"\\shell\\Open\\Command", false, false},
        {"\\FriendlyTypeName", false, false},
        {"\\DefaultIcon", false, false},
    };
    for (const auto& row : expected) {
        std::string value;
        EXPECT_EQ(row.key, keyExists(HKEY_CLASSES_ROOT, type + row.subkey)) << row.subkey;
        EXPECT_EQ(row.defaultValue, readString(HKEY_CLASSES_ROOT, type + row.subkey, "", value)) << row.subkey;
    }
    std::string progid;
    EXPECT_TRUE(readString(HKEY_CURRENT_USER, choice, "Progid", progid));
    EXPECT_EQ("tgafile", progid);
    deleteTree(HKEY_CLASSES_ROOT, type);
    deleteTree(HKEY_CURRENT_USER, std::string(kUserChoice) + ".TGA");
}

TEST_F(RegistryCleanupTest, DeleteDefaultValueDeletesOnlyTheDefault)
{
    ASSERT_TRUE(setString(HKEY_CLASSES_ROOT, "VelmoDefault\\Both", "", "default"));
    ASSERT_TRUE(setString(HKEY_CLASSES_ROOT, "VelmoDefault\\Both", "Named", "named"));
    ASSERT_TRUE(setString(HKEY_CLASSES_ROOT, "VelmoDefault\\NamedOnly", "Named", "named"));

    const struct {
        const char* subkey;
        int result;
    } cases[] = {{"VelmoDefault\\Both", 1}, {"VelmoDefault\\NamedOnly", 0}, {"VelmoDefault\\Missing", 0}};
    for (const auto& c : cases) {
        EXPECT_EQ(c.result, RegistryCleanup::deleteDefaultValue(WQString(c.subkey))) << c.subkey;
        std::string value;
        EXPECT_FALSE(readString(HKEY_CLASSES_ROOT, c.subkey, "", value)) << c.subkey;
    }
    std::string named;
    EXPECT_TRUE(readString(HKEY_CLASSES_ROOT, "VelmoDefault\\Both", "Named", named));
    EXPECT_EQ("named", named);
    deleteTree(HKEY_CLASSES_ROOT, "VelmoDefault");
}

// Windows 7 keeps the choice per user; it is updated, never created, and
// the extension's own key is left alone.
TEST_F(RegistryCleanupTest, OnWindows7TheUserChoiceIsUpdatedWhenItExists)
{
    ASSERT_EQ(WQSDK::WQ_WINDOWS_7, WQSDK::getWindowsVersion());
    const std::string chosen = std::string(kUserChoice) + ".VLMA\\UserChoice";
    const std::string unchosen = std::string(kUserChoice) + ".VLMB\\UserChoice";
    ASSERT_TRUE(setString(HKEY_CURRENT_USER, chosen, "Progid", "Velmo.VLMA"));
    ASSERT_TRUE(setString(HKEY_CLASSES_ROOT, ".VLMA", "", "Velmo.VLMA"));
    ASSERT_TRUE(setString(HKEY_CLASSES_ROOT, ".VLMB", "", "Velmo.VLMB"));
    // "图片.file": bytes of code page 936 go through as they are.
    const std::string gbkType = "\xcd\xbc\xc6\xac.file";

    EXPECT_EQ(1, RegistryCleanup::setAssociation(".VLMA", WQString(gbkType.c_str())));
    EXPECT_EQ(0, RegistryCleanup::setAssociation(".VLMB", WQString("bfile")));

    std::string value;
    EXPECT_TRUE(readString(HKEY_CURRENT_USER, chosen, "Progid", value));
    EXPECT_EQ(gbkType, value);
    EXPECT_FALSE(keyExists(HKEY_CURRENT_USER, unchosen));
    for (const char* extension : {".VLMA", ".VLMB"}) {
        EXPECT_TRUE(readString(HKEY_CLASSES_ROOT, extension, "", value));
        EXPECT_EQ(std::string("Velmo") + extension, value);
        deleteTree(HKEY_CLASSES_ROOT, extension);
        deleteTree(HKEY_CURRENT_USER, std::string(kUserChoice) + extension);
    }
}

// The whole cleanup on the demo installation, on Windows 7: the product
// key and every file type go, the per-user choices that exist return to
// the owners that filelink.txt names (exact key, non-empty value).
TEST(RegistryCleanupDemo, RemovesTheInstallationsKeysAndRestoresTheUserChoices)
{
    ASSERT_EQ(WQSDK::WQ_WINDOWS_7, WQSDK::getWindowsVersion());
    ASSERT_EQ("", installDemo(false));
    const WQString folder(VelmoDemo::kProgramFolder);
    WQProperties table;
    ASSERT_EQ(1, table.load(folder.concat("\\filelink.txt")));

    EXPECT_EQ(1, RegistryCleanup(folder, table).removeRegistryEntry(WQString(VelmoDemo::kProductKey)));

    // .JP2 has an empty value, .PCX no line, .WMF a line in lower case.
    const std::map<std::string, std::string> userChoices = {{".JPG", "jpegfile"}, {".PNG", "pngfile"},
        {".GIF", "giffile"}, {".JP2", "Velmo.JP2"}, {".PCX", "Velmo.PCX"}, {".WMF", "Velmo.WMF"}};
    const VelmoDemo::State state = VelmoDemo::examine(VelmoDemo::kProgramFolder);
    EXPECT_FALSE(state.productKey);
    EXPECT_FALSE(state.fileLink);
    ASSERT_EQ(static_cast<size_t>(RegistryCleanup::EXTENSION_COUNT), state.extensions.size());
    for (const VelmoDemo::ExtensionState& item : state.extensions) {
        SCOPED_TRACE(item.extension);
        EXPECT_FALSE(item.progIdKey);
        EXPECT_EQ(VelmoDemo::progId(item.extension), item.classDefault);
        const auto choice = userChoices.find(item.extension);
        EXPECT_EQ(choice != userChoices.end(), item.userChoiceKey);
        if (choice != userChoices.end()) {
            EXPECT_EQ(choice->second, item.userChoice);
        }
    }
    // The files are the file steps' business.
    for (const VelmoDemo::PathState& path : state.paths)
        EXPECT_EQ(path.path.find("filelink.txt") == std::string::npos, path.present) << path.path;
}

} // namespace
