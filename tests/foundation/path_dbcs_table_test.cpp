// Path and text helpers with a double-byte lead byte table filled by the test
// itself (lead bytes 0x81 to 0xFE, as in code page 936), so that the
// double-byte walks also run natively under AddressSanitizer and UBSan.
// The same cases with the system's own code page 936: path_cp936_test.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "foundation/bounded_text.h"
#include "foundation/path_text.h"

namespace {

class PathDbcsTable : public ::testing::Test {
protected:
    void SetUp() override {
        saved_ = LeadByteTable;
        memset(&LeadByteTable, 0, sizeof LeadByteTable);
        LeadByteTable.multiByte = 1;
        for (int c = 0x81; c <= 0xFE; ++c) LeadByteTable.lead[c] = 1;
    }
    void TearDown() override { LeadByteTable = saved_; }
    LeadByteInfo saved_;
};

// "\x81\x5C" is one character whose trail byte is the backslash code.
struct Case {
    const char* input;
    const char* name;       // NameFromPath
    const char* stripped;   // StripFileName
    const char* appended;   // AppendBackslash
    size_t lastAt;          // offset of LastCharPos
};

const Case kCases[] = {
    {"C:\\dir\\\x81\x5C", "\x81\x5C", "C:\\dir", "C:\\dir\\\x81\x5C\\", 7},
    {"C:\\\x82\x5C", "\x82\x5C", "C:\\", "C:\\\x82\x5C\\", 3},
    {"\x83\x5C", "\x83\x5C", "", "\x83\x5C\\", 0},
    {"C:\x81\x5C", "\x81\x5C", "C:", "C:\x81\x5C\\", 2},
    {"\x81\x5C\\\x82\x5C", "\x82\x5C", "\x81\x5C", "\x81\x5C\\\x82\x5C\\", 3},
    {"\x81\x5C\\", "", "\x81\x5C", "\x81\x5C\\", 2},
    {"\xD6\xD0\\\x81\x5C", "\x81\x5C", "\xD6\xD0", "\xD6\xD0\\\x81\x5C\\", 3},
};

TEST_F(PathDbcsTable, TrailByte5C) {
    for (const Case& c : kCases) {
        char buf[64];
        strcpy(buf, c.input);
        EXPECT_STREQ(c.name, NameFromPath(buf)) << "NameFromPath of case " << (&c - kCases);
        EXPECT_EQ(buf + c.lastAt, LastCharPos(buf)) << "LastCharPos of case " << (&c - kCases);
        StripFileName(buf);
        EXPECT_STREQ(c.stripped, buf) << "StripFileName of case " << (&c - kCases);
        strcpy(buf, c.input);
        AppendBackslash(buf);
        EXPECT_STREQ(c.appended, buf) << "AppendBackslash of case " << (&c - kCases);
    }
}

TEST_F(PathDbcsTable, CutsKeepWholeCharacters) {
    const char* text = "ab\x81\x5C\x82\x5C";
    const struct {
        size_t size;
        const char* out;
        bool fitted;
    } cases[] = {
        {8, "ab\x81\x5C\x82\x5C", true}, {7, "ab\x81\x5C\x82\x5C", true},
        {6, "ab\x81\x5C", false},        {5, "ab\x81\x5C", false},
        {4, "ab", false},                {3, "ab", false},
        {1, "", false},
    };
    for (const auto& c : cases) {
        char out[16];
        memset(out, '#', sizeof out);
        EXPECT_EQ(c.fitted, CopyText(out, c.size, text)) << "CopyText size " << c.size;
        EXPECT_STREQ(c.out, out) << "CopyText size " << c.size;
        EXPECT_EQ('#', out[c.size]) << "CopyText wrote past size " << c.size;
        memset(out, '#', sizeof out);
        EXPECT_EQ(c.fitted, FormatText(out, c.size, "%s", text)) << "FormatText size " << c.size;
        EXPECT_STREQ(c.out, out) << "FormatText size " << c.size;
        EXPECT_EQ('#', out[c.size]) << "FormatText wrote past size " << c.size;
    }
}

}  // namespace
