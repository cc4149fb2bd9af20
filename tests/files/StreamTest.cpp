#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "TempFolder.h"
#include "base/IWQIOStream.h"
#include "base/WQFileStream.h"

using namespace WQSDK;

namespace {

std::string bytes(const char* text, std::size_t length)
{
    return std::string(text, length);
}

void expectError(const WQFileStream& stream, uint32_t code, const char* text)
{
    EXPECT_EQ(code, stream.getLastError());
    EXPECT_STREQ(text, stream.getErrorText(stream.getLastError()));
}

TEST(FileStream, ClassNamesAndInitialState)
{
    WQFileStream stream;
    EXPECT_STREQ("WQObject.IWQIOStream.WQFileStream", stream.getClassName());
    IWQIOStream bare;
    EXPECT_STREQ("WQObject.IWQIOStream", bare.getClassName());
    EXPECT_EQ(3, stream.getMode());
    EXPECT_EQ(0, stream.isOpen());
    EXPECT_EQ(0u, stream.getLastError());
}

TEST(FileStream, ErrorTexts)
{
    const struct {
        uint32_t code;
        const char* text;
    } cases[] = {
        {0, "Success"},
        {0xF0000001u, "Open file fail"},
        {0xF0000002u, "File is not openned"},
        {0xF0000003u, "Can not get file length"},
        {0xF0000004u, "Read file data fail"},
        {0xF0000005u, "Write file data fail"},
        {0xF0000006u, "File seek fail"},
        {0xF0000007u, "Success"},
        {0xF0000000u, "Success"},
        {1, "Success"},
    };
    WQFileStream stream;
    for (const auto& c : cases)
        EXPECT_STREQ(c.text, stream.getErrorText(c.code)) << std::hex << c.code;
}

// Opens `before` (absent when null) in each mode, writes "XY" and checks
// what the file holds afterwards.
TEST(FileStream, ModesOpenCreateTruncateAppendAndUpdate)
{
    const struct {
        int32_t mode;
        const char* before;
        int opens;
        int32_t written;
        const char* after;
    } cases[] = {
        {0, "abc", 1, 0, "abc"},
        {0, nullptr, 0, -1, nullptr},
        {1, "abc", 1, 2, "XY"},
        {1, nullptr, 1, 2, "XY"},
        {2, "abc", 1, 2, "abcXY"},
        {2, nullptr, 1, 2, "XY"},
        {3, "abc", 1, 2, "XYc"},
        {3, nullptr, 0, -1, nullptr},
        {7, "abc", 1, 2, "XYc"},
        {-1, "abc", 1, 2, "XYc"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "mode " << c.mode << (c.before ? " existing" : " missing"));
        TempFolder folder;
        const std::string path = folder / "f.bin";
        if (c.before != nullptr)
            folder.write("f.bin", c.before);
        WQFileStream stream;
        ASSERT_EQ(c.opens, stream.open(path.c_str(), c.mode));
        EXPECT_EQ(c.mode, stream.getMode());
        if (!c.opens) {
            expectError(stream, 0xF0000001u, "Open file fail");
            EXPECT_FALSE(std::filesystem::exists(path));
            continue;
        }
        EXPECT_EQ(c.written, stream.write("XY", 2));
        EXPECT_EQ(1, stream.close());
        EXPECT_EQ(c.after, folder.read("f.bin"));
    }
}

TEST(FileStream, EveryOperationOnAClosedStreamFails)
{
    TempFolder folder;
    const std::string path = folder.write("f.bin", "0123456789");
    const struct {
        const char* name;
        std::function<double(WQFileStream&)> call;
        double result;
    } cases[] = {
        {"read", [](WQFileStream& s) { char b[4]; return s.read(b, 4); }, -1},
        {"write", [](WQFileStream& s) { return s.write("ab", 2); }, -1},
        {"seek", [](WQFileStream& s) { return s.seek(0, 0); }, 0},
        {"tell", [](WQFileStream& s) { return s.tell(); }, -1},
        {"flush", [](WQFileStream& s) { return s.flush(); }, 0},
        {"available", [](WQFileStream& s) { return s.available(); }, -1},
        {"close", [](WQFileStream& s) { return s.close(); }, 0},
        {"readInt32", [](WQFileStream& s) { return s.readInt32(); }, 0},
        {"readDouble", [](WQFileStream& s) { return s.readDouble(); }, 0},
        {"writeInt16", [](WQFileStream& s) { return s.writeInt16(5); }, 0},
        {"readString", [](WQFileStream& s) { return s.readString().length(); }, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WQFileStream never;
        EXPECT_EQ(c.result, c.call(never));
        expectError(never, 0xF0000002u, "File is not openned");

        // Closed after use; a later successful operation clears the code.
        WQFileStream closed;
        ASSERT_EQ(1, closed.open(path.c_str(), 0));
        ASSERT_EQ(1, closed.close());
        EXPECT_EQ(c.result, c.call(closed));
        expectError(closed, 0xF0000002u, "File is not openned");
        ASSERT_EQ(1, closed.open());
        EXPECT_EQ(0u, closed.getLastError());
    }
    EXPECT_EQ("0123456789", folder.read("f.bin"));
}

TEST(FileStream, BareInterfaceCannotTransfer)
{
    IWQIOStream bare;
    char buffer[4] = {'x', 'x', 'x', 'x'};
    EXPECT_EQ(0, bare.open());
    EXPECT_EQ(0, bare.close());
    EXPECT_EQ(-1, bare.read(buffer, 4));
    EXPECT_EQ(-1, bare.write(buffer, 4));
    EXPECT_EQ(0, bare.seek(0, 0));
    EXPECT_EQ(-1, bare.tell());
    EXPECT_EQ(-1, bare.available());
    EXPECT_EQ(0, bare.flush());
    EXPECT_EQ(0, bare.readInt32());
    EXPECT_EQ(0, bare.writeInt32(1));
    EXPECT_EQ(0, bare.writeString(WQString("a")));
    EXPECT_TRUE(bare.readString().isEmpty());
    bare.setMode(1);
    EXPECT_EQ(1, bare.getMode());
}

TEST(FileStream, AvailableCountsDownAndIsNeverZero)
{
    TempFolder folder;
    const std::string ten = folder.write("ten.bin", "0123456789");
    const std::string empty = folder.write("empty.bin", "");

    WQFileStream stream;
    ASSERT_EQ(1, stream.open(ten.c_str(), 0));
    EXPECT_EQ(10, stream.available());
    char buffer[10];
    ASSERT_EQ(5, stream.read(buffer, 5));
    EXPECT_EQ(5, stream.available());
    EXPECT_EQ(5, stream.tell());
    ASSERT_EQ(5, stream.read(buffer, 10));
    EXPECT_EQ(-1, stream.available());
    EXPECT_EQ(0u, stream.getLastError());
    // At the end a read transfers nothing and is no error.
    EXPECT_EQ(0, stream.read(buffer, 1));
    EXPECT_EQ(0u, stream.getLastError());
    // Beyond the end the count goes negative.
    ASSERT_EQ(1, stream.seek(4, 2));
    EXPECT_EQ(-4, stream.available());

    ASSERT_EQ(1, stream.open(empty.c_str(), 0));
    EXPECT_EQ(-1, stream.available());

    // Bytes written but still buffered count as well.
    ASSERT_EQ(1, stream.open((folder / "new.bin").c_str(), 1));
    ASSERT_EQ(4, stream.write("abcd", 4));
    EXPECT_EQ(-1, stream.available());
    ASSERT_EQ(1, stream.seek(1, 0));
    EXPECT_EQ(3, stream.available());
    EXPECT_EQ(1, stream.tell());
}

TEST(FileStream, SeekOrigins)
{
    TempFolder folder;
    const std::string path = folder.write("f.bin", "0123456789");
    const struct {
        int32_t offset;
        int32_t origin;
        int32_t position;
    } cases[] = {
        {2, 0, 2}, {0, 0, 0}, {2, 1, 5}, {-2, 1, 1}, {-2, 2, 8}, {0, 2, 10},
        // Any other origin counts from the current position.
        {2, 7, 5}, {-1, 3, 2}, {2, -1, 5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "seek(" << c.offset << ", " << c.origin << ")");
        WQFileStream stream;
        ASSERT_EQ(1, stream.open(path.c_str(), 0));
        ASSERT_EQ(1, stream.seek(3, 0));
        EXPECT_EQ(1, stream.seek(c.offset, c.origin));
        EXPECT_EQ(0u, stream.getLastError());
        EXPECT_EQ(c.position, stream.tell());
        if (c.position < 10) {
            EXPECT_EQ('0' + c.position, stream.readChar());
        }
    }

    WQFileStream stream;
    ASSERT_EQ(1, stream.open(path.c_str(), 0));
    ASSERT_EQ(1, stream.seek(3, 0));
    EXPECT_EQ(0, stream.seek(-1, 0));
    expectError(stream, 0xF0000006u, "File seek fail");
    EXPECT_EQ(0, stream.seek(-5, 1));
    expectError(stream, 0xF0000006u, "File seek fail");
    EXPECT_EQ(3, stream.tell());
    EXPECT_EQ(0u, stream.getLastError());
}

TEST(FileStream, TypedValuesAreLittleEndianAndReadBack)
{
    TempFolder folder;
    const std::string path = folder / "typed.bin";
    {
        WQFileStream out;
        ASSERT_EQ(1, out.open(path.c_str(), 1));
        EXPECT_EQ(1, out.writeChar('A'));
        EXPECT_EQ(1, out.writeInt32(0x01020304));
        EXPECT_EQ(1, out.writeInt16(static_cast<int16_t>(0xFEDC)));
        EXPECT_EQ(1, out.writeDouble(1.0));
        EXPECT_EQ(1, out.writeFloat(-2.0f));
        EXPECT_EQ(1, out.writeInt32(-1));
        EXPECT_EQ(1, out.writeString(WQString("hi")));
    }
    // The destructor closed the file, so everything reached it.
    const std::string expected = bytes("A"
                                       "\x04\x03\x02\x01"
                                       "\xDC\xFE"
                                       "\x00\x00\x00\x00\x00\x00\xF0\x3F"
                                       "\x00\x00\x00\xC0"
                                       "\xFF\xFF\xFF\xFF"
                                       "hi\x00",
                                       1 + 4 + 2 + 8 + 4 + 4 + 3);
    EXPECT_EQ(expected, folder.read("typed.bin"));

    WQFileStream in;
    ASSERT_EQ(1, in.open(path.c_str(), 0));
    EXPECT_EQ('A', in.readChar());
    EXPECT_EQ(0x01020304, in.readInt32());
    EXPECT_EQ(static_cast<int16_t>(0xFEDC), in.readInt16());
    EXPECT_EQ(1.0, in.readDouble());
    EXPECT_EQ(-2.0f, in.readFloat());
    EXPECT_EQ(-1, in.readInt32());
    EXPECT_STREQ("hi", in.readString().c_str());
    EXPECT_EQ(-1, in.available());
}

TEST(FileStream, ShortTypedReadsGiveZero)
{
    const struct {
        const char* name;
        std::string contents;
        std::function<double(WQFileStream&)> read;
    } cases[] = {
        {"readChar of nothing", "", [](WQFileStream& s) { return s.readChar(); }},
        {"readInt16 of 1 byte", "\x7F", [](WQFileStream& s) { return s.readInt16(); }},
        {"readInt32 of 3 bytes", "\x7F\x7F\x7F", [](WQFileStream& s) { return s.readInt32(); }},
        {"readFloat of 3 bytes", "\x7F\x7F\x7F", [](WQFileStream& s) { return s.readFloat(); }},
        {"readDouble of 7 bytes", "\x7F\x7F\x7F\x7F\x7F\x7F\x7F", [](WQFileStream& s) { return s.readDouble(); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        const std::string path = folder.write("f.bin", c.contents);
        WQFileStream stream;
        ASSERT_EQ(1, stream.open(path.c_str(), 0));
        EXPECT_EQ(0.0, c.read(stream));
        EXPECT_EQ(0u, stream.getLastError());
    }
}

TEST(FileStream, ReadStringNeedsItsTerminator)
{
    const struct {
        std::string contents;
        std::vector<std::string> strings;
    } cases[] = {
        {bytes("ab\0", 3), {"ab", ""}},
        {"ab", {""}},
        {"", {""}},
        {bytes("\0", 1), {"", ""}},
        {bytes("ab\0cd\0e", 7), {"ab", "cd", ""}},
        {bytes("\xD6\xD0\xCE\xC4\0", 5), {"\xD6\xD0\xCE\xC4"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.contents));
        TempFolder folder;
        const std::string path = folder.write("f.bin", c.contents);
        WQFileStream stream;
        ASSERT_EQ(1, stream.open(path.c_str(), 0));
        for (const std::string& expected : c.strings) {
            const WQString text = stream.readString();
            EXPECT_EQ(expected, std::string(text.c_str(), static_cast<std::size_t>(text.length())));
        }
    }
}

TEST(FileStream, WriteStringAddsOneTerminator)
{
    WQString trimmed("  ");
    trimmed.trimLeft();
    ASSERT_EQ(nullptr, trimmed.c_str());
    const struct {
        const char* name;
        WQString text;
        std::string written;
    } cases[] = {
        {"empty", WQString(""), bytes("\0", 1)},
        {"trimmed to nothing", trimmed, bytes("\0", 1)},
        {"text", WQString("abc"), bytes("abc\0", 4)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        {
            WQFileStream stream;
            ASSERT_EQ(1, stream.open((folder / "f.bin").c_str(), 1));
            EXPECT_EQ(1, stream.writeString(c.text));
        }
        EXPECT_EQ(c.written, folder.read("f.bin"));
    }
}

TEST(FileStream, TransfersAgainstTheOpenModeAndBadArguments)
{
    TempFolder folder;
    const std::string path = folder.write("f.bin", "0123456789");
    char buffer[8] = {};

    WQFileStream reading;
    ASSERT_EQ(1, reading.open(path.c_str(), 0));
    EXPECT_EQ(0, reading.write("ab", 2));
    expectError(reading, 0xF0000005u, "Write file data fail");
    EXPECT_EQ(-1, reading.read(buffer, -1));
    expectError(reading, 0xF0000004u, "Read file data fail");
    EXPECT_EQ(-1, reading.read(nullptr, 4));
    expectError(reading, 0xF0000004u, "Read file data fail");
    EXPECT_EQ(0, reading.read(buffer, 0));
    EXPECT_EQ(0u, reading.getLastError());
    // The failed calls left the stream usable.
    EXPECT_EQ(4, reading.read(buffer, 4));
    EXPECT_EQ(0, std::memcmp(buffer, "0123", 4));
    EXPECT_EQ(1, reading.flush());

    WQFileStream writing;
    ASSERT_EQ(1, writing.open((folder / "w.bin").c_str(), 1));
    // Whether the run time flags this as an error of the file differs
    // between C libraries; either way nothing is read.
    EXPECT_EQ(0, writing.read(buffer, 4));
    EXPECT_EQ(-1, writing.write("ab", -2));
    expectError(writing, 0xF0000005u, "Write file data fail");
    EXPECT_EQ(2, writing.write("ab", 2));
    EXPECT_EQ(0u, writing.getLastError());
    EXPECT_EQ(1, writing.flush());
    EXPECT_EQ("ab", folder.read("w.bin"));
    EXPECT_EQ("0123456789", folder.read("f.bin"));
}

TEST(FileStream, OpenClosesThePreviousFile)
{
    TempFolder folder;
    const std::string a = folder.write("a.bin", "AAAA");
    const std::string b = folder.write("b.bin", "BBBB");
    WQFileStream stream;
    ASSERT_EQ(1, stream.open(a.c_str(), 0));
    EXPECT_EQ('A', stream.readChar());
    ASSERT_EQ(1, stream.open(WQString(b.c_str()), 0));
    EXPECT_EQ(0, stream.tell());
    EXPECT_EQ('B', stream.readChar());
    EXPECT_STREQ(b.c_str(), stream.getPath().c_str());

    // A failed open leaves the stream closed, not on the old file.
    EXPECT_EQ(0, stream.open((folder / "missing.bin").c_str(), 0));
    EXPECT_EQ(0, stream.isOpen());
    EXPECT_EQ(-1, stream.tell());

    stream.setPath(static_cast<const char*>(nullptr));
    EXPECT_STREQ("", stream.getPath().c_str());
    EXPECT_EQ(0, stream.open());
    EXPECT_EQ(0xF0000001u, stream.getLastError());
}

TEST(FileStream, CloneIsClosedWithTheSamePathAndMode)
{
    TempFolder folder;
    const std::string path = folder.write("f.bin", "0123");
    const struct {
        int32_t mode;
        const char* afterCloneOpens;
    } cases[] = {
        {0, "0123"},
        {1, ""},
        {5, "0123"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode);
        folder.write("f.bin", "0123");
        WQFileStream stream;
        ASSERT_EQ(1, stream.open(path.c_str(), c.mode));
        WQFileStream* copy = dynamic_cast<WQFileStream*>(stream.clone());
        ASSERT_NE(nullptr, copy);
        EXPECT_STREQ("WQObject.IWQIOStream.WQFileStream", copy->getClassName());
        EXPECT_EQ(0, copy->isOpen());
        EXPECT_EQ(c.mode, copy->getMode());
        EXPECT_STREQ(path.c_str(), copy->getPath().c_str());
        EXPECT_EQ(1, stream.isOpen());
        // Opened, the copy acts on the same file in the same mode.
        ASSERT_EQ(1, copy->open());
        ASSERT_EQ(1, copy->close());
        EXPECT_EQ(c.afterCloneOpens, folder.read("f.bin"));
        EXPECT_EQ(0u, copy->release());
    }
}

} // namespace
