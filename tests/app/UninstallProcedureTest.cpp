#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AppTestSupport.h"
#include "DemoInstallation.h"
#include "ExternalPrograms.h"
#include "UninstallProcedure.h"

using namespace VelmoTest;
using Velmo::UninstallProcedure;
using WQSDK::WQObject;
using WQSDK::WQString;

namespace {

using Calls = std::vector<std::string>;

// Records what the procedure does to its window.
class RecordingDisplay : public Velmo::IUninstallDisplay {
public:
    void setStatusText(const WQString& text) override
    {
        m_calls.push_back("status:" + std::string(text.c_str() != nullptr ? text.c_str() : ""));
    }
    void setProgress(int32_t value) override { m_calls.push_back("progress:" + std::to_string(value)); }
    void enableFinish() override { m_calls.push_back("enable"); }
    void startTimer(uint32_t milliseconds) override { m_calls.push_back("timer:" + std::to_string(milliseconds)); }
    void stopTimer() override { m_calls.push_back("stop"); }
    void quit() override { m_calls.push_back("quit"); }
    // The calls since the last take().
    Calls take()
    {
        Calls calls;
        calls.swap(m_calls);
        return calls;
    }

private:
    Calls m_calls;
};

const char* const kFolder = "C:\\Velmo Procedure Test";
const char* const kProductKey = "Software\\VelmoProcedureTest";

// "{F}" stands for the program folder, "{K}" for the product key's entry.
std::string expand(std::string text)
{
    const std::string key = std::string("HKEY_CURRENT_USER\\") + kProductKey;
    for (size_t at; (at = text.find("{F}")) != std::string::npos;)
        text.replace(at, 3, kFolder);
    for (size_t at; (at = text.find("{K}")) != std::string::npos;)
        text.replace(at, 3, key);
    return text;
}

// A program folder with the shell extension, a file, an empty folder and
// the product key.
class ProcedureTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CopyFileA(shellExtensionDll().c_str(), (m_scratch / "VelmoShellEx.dll").c_str(), FALSE));
        ASSERT_TRUE(writeFile(m_scratch / "a.txt", "a"));
        ASSERT_TRUE(CreateDirectoryA((m_scratch / "sub").c_str(), nullptr));
        ASSERT_TRUE(setString(HKEY_CURRENT_USER, kProductKey, "Version", "1.0"));
        ASSERT_TRUE(installBrowserStandIn());
        DeleteFileA(shellExtensionLog().c_str());
        DeleteFileA(browserLog().c_str());
    }
    void TearDown() override
    {
        // Nothing may be left loading the library when the folder goes.
        waitForNoChild("regsvr32.exe", 10000);
        deleteTree(HKEY_CURRENT_USER, kProductKey);
    }
    // Writes install.txt and loads the inputs.
    void load(const std::string& manifest)
    {
        ASSERT_TRUE(writeFile(m_scratch / "install.txt", expand(manifest)));
        m_procedure.loadInputs(WQString(kFolder));
    }

    ScratchFolder m_scratch{kFolder};
    RecordingDisplay m_display;
    UninstallProcedure m_procedure{m_display};
};

struct ProcedureCase {
    const char* name;
    // install.txt; none at all when null.
    const char* manifest;
    // What start() shows, then what each step() shows.
    std::vector<Calls> calls;
};

void PrintTo(const ProcedureCase& c, std::ostream* out)
{
    *out << c.name;
}

class ProcedureSteps : public ProcedureTest, public ::testing::WithParamInterface<ProcedureCase> {};

