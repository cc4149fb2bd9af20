#include <gtest/gtest.h>

#include <string>

#include "AppTestSupport.h"
#include "ExternalPrograms.h"

using namespace VelmoTest;
using WQSDK::WQString;

namespace {

// Blanks in the folder on purpose: the command uses the short path.
const char* const kFolder = "C:\\Program Files\\Velmo External Test";

class ExternalProgramsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        DeleteFileA(shellExtensionLog().c_str());
        DeleteFileA(browserLog().c_str());
    }

    ScratchFolder m_scratch{kFolder};
};

// regsvr32 really loads the library and calls its unregistration entry,
// which records the command line regsvr32 was started with.
TEST_F(ExternalProgramsTest, UnregistrationRunsTheLibrarysEntryWithItsShortPath)
{
    const std::string library = m_scratch / "VelmoShellEx.dll";
    ASSERT_TRUE(CopyFileA(shellExtensionDll().c_str(), library.c_str(), FALSE));
    const std::string expectedPath = shortPath(library);
    ASSERT_NE("", expectedPath);
    ASSERT_EQ(std::string::npos, expectedPath.find(' '));

    EXPECT_EQ(1, Velmo::unregisterShellExtension(WQString(kFolder)));

    const std::string expected = "unregister regsvr32.exe /s /u " + expectedPath + "\r\n";
    EXPECT_EQ(expected, waitForFileText(shellExtensionLog(), "\r\n", 10000));
    EXPECT_TRUE(waitForNoChild("regsvr32.exe", 10000));
}

TEST_F(ExternalProgramsTest, WithoutTheLibraryTheCommandHasAnEmptyPath)
{
    EXPECT_STREQ("regsvr32.exe /s /u ", Velmo::shellExtensionCommand(WQString(kFolder)).c_str());
}

TEST_F(ExternalProgramsTest, RunProgramStartsTheCommandLineAndDoesNotWait)
{
    const std::string commandLine = "\"" + browserStandIn() + "\" first \"two words\"";

    const std::vector<DWORD> before = childProcesses("VelmoBrowser.exe");
    EXPECT_EQ(1, Velmo::runProgram(WQString(commandLine.c_str())));
    // The stand-in stays half a second after it has started, so had the
    // call waited for it, it would be gone.
    EXPECT_EQ(1u, newChildProcesses(before, "VelmoBrowser.exe").size());

    EXPECT_EQ(commandLine + "\r\nfirst\r\ntwo words\r\n", waitForFileText(browserLog(), "two words", 10000));
}

TEST_F(ExternalProgramsTest, RunProgramReportsWhatCannotStart)
{
    for (const char* commandLine : {"", "C:\\Velmo\\missing.exe", "   "})
        EXPECT_EQ(0, Velmo::runProgram(WQString(commandLine))) << commandLine;
}

// The shell starts "IEXPLORE.EXE" through App Paths, here the stand-in,
// with the page as its only argument.
TEST_F(ExternalProgramsTest, FeedbackPageOpensInTheBrowser)
{
    ASSERT_TRUE(installBrowserStandIn());
    const std::string page = Velmo::kFeedbackPage;
    ASSERT_GE(page.size(), 17u);
    EXPECT_EQ("/suggest.jsp?pd=1", page.substr(page.size() - 17));

    const std::vector<DWORD> before = childProcesses("VelmoBrowser.exe");
    EXPECT_EQ(1, Velmo::openFeedbackPage());
    EXPECT_EQ(1u, newChildProcesses(before, "VelmoBrowser.exe").size()) << "the browser is not waited for";

    const std::string log = waitForFileText(browserLog(), "\r\n" + page + "\r\n", 10000);
    const size_t firstLineEnd = log.find("\r\n");
    ASSERT_NE(std::string::npos, firstLineEnd) << log;
    EXPECT_NE(std::string::npos, log.substr(0, firstLineEnd).find("VelmoBrowser.exe")) << log;
    EXPECT_EQ(page + "\r\n", log.substr(firstLineEnd + 2));
}

} // namespace
