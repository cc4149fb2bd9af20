#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "TempFolder.h"
#include "base/IWQIOStream.h"
#include "base/WQFileStream.h"
#include "base/WQParam.h"
#include "base/WQProperties.h"

using namespace WQSDK;

namespace {

using Entries = std::vector<std::pair<std::string, std::string>>;

std::string text(const WQString& s)
{
    return s.c_str() != nullptr ? std::string(s.c_str(), static_cast<std::size_t>(s.length())) : std::string();
}

// The table's entries in key order.
Entries entriesOf(WQParam& table)
{
    Entries entries;
    if (table.moveFirst()) {
        do
            entries.emplace_back(text(table.getKey()), text(table.getValue()));
        while (table.moveNext());
    }
    return entries;
}

std::string bytes(const char* data, std::size_t length)
{
    return std::string(data, length);
}

TEST(Param, ClassNames)
{
    WQParam param;
    WQProperties properties;
    EXPECT_STREQ("WQObject.TWQMap.WQParam", param.getClassName());
    EXPECT_STREQ("WQObject.TWQMap.WQParam.WQProperties", properties.getClassName());
}

TEST(Param, EverySetFormReplacesTheValue)
{
    const struct {
        const char* name;
        std::function<int(WQParam&)> set;
    } forms[] = {
        {"string key, text value", [](WQParam& p) { return p.set(WQString("k"), "new"); }},
        {"text key, text value", [](WQParam& p) { return p.set("k", "new"); }},
        {"text key, string value", [](WQParam& p) { return p.set("k", WQString("new")); }},
        {"string key, string value", [](WQParam& p) { return p.set(WQString("k"), WQString("new")); }},
    };
    for (const auto& form : forms) {
        SCOPED_TRACE(form.name);
        WQParam param;
        ASSERT_EQ(1, param.put(WQString("a"), WQString("1")));
        ASSERT_EQ(1, param.put(WQString("k"), WQString("old")));
        // The map's own put keeps the old value; set replaces it.
        EXPECT_EQ(0, param.put(WQString("k"), WQString("new")));
        EXPECT_EQ(1, form.set(param));
        EXPECT_EQ((Entries{{"a", "1"}, {"k", "new"}}), entriesOf(param));
        // A new key is simply added.
        WQParam fresh;
        EXPECT_EQ(1, form.set(fresh));
        EXPECT_EQ((Entries{{"k", "new"}}), entriesOf(fresh));
    }
    WQParam param;
    EXPECT_EQ(1, param.set(static_cast<const char*>(nullptr), static_cast<const char*>(nullptr)));
    EXPECT_EQ((Entries{{"", ""}}), entriesOf(param));
}

TEST(Param, GetTextCutsToTheBuffer)
{
    WQParam param;
    param.set("k", "hello");
    const struct {
        int size;
        int result;
        const char* buffer;
    } cases[] = {
        {1, 1, ""}, {4, 1, "hel"}, {5, 1, "hell"}, {6, 1, "hello"}, {50, 1, "hello"},
        // Refused sizes leave the buffer as it was.
        {0, 0, "########"}, {-3, 0, "########"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.size);
        char buffer[9] = "########";
        EXPECT_EQ(c.result, param.getText("k", buffer, c.size));
        EXPECT_STREQ(c.buffer, buffer);
        char second[9] = "########";
        EXPECT_EQ(c.result, param.getText(WQString("k"), second, c.size));
        EXPECT_STREQ(c.buffer, second);
        // Nothing is written beyond the given size.
        if (c.size > 0 && c.size < 8) {
            EXPECT_EQ('#', buffer[c.size]);
        }
    }
    char buffer[9] = "########";
    EXPECT_EQ(0, param.getText("absent", buffer, 9));
    EXPECT_STREQ("########", buffer);
    EXPECT_EQ(0, param.getText("k", nullptr, 9));
}

TEST(Param, GetStringGetAndGetIntReadWithoutChanging)
{
    WQParam param;
    param.set("k", "v");
    const WQString key("k");
    const WQString absent("x");
    const WQString fallback("dflt");
    EXPECT_STREQ("v", param.getString(key, "dflt").c_str());
    EXPECT_STREQ("v", param.getString("k", fallback).c_str());
    EXPECT_STREQ("v", param.getString("k", "dflt").c_str());
    EXPECT_STREQ("v", param.getString(key, fallback).c_str());
    EXPECT_STREQ("dflt", param.getString(absent, "dflt").c_str());
    EXPECT_STREQ("dflt", param.getString("x", fallback).c_str());
    EXPECT_STREQ("dflt", param.getString("x", "dflt").c_str());
    EXPECT_STREQ("dflt", param.getString(absent, fallback).c_str());
    EXPECT_STREQ("", param.getString("x", static_cast<const char*>(nullptr)).c_str());

    WQString out("untouched");
    EXPECT_EQ(1, param.get("k", out));
    EXPECT_STREQ("v", out.c_str());
    EXPECT_EQ(0, param.get("x", out));
    EXPECT_EQ(0, param.get(absent, out));
    EXPECT_STREQ("v", out.c_str());

    const struct {
        const char* value;
        int number;
    } numbers[] = {{"42", 42}, {"12ab", 12}, {"-7", -7}, {"  9", 9}, {"x1", 0}, {"", 0}};
    for (const auto& n : numbers) {
        SCOPED_TRACE(n.value);
        WQParam table;
        table.set("n", n.value);
        EXPECT_EQ(n.number, table.getInt("n"));
        EXPECT_EQ(n.number, table.getInt(WQString("n")));
        // Reading the number leaves the entry in the table.
        EXPECT_EQ((Entries{{"n", n.value}}), entriesOf(table));
    }
    EXPECT_EQ(0, param.getInt("absent"));
    EXPECT_EQ((Entries{{"k", "v"}}), entriesOf(param));
}

TEST(Param, CopiesAreIndependentPlainParams)
{
    WQProperties properties;
    properties.set("b", "2");
    properties.set("a", "1");
    WQObject* object = properties.clone();
    ASSERT_NE(nullptr, object);
    EXPECT_STREQ("WQObject.TWQMap.WQParam", object->getClassName());
    EXPECT_EQ(nullptr, dynamic_cast<WQProperties*>(object));
    WQParam* copy = dynamic_cast<WQParam*>(object);
    ASSERT_NE(nullptr, copy);
    EXPECT_EQ((Entries{{"a", "1"}, {"b", "2"}}), entriesOf(*copy));
    copy->set("a", "changed");
    EXPECT_STREQ("1", properties.getString("a", "").c_str());
    EXPECT_EQ(0u, copy->release());

    // The copy constructor walks the source, which ends with its cursor at
    // the end.
    WQParam source;
    source.set("x", "1");
    source.set("y", "2");
    ASSERT_EQ(1, source.moveFirst());
    WQParam copied(source);
    EXPECT_EQ((Entries{{"x", "1"}, {"y", "2"}}), entriesOf(copied));
    EXPECT_STREQ("WQObject.TWQMap.WQParam", copied.getClassName());
    EXPECT_EQ(0, source.moveNext());
    EXPECT_TRUE(source.getKey().isEmpty());
}

// Loads `contents` from a file and returns the entries.
Entries loaded(const std::string& contents)
{
    TempFolder folder;
    const std::string path = folder.write("p.txt", contents);
    WQProperties properties;
    properties.set("stale", "entry");
    EXPECT_EQ(1, properties.load(WQString(path.c_str())));
    return entriesOf(properties);
}

TEST(Properties, LoadFileFormat)
{
    const struct {
        const char* name;
        std::string contents;
        Entries entries;
    } cases[] = {
        {"comment, empty line, pair", "# comment\n\na=1\n", {{"a", "1"}}},
        {"blanks around = belong to key and value", "a = 1\n", {{"a ", " 1"}}},
        {"line without =", "novalue\n", {{"novalue", ""}}},
        {"only the first = splits", "k=v=w\n", {{"k", "v=w"}}},
        {"empty value", "k=\n", {{"k", ""}}},
        {"later duplicate wins", "a=1\na=2\n", {{"a", "2"}}},
        {"LF", "a=1\nb=2\n", {{"a", "1"}, {"b", "2"}}},
        {"CR LF", "a=1\r\nb=2\r\n", {{"a", "1"}, {"b", "2"}}},
        {"no final line feed", "a=1\nb=2", {{"a", "1"}, {"b", "2"}}},
        {"trimmed at both ends", " \t a=1 \t \r\n", {{"a", "1"}}},
        {"indented comment", "   # a=1\n", {}},
        {"# inside a key", "a#=1\n", {{"a#", "1"}}},
        {"empty key", "=x\n", {{"", "x"}}},
        {"keys in byte order", "b=1\nB=2\na=3\n", {{"B", "2"}, {"a", "3"}, {"b", "1"}}},
        {"code page 936 bytes", "\xD6\xD0\xCE\xC4=\xCE\xC4\xBC\xFE\n", {{"\xD6\xD0\xCE\xC4", "\xCE\xC4\xBC\xFE"}}},
        // Malformed files: each gives a defined table.
        {"empty file", "", {}},
        {"only blanks", " \t\r\n  \n\t", {}},
        {"CR only: one line", "a=1\rb=2\r", {{"a", "1\rb=2"}}},
        {"NUL cuts its line", bytes("a=1\0junk=2\nb=2\n", 15), {{"a", "1"}, {"b", "2"}}},
        {"line of NUL bytes", bytes("\0\0\0\nc=3", 8), {{"c", "3"}}},
        {"binary garbage", bytes("\xFF\xFE=\x80\x01\n\x00\x00\n\x7F\x0B", 11),
         {{"\x7F\x0B", ""}, {"\xFF\xFE", "\x80\x01"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.entries, loaded(c.contents));
    }
}

TEST(Properties, LoadLongLine)
{
    const std::string value(1 << 20, 'v');
    const Entries entries = loaded("k=" + value + "\nz=1");
    ASSERT_EQ(2u, entries.size());
    EXPECT_EQ("k", entries[0].first);
    EXPECT_EQ(value, entries[0].second);
    EXPECT_EQ((std::pair<std::string, std::string>("z", "1")), entries[1]);
}

TEST(Properties, LoadFailuresAndStreams)
{
    TempFolder folder;
    WQProperties properties;
    properties.set("kept", "1");
    EXPECT_EQ(0, properties.load(WQString((folder / "missing.txt").c_str())));
    EXPECT_EQ(0, properties.load(static_cast<IWQIOStream*>(nullptr)));
    EXPECT_EQ((Entries{{"kept", "1"}}), entriesOf(properties));

    // A stream already read to its end is read again from its start.
    const std::string path = folder.write("p.txt", "a=1\n");
    WQFileStream stream;
    ASSERT_EQ(1, stream.open(path.c_str(), 0));
    ASSERT_EQ(1, stream.seek(0, 2));
    EXPECT_EQ(1, properties.load(&stream));
    EXPECT_EQ((Entries{{"a", "1"}}), entriesOf(properties));

    // A closed stream yields nothing: the table is emptied all the same.
    ASSERT_EQ(1, stream.close());
    EXPECT_EQ(1, properties.load(&stream));
    EXPECT_EQ(Entries{}, entriesOf(properties));
}

// Claims bytes it never delivers.
class StuckStream : public IWQIOStream {
public:
    int32_t available() override { return 5; }
    int32_t read(void*, int32_t) override { return 0; }
    int seek(int32_t, int32_t) override { return 1; }
    int32_t tell() override { return 0; }
};

TEST(Properties, StreamThatYieldsNothingEndsTheLoad)
{
    StuckStream stream;
    WQProperties properties;
    WQString line("x");
    EXPECT_EQ(0, properties.readLine(&stream, line));
    EXPECT_EQ(1, properties.load(&stream));
    EXPECT_EQ(0, properties.size());
}

TEST(Properties, ReadLineKeepsLineEnds)
{
    TempFolder folder;
    const std::string path = folder.write("p.txt", "ab\r\n\ncd");
    WQFileStream stream;
    ASSERT_EQ(1, stream.open(path.c_str(), 0));
    WQProperties properties;
    WQString line;
    const char* expected[] = {"ab\r\n", "\n", "cd"};
    for (const char* e : expected) {
        ASSERT_EQ(1, properties.readLine(&stream, line));
        EXPECT_EQ(e, text(line));
    }
    EXPECT_EQ(0, properties.readLine(&stream, line));
    EXPECT_EQ("cd", text(line));
}

TEST(Properties, SaveWritesSortedCrLfLines)
{
    TempFolder folder;
    const struct {
        const char* name;
        Entries entries;
        std::string file;
    } cases[] = {
        {"sorted", {{"b", "2"}, {"a", "1"}}, "a=1\r\nb=2\r\n"},
        {"empty table", {}, ""},
        {"blanks, empty key and value", {{"a ", " 1"}, {"", "x"}, {"k", ""}}, "=x\r\na = 1\r\nk=\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WQProperties properties;
        for (const auto& entry : c.entries)
            properties.set(entry.first.c_str(), entry.second.c_str());
        const std::string path = folder / "saved.txt";
        folder.write("saved.txt", "old contents that must go");
        EXPECT_EQ(1, properties.save(WQString(path.c_str())));
        EXPECT_EQ(c.file, folder.read("saved.txt"));
        // Read back, the same table.
        WQProperties again;
        EXPECT_EQ(1, again.load(WQString(path.c_str())));
        EXPECT_EQ(entriesOf(properties), entriesOf(again));
    }
}

TEST(Properties, SaveFailures)
{
    TempFolder folder;
    WQProperties properties;
    properties.set("a", "1");
    EXPECT_EQ(0, properties.save(static_cast<IWQIOStream*>(nullptr)));
    const std::string noFolder = folder / "missing" + TempFolder::SEPARATOR + "p.txt";
    EXPECT_EQ(0, properties.save(WQString(noFolder.c_str())));

    const std::string path = folder.write("p.txt", "x=9\r\n");
    WQFileStream stream;
    ASSERT_EQ(1, stream.open(path.c_str(), 0));
    EXPECT_EQ(0, properties.save(&stream));
    EXPECT_EQ(0xF0000005u, stream.getLastError());
    ASSERT_EQ(1, stream.close());
    EXPECT_EQ(0, properties.save(&stream));
    EXPECT_EQ(0xF0000002u, stream.getLastError());
    EXPECT_EQ("x=9\r\n", folder.read("p.txt"));
}

} // namespace