TEST_P(ProcedureSteps, ShowEachEntryAndEndWithTheFinishButton)
{
    const ProcedureCase& c = GetParam();
    if (c.manifest != nullptr)
        load(c.manifest);
    else
        m_procedure.loadInputs(WQString(kFolder));

    m_procedure.start();
    Calls expected;
    for (const std::string& call : c.calls[0])
        expected.push_back(expand(call));
    ASSERT_EQ(expected, m_display.take());
    const bool started = expected.back() != "quit";
    // regsvr32 starts with the procedure, and only then.
    EXPECT_EQ(started, !childProcesses("regsvr32.exe").empty() || pathExists(shellExtensionLog()));

    for (size_t i = 1; i < c.calls.size(); ++i) {
        expected.clear();
        for (const std::string& call : c.calls[i])
            expected.push_back(expand(call));
        EXPECT_EQ(1, m_procedure.step());
        ASSERT_EQ(expected, m_display.take()) << "step " << i;
    }
    // A tick after the end does nothing.
    EXPECT_EQ(1, m_procedure.step());
    EXPECT_EQ(Calls(), m_display.take());
    EXPECT_EQ(started, !keyExists(HKEY_CURRENT_USER, kProductKey));
}

const Calls kStarted = {"progress:0", "timer:10"};

INSTANTIATE_TEST_SUITE_P(Manifests, ProcedureSteps,
    ::testing::Values(ProcedureCase{"Missing", nullptr, {{"quit"}}},
        ProcedureCase{"Empty", "", {{"quit"}}},
        // The only entry is the last one: the registry key, no file step.
        ProcedureCase{"OneEntry", "{K}\r\n", {kStarted, {"progress:1", "stop", "status:", "enable"}}},
        // Trailing blanks go, the last line needs no line feed.
        ProcedureCase{"ThreeEntries", "{F}\\a.txt \t\r\n{F}\\sub\n{K}",
            {kStarted, {"status:Remove->{F}\\a.txt", "progress:1"}, {"status:Remove->{F}\\sub", "progress:2"},
                {"progress:3", "stop", "status:", "enable"}}},
        ProcedureCase{"BlankEntryInTheMiddle", "{F}\\a.txt\r\n  \t\r\n{K}\r\n",
            {kStarted, {"status:Remove->{F}\\a.txt", "progress:1"}, {"status:Remove->", "progress:2"},
                {"progress:3", "stop", "status:", "enable"}}}),
    [](const ::testing::TestParamInfo<ProcedureCase>& info) { return std::string(info.param.name); });

// Each step does its own entry's work: files first, the key with the last.
TEST_F(ProcedureTest, EachStepRemovesItsOwnEntry)
{
    load("{F}\\a.txt\r\n{F}\\sub\r\n{K}\r\n");
    ASSERT_EQ(1, m_procedure.start());

    m_procedure.step();
    EXPECT_FALSE(pathExists(m_scratch / "a.txt"));
    EXPECT_TRUE(pathExists(m_scratch / "sub"));
    m_procedure.step();
    EXPECT_FALSE(pathExists(m_scratch / "sub"));
    EXPECT_TRUE(keyExists(HKEY_CURRENT_USER, kProductKey));
    m_procedure.step();
    EXPECT_FALSE(keyExists(HKEY_CURRENT_USER, kProductKey));
}

TEST_F(ProcedureTest, StartUnregistersTheShellExtensionOfTheProgramFolder)
{
    const std::string expected = "unregister regsvr32.exe /s /u " + shortPath(m_scratch / "VelmoShellEx.dll") + "\r\n";
    load("{K}\r\n");

    ASSERT_EQ(1, m_procedure.start());

    EXPECT_EQ(expected, waitForFileText(shellExtensionLog(), "\r\n", 10000));
}

struct FinishCase {
    const char* name;
    bool fromButton; // else from another component, or none
    bool noSource;
    uint32_t code;
    bool finishes;
};

void PrintTo(const FinishCase& c, std::ostream* out)
{
    *out << c.name;
}

class FinishActions : public ProcedureTest, public ::testing::WithParamInterface<FinishCase> {};

