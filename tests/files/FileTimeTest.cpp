#include <cstdint>
#include <string>

#include <windows.h>

#include <gtest/gtest.h>

#include "TempFolder.h"
#include "TimeFields.h"
#include "base/WQFile.h"
#include "base/WQTime.h"

using namespace WQSDK;

namespace {

// Stores the fields without the setters' checks.
void store(WQTime& t, const Fields& f)
{
    WQString text;
    text.format("%d-%d-%d %d:%d:%d", f.year, f.month, f.day, f.hour, f.minute, f.second);
    ASSERT_EQ(1, t.parse(text));
    t.setMillisecond(f.millisecond);
    ASSERT_EQ(f, fieldsOf(t));
}

// Windows refuses 29 February of a year that is not a leap year; Wine's
// conversion takes it as 1 March. Rows with such dates are left out where
// the system takes them.
bool systemTakesFebruary29(int year)
{
    SYSTEMTIME st = {};
    st.wYear = static_cast<WORD>(year);
    st.wMonth = 2;
    st.wDay = 29;
    FILETIME ft;
    return SystemTimeToFileTime(&st, &ft) != 0;
}

bool leapYear(int year)
{
    return year % 400 == 0 || (year % 4 == 0 && year % 100 != 0);
}

// True (and noted in the test's record) when `f` is 29 February of a common
// year and the system converts it anyway.
bool lenientFebruary29(const Fields& f)
{
    const int year = static_cast<uint16_t>(f.year);
    if (static_cast<uint16_t>(f.month) != 2 || static_cast<uint16_t>(f.day) != 29 || leapYear(year)
        || !systemTakesFebruary29(year))
        return false;
    testing::Test::RecordProperty("lenient_february_29", year);
    return true;
}

// 2011-06-07 15:14:15.250 in universal time.
const uint32_t KNOWN_LOW = 0x90566320u;
const uint32_t KNOWN_HIGH = 0x01CC2525u;

TEST(FileTime, FromAndToFileTime)
{
    WQTime known(KNOWN_LOW, KNOWN_HIGH);
    EXPECT_EQ((Fields{2011, 6, 7, 15, 14, 15, 250}), fieldsOf(known));
    EXPECT_EQ((static_cast<uint64_t>(KNOWN_HIGH) << 32) | KNOWN_LOW, known.getFileTime());
    EXPECT_EQ(2, known.getDayOfWeek());

    const Fields cases[] = {
        {2011, 6, 7, 15, 14, 15, 250},
        {2012, 2, 29, 23, 59, 59, 999},
        {1601, 1, 1, 0, 0, 0, 1},
        {1969, 12, 31, 23, 59, 59, 0},
        {30827, 12, 31, 23, 59, 59, 999},
    };
    for (const Fields& f : cases) {
        SCOPED_TRACE(testing::PrintToString(f));
        WQTime t;
        store(t, f);
        const uint64_t fileTime = t.getFileTime();
        ASSERT_NE(0u, fileTime);
        EXPECT_EQ(fileTime, t.computeFileTime());
        WQTime back;
        EXPECT_EQ(1, back.setFileTime(static_cast<uint32_t>(fileTime), static_cast<uint32_t>(fileTime >> 32)));
        EXPECT_EQ(f, fieldsOf(back));
        WQTime constructed(static_cast<uint32_t>(fileTime), static_cast<uint32_t>(fileTime >> 32));
        EXPECT_EQ(f, fieldsOf(constructed));
    }
    // One millisecond is 10000 units.
    WQTime first(10000, 0);
    EXPECT_EQ((Fields{1601, 1, 1, 0, 0, 0, 1}), fieldsOf(first));
}

TEST(FileTime, RejectedValuesChangeNothing)
{
    WQTime t;
    store(t, {2011, 6, 7, 15, 14, 15, 250});
    EXPECT_EQ(0, t.fromFileTime(0xFFFFFFFFu, 0xFFFFFFFFu));
    EXPECT_EQ(0, t.setFileTime(0, 0x80000000u));
    EXPECT_EQ((Fields{2011, 6, 7, 15, 14, 15, 250}), fieldsOf(t));
    WQTime constructed(0xFFFFFFFFu, 0xFFFFFFFFu);
    EXPECT_EQ(INITIAL, fieldsOf(constructed));

    const Fields invalid[] = {
        INITIAL,
        {2011, 13, 1, 0, 0, 0, 0},
        {2011, 2, 29, 0, 0, 0, 0},
        {2011, 6, 7, 24, 0, 0, 0},
        {2011, 6, 7, 0, 60, 0, 0},
        {2011, 6, 7, 0, 0, 60, 0},
        {2011, 6, 7, 0, 0, 0, 1000},
        {1600, 12, 31, 0, 0, 0, 0},
    };
    for (const Fields& f : invalid) {
        SCOPED_TRACE(testing::PrintToString(f));
        if (lenientFebruary29(f))
            continue;
        WQTime bad;
        store(bad, f);
        EXPECT_EQ(0u, bad.computeFileTime());
        EXPECT_EQ(0u, bad.getFileTime());
    }
}

// The calendar functions decide validity without Windows; they must agree
// with the system's own conversion.
TEST(FileTime, DayFunctionsAgreeWithTheSystem)
{
    const Fields cases[] = {
        {2011, 6, 7, 15, 14, 15, 250}, {2000, 12, 31, 0, 0, 0, 0}, {1970, 1, 1, 0, 0, 0, 0},
        {3000, 12, 31, 23, 59, 59, 999}, {2012, 2, 29, 12, 0, 0, 0}, {2100, 2, 28, 0, 0, 0, 0},
        {2100, 2, 29, 0, 0, 0, 0}, {2011, 6, 7, 0, 0, 0, 1000}, {2011, 6, 7, 0, 0, 0, -1},
        {2011, 6, 7, 24, 0, 0, 0}, {2011, 6, 7, -1, 0, 0, 0}, {2011, 6, 7, 0, 60, 0, 0},
        {2011, 6, 7, 0, 0, 60, 0}, {2011, 13, 1, 0, 0, 0, 0}, {2011, 4, 31, 0, 0, 0, 0},
        {2011, 6, 0, 0, 0, 0, 0}, {2011 + 65536, 6, 7, 0, 0, 0, 0}, {2011, 6 + 65536, 7, 0, 0, 0, 0},
        {2011, 6, 7 + 65536, 0, 0, 0, 0}, {2011, 6, 7, 0, 0, 0, 65536 + 5}, {1601, 1, 1, 0, 0, 0, 0},
        {1600, 12, 31, 0, 0, 0, 0}, {30827, 12, 31, 0, 0, 0, 0}, {30828, 1, 1, 0, 0, 0, 0},
    };
    for (const Fields& f : cases) {
        SCOPED_TRACE(testing::PrintToString(f));
        if (lenientFebruary29(f))
            continue;
        WQTime t;
        store(t, f);
        const uint64_t fileTime = t.computeFileTime();
        int weekday = -1;
        int year = 0;
        if (fileTime != 0) {
            FILETIME ft = {static_cast<DWORD>(fileTime), static_cast<DWORD>(fileTime >> 32)};
            SYSTEMTIME st;
            ASSERT_TRUE(FileTimeToSystemTime(&ft, &st));
            weekday = st.wDayOfWeek;
            year = st.wYear;
        }
        const int expected = (fileTime != 0 && year >= 1970 && year <= 3000) ? weekday : -1;
        EXPECT_EQ(expected, t.getDayOfWeek());
        EXPECT_EQ(expected == -1, t.getDayOfYear() == -1);
    }
}

class ModifiedTime : public testing::TestWithParam<std::string> {
protected:
    ModifiedTime()
        : folder(GetParam() == "C" ? std::filesystem::temp_directory_path().string() : std::string("Z:\\tmp"))
    {
    }
    TempFolder folder;
};

INSTANTIATE_TEST_SUITE_P(Drives, ModifiedTime, testing::Values("C", "Z"),
                         [](const testing::TestParamInfo<std::string>& info) { return info.param; });

TEST_P(ModifiedTime, SetThenGet)
{
    const std::string path = folder.write("f.txt", "abc");
    WQFile file{WQString(path.c_str())};
    const Fields cases[] = {
        {2011, 6, 7, 15, 14, 15, 0},
        {1999, 12, 31, 23, 59, 59, 0},
        {2038, 1, 19, 3, 14, 8, 0},
        // The run time's time is whole seconds.
        {2020, 2, 29, 12, 30, 0, 750},
    };
    for (const Fields& f : cases) {
        SCOPED_TRACE(testing::PrintToString(f));
        WQTime* time = new WQTime();
        store(*time, f);
        time->addRef();
        EXPECT_EQ(1, file.setModifiedTime(time));
        EXPECT_EQ(0u, file.getLastError());
        EXPECT_EQ(0u, time->release());

        WQTime* modified = file.getModifiedTime();
        ASSERT_NE(nullptr, modified);
        Fields expected = f;
        expected.millisecond = 0;
        EXPECT_EQ(expected, fieldsOf(*modified));
        EXPECT_EQ(0u, modified->release());
    }
    EXPECT_EQ("abc", folder.read("f.txt"));
}

TEST_P(ModifiedTime, Failures)
{
    const std::string path = folder.write("f.txt", "abc");
    WQFile file{WQString(path.c_str())};
    WQTime* before = file.getModifiedTime();
    ASSERT_NE(nullptr, before);

    EXPECT_EQ(0, file.setModifiedTime(nullptr));
    EXPECT_EQ(0xF0000002u, file.getLastError());
    EXPECT_STREQ("Paramater is wrong", file.getErrorText(file.getLastError()));

    // Fields that are no time never reach the file.
    WQTime* invalid = new WQTime();
    invalid->addRef();
    EXPECT_EQ(0, file.setModifiedTime(invalid));
    EXPECT_EQ(0xF0000002u, file.getLastError());
    WQTime* after = file.getModifiedTime();
    ASSERT_NE(nullptr, after);
    EXPECT_STREQ(before->toString().c_str(), after->toString().c_str());
    after->release();

    ASSERT_TRUE(std::filesystem::create_directory(folder / "dir"));
    const std::string locked = folder.write("locked.txt", "x");
    ASSERT_TRUE(SetFileAttributesA(locked.c_str(), FILE_ATTRIBUTE_READONLY));
    WQTime* valid = new WQTime();
    valid->addRef();
    ASSERT_EQ(1, valid->parse(WQString("2011-06-07 15:14:15")));
    // Wine opens a read-only file for writing when it runs as the Unix
    // superuser; Windows refuses.
    HANDLE probe = CreateFileA(locked.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    const bool readOnlyRefused = probe == INVALID_HANDLE_VALUE;
    if (!readOnlyRefused) {
        CloseHandle(probe);
        RecordProperty("read_only_file_opened_for_writing", locked);
    }
    for (const std::string& target : {folder / "dir", locked, folder / "missing.txt"}) {
        SCOPED_TRACE(target);
        if (target == locked && !readOnlyRefused)
            continue;
        WQFile f{WQString(target.c_str())};
        EXPECT_EQ(0, f.setModifiedTime(valid));
        EXPECT_EQ(0xF0000007u, f.getLastError());
        EXPECT_STREQ("Open file fail", f.getErrorText(f.getLastError()));
    }
    EXPECT_EQ(0u, valid->release());
    EXPECT_EQ(0u, invalid->release());
    before->release();

    WQFile missing{WQString((folder / "missing.txt").c_str())};
    EXPECT_EQ(nullptr, missing.getModifiedTime());
    EXPECT_EQ(0xF0000004u, missing.getLastError());
}

// Tells when it is destroyed.
class TrackedTime : public WQTime {
public:
    explicit TrackedTime(bool* destroyed) : m_destroyed(destroyed) {}
    ~TrackedTime() override { *m_destroyed = true; }

private:
    bool* m_destroyed;
};

TEST(FileTimeOwnership, SetModifiedTimeHoldsTheTimeOnlyDuringTheCall)
{
    TempFolder folder;
    const std::string path = folder.write("f.txt", "abc");
    WQFile file{WQString(path.c_str())};
    for (bool failing : {false, true}) {
        SCOPED_TRACE(failing ? "failing call" : "successful call");
        WQFile target{WQString(failing ? (folder / "missing").c_str() : path.c_str())};
        bool destroyed = false;
        TrackedTime* held = new TrackedTime(&destroyed);
        ASSERT_EQ(1, held->parse(WQString("2011-06-07 15:14:15")));
        held->addRef();
        EXPECT_EQ(failing ? 0 : 1, target.setModifiedTime(held));
        EXPECT_FALSE(destroyed);
        EXPECT_EQ(2u, held->addRef());
        held->release();
        EXPECT_EQ(0u, held->release());
        EXPECT_TRUE(destroyed);

        // A time nobody holds yet is taken over by the call.
        destroyed = false;
        TrackedTime* fresh = new TrackedTime(&destroyed);
        ASSERT_EQ(1, fresh->parse(WQString("2011-06-07 15:14:15")));
        target.setModifiedTime(fresh);
        EXPECT_TRUE(destroyed);
    }
}

} // namespace
