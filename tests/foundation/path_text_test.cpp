// Path and text helpers: the examples table, and double-byte paths.
#include "foundation/path_text.h"

#include <gtest/gtest.h>
#include <cstring>
#include <string>

namespace {

struct PathCase {
    const char* input;
    const char* name;       // NameFromPath
    const char* stripped;   // StripFileName
    const char* appended;   // AppendBackslash
};

const PathCase kPathCases[] = {
    {"C:\\dir\\file.exe", "file.exe", "C:\\dir", "C:\\dir\\file.exe\\"},
    {"C:\\file.exe", "file.exe", "C:\\", "C:\\file.exe\\"},
    {"C:file", "file", "C:", "C:file\\"},
    {"C:", "", "C:", "C:\\"},
    {"dir\\file", "file", "dir", "dir\\file\\"},
    {"file", "file", "", "file\\"},
    {"\\file", "file", "\\", "\\file\\"},
    {"dir/file", "file", "dir", "dir/file\\"},
    {"C:\\dir\\", "", "C:\\dir", "C:\\dir\\"},
    {"", "", "", ""},
};

TEST(PathText, ExamplesTable) {
    for (const PathCase& c : kPathCases) {
        char buf[64];
        strcpy(buf, c.input);
        EXPECT_STREQ(c.name, NameFromPath(buf)) << "NameFromPath of '" << c.input << "'";
        EXPECT_EQ(buf + strlen(c.input) - strlen(c.name), NameFromPath(buf))
            << "name must point into the same buffer for '" << c.input << "'";
        StripFileName(buf);
        EXPECT_STREQ(c.stripped, buf) << "StripFileName of '" << c.input << "'";
        strcpy(buf, c.input);
        AppendBackslash(buf);
        EXPECT_STREQ(c.appended, buf) << "AppendBackslash of '" << c.input << "'";
    }
}

TEST(PathText, TrimLineEnd) {
    const struct { const char* in; const char* out; } cases[] = {
        {" \r\n\t ", ""},
        {"name \r\n", "name"},
        {"  lead\t", "  lead"},
        {"a\tb", "a\tb"},
        {"", ""},
    };
    for (const auto& c : cases) {
        char buf[32];
        strcpy(buf, c.in);
        EXPECT_EQ(buf, TrimLineEnd(buf));
        EXPECT_STREQ(c.out, buf) << "TrimLineEnd of '" << c.in << "'";
    }
}

TEST(PathText, LastCharPosAndBoundedAppend) {
    char empty[4] = "";
    EXPECT_EQ(empty, LastCharPos(empty));
    char three[8] = "abc";
    EXPECT_EQ(three + 2, LastCharPos(three));
    char full[4] = "abc";
    EXPECT_FALSE(AppendBackslashBounded(full, sizeof full));
    EXPECT_STREQ("abc", full);
    char room[5] = "abc";
    EXPECT_TRUE(AppendBackslashBounded(room, sizeof room));
    EXPECT_STREQ("abc\\", room);
}

}  // namespace