TEST_P(FinishActions, OnlyTheFinishButtonsClickOpensThePageAndQuits)
{
    const FinishCase& c = GetParam();
    WQObject button;
    WQObject other;
    m_procedure.setFinishButton(&button);
    const WQObject* source = c.noSource ? nullptr : c.fromButton ? &button : &other;

    const std::vector<DWORD> before = childProcesses("VelmoBrowser.exe");
    EXPECT_EQ(1, m_procedure.finish(source, c.code, 0));

    EXPECT_EQ(c.finishes ? Calls{"quit"} : Calls(), m_display.take());
    // The stand-in browser stays for half a second, so it is still there if
    // it was started.
    EXPECT_EQ(c.finishes, !newChildProcesses(before, "VelmoBrowser.exe").empty());
    if (c.finishes) {
        const std::string page = std::string("\r\n") + Velmo::kFeedbackPage + "\r\n";
        EXPECT_NE(std::string::npos, waitForFileText(browserLog(), page, 10000).find(page));
    }
}

INSTANTIATE_TEST_SUITE_P(Sources, FinishActions,
    ::testing::Values(FinishCase{"ButtonClicked", true, false, UninstallProcedure::BUTTON_CLICKED, true},
        FinishCase{"OtherCode", true, false, UninstallProcedure::BUTTON_CLICKED + 1, false},
        FinishCase{"OtherSource", false, false, UninstallProcedure::BUTTON_CLICKED, false},
        FinishCase{"NoSource", false, true, UninstallProcedure::BUTTON_CLICKED, false}),
    [](const ::testing::TestParamInfo<FinishCase>& info) { return std::string(info.param.name); });

// The whole procedure on the demo installation: every entry's step in
// turn, then nothing of the installation is left and the finish button
// opens the feedback page.
TEST(ProcedureOnDemo, UninstallsTheWholeInstallation)
{
    ASSERT_EQ("", installDemo(true));
    ASSERT_TRUE(installBrowserStandIn());
    DeleteFileA(shellExtensionLog().c_str());
    DeleteFileA(browserLog().c_str());
    const std::string folder = VelmoDemo::kProgramFolder;
    const std::string library = shortPath(folder + "\\VelmoShellEx.dll");
    const std::vector<std::string> lines = VelmoDemo::manifestLines(folder);
    RecordingDisplay display;
    UninstallProcedure procedure(display);
    WQObject button;
    procedure.setFinishButton(&button);
    ASSERT_EQ(static_cast<int>(lines.size()), procedure.loadInputs(WQString(folder.c_str())));

    ASSERT_EQ(1, procedure.start());
    // The library's entry comes second; the procedure does not wait for
    // regsvr32, which must have got to the library by then or finds nothing
    // to unregister.
    EXPECT_EQ("unregister regsvr32.exe /s /u " + library + "\r\n",
        waitForFileText(shellExtensionLog(), "\r\n", 10000));
    for (size_t i = 0; i < lines.size(); ++i)
        procedure.step();

    Calls expected = {"progress:0", "timer:10"};
    for (size_t i = 0; i + 1 < lines.size(); ++i) {
        expected.push_back("status:Remove->" + lines[i]);
        expected.push_back("progress:" + std::to_string(i + 1));
    }
    for (const std::string& call : {"progress:" + std::to_string(lines.size()), std::string("stop"),
             std::string("status:"), std::string("enable")})
        expected.push_back(call);
    EXPECT_EQ(expected, display.take());

    const VelmoDemo::State state = VelmoDemo::examine(folder);
    for (const VelmoDemo::PathState& path : state.paths)
        EXPECT_FALSE(path.present) << path.path;
    EXPECT_FALSE(state.productKey);
    for (const VelmoDemo::ExtensionState& item : state.extensions)
        EXPECT_FALSE(item.progIdKey) << item.extension;

    procedure.finish(&button, UninstallProcedure::BUTTON_CLICKED, 0);
    EXPECT_EQ(Calls{"quit"}, display.take());
    const std::string page = std::string("\r\n") + Velmo::kFeedbackPage + "\r\n";
    EXPECT_NE(std::string::npos, waitForFileText(browserLog(), page, 10000).find(page));
    waitForNoChild("regsvr32.exe", 10000);
}

} // namespace
