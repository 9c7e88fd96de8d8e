// Path helpers on real code page 936 text, in mode cp936: paths
// whose last character is 乗, 俓 or 僜 (lead bytes 0x81 to 0x83, trail byte
// 0x5C, the code of the backslash). These cases fail when NameFromPath,
// LastCharPos or AppendBackslash step byte by byte.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "foundation/bounded_text.h"
#include "foundation/path_text.h"
#include "scratch_dir.h"

namespace {

class PathCp936 : public ::testing::Test {
protected:
    void SetUp() override {
        // This program runs in mode cp936 only: the mode must be real.
        ASSERT_EQ(936u, GetACP()) << "not in code page 936: is the zh_CN.UTF-8 locale missing?";
        ASSERT_EQ(1, LeadByteTable.multiByte) << "LeadByteTable was not filled before main";
        ASSERT_EQ(1, LeadByteTable.lead[0x81]);
        ASSERT_EQ(0, LeadByteTable.lead[0x5C]);
    }
};

std::wstring WideOf(const char* ansi) {
    wchar_t out[512];
    if (MultiByteToWideChar(CP_ACP, 0, ansi, -1, out, 512) == 0) return L"<invalid>";
    return out;
}

// Prints a wide text as its code units in hex (the runner's console is not Unicode).
std::string Show(const std::wstring& w) {
    std::string s;
    char unit[8];
    for (wchar_t c : w) {
        if (c >= 0x20 && c < 0x7F) {
            s += static_cast<char>(c);
        } else {
            snprintf(unit, sizeof unit, "<%04X>", static_cast<unsigned>(c));
            s += unit;
        }
    }
    return s;
}

struct Case {
    const wchar_t* input;
    const wchar_t* name;       // NameFromPath
    const wchar_t* stripped;   // StripFileName
    const wchar_t* appended;   // AppendBackslash
    const wchar_t* last;       // the last character (LastCharPos)
};

// 乗 U+4E57 = 81 5C, 俓 U+4FD3 = 82 5C, 僜 U+50DC = 83 5C, 中 U+4E2D = D6 D0.
const Case kCases[] = {
    {L"C:\\dir\\\u4E57", L"\u4E57", L"C:\\dir", L"C:\\dir\\\u4E57\\", L"\u4E57"},
    {L"C:\\\u4FD3", L"\u4FD3", L"C:\\", L"C:\\\u4FD3\\", L"\u4FD3"},
    {L"\u50DC", L"\u50DC", L"", L"\u50DC\\", L"\u50DC"},
    {L"C:\u4E57", L"\u4E57", L"C:", L"C:\u4E57\\", L"\u4E57"},
    {L"\u4E57\u4FD3\u50DC", L"\u4E57\u4FD3\u50DC", L"", L"\u4E57\u4FD3\u50DC\\", L"\u50DC"},
    {L"\u4E57\\\u4FD3", L"\u4FD3", L"\u4E57", L"\u4E57\\\u4FD3\\", L"\u4FD3"},
    {L"\u4E57\u4FD3\\file.txt", L"file.txt", L"\u4E57\u4FD3", L"\u4E57\u4FD3\\file.txt\\", L"t"},
    {L"\u4E57\\", L"", L"\u4E57", L"\u4E57\\", L"\\"},
    {L"dir/\u50DC", L"\u50DC", L"dir", L"dir/\u50DC\\", L"\u50DC"},
    {L"\u4E2D\u6587\\\u4E57", L"\u4E57", L"\u4E2D\u6587", L"\u4E2D\u6587\\\u4E57\\", L"\u4E57"},
};

TEST_F(PathCp936, TrailByte5C) {
    for (const Case& c : kCases) {
        const std::string in = AnsiOf(c.input);
        ASSERT_FALSE(in.empty());
        char buf[256];
        strcpy(buf, in.c_str());

        const char* name = NameFromPath(buf);
        EXPECT_EQ(c.name, WideOf(name)) << "NameFromPath of " << Show(c.input) << " gave "
                                        << Show(WideOf(name));
        EXPECT_EQ(c.last, WideOf(LastCharPos(buf)))
            << "LastCharPos of " << Show(c.input) << " gave " << Show(WideOf(LastCharPos(buf)));

        StripFileName(buf);
        EXPECT_EQ(c.stripped, WideOf(buf))
            << "StripFileName of " << Show(c.input) << " gave " << Show(WideOf(buf));

        strcpy(buf, in.c_str());
        AppendBackslash(buf);
        EXPECT_EQ(c.appended, WideOf(buf))
            << "AppendBackslash of " << Show(c.input) << " gave " << Show(WideOf(buf));
    }
}

TEST_F(PathCp936, TheBytesReallyEndIn5C) {
    const std::string s = AnsiOf(L"C:\\dir\\\u4E57");
    ASSERT_EQ(9u, s.size());
    EXPECT_EQ('\x81', s[7]);
    EXPECT_EQ('\\', s[8]) << "the last byte is a trail byte equal to the backslash";
}

TEST_F(PathCp936, CutsDoNotSplitACharacter) {
    const std::string s = AnsiOf(L"ab\u4E57\u4FD3");   // 61 62 81 5C 82 5C
    char out[4];
    EXPECT_FALSE(CopyText(out, sizeof out, s.c_str()));
    EXPECT_STREQ("ab", out) << "the lead byte 0x81 alone is not kept";
    char five[5];
    EXPECT_FALSE(CopyText(five, sizeof five, s.c_str()));
    EXPECT_EQ(L"ab\u4E57", WideOf(five));
    char formatted[4];
    EXPECT_FALSE(FormatText(formatted, sizeof formatted, "%s", s.c_str()));
    EXPECT_STREQ("ab", formatted) << "vsnprintf's cut is mended too";
    char appended[4] = "a";
    EXPECT_FALSE(AppendText(appended, sizeof appended, s.c_str() + 1));   // "b" 乗 俓
    EXPECT_STREQ("ab", appended);
}

// The helpers on a real folder whose name ends in 乗: the joined path opens.
TEST_F(PathCp936, RealFolderEndingInTrailByte5C) {
    ScratchDir dir(L"cp936");
    ASSERT_TRUE(dir.ok());
    const std::wstring folder = dir / L"\u6570\u636E\u4E57";
    ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
    ASSERT_TRUE(ScratchDir::WriteFile(folder + L"\\file.txt", "data", 4));

    char path[MAX_PATH * 2];
    ASSERT_TRUE(CopyText(path, sizeof path, AnsiOf(folder).c_str()));
    AppendBackslash(path);
    ASSERT_TRUE(AppendText(path, sizeof path, "file.txt"));
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(path)) << "joined path not found";
    EXPECT_STREQ("file.txt", NameFromPath(path));
    StripFileName(path);
    EXPECT_EQ(AnsiOf(folder), std::string(path));
    DWORD attributes = GetFileAttributesA(path);
    EXPECT_TRUE(attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY));
    EXPECT_EQ(L"\u6570\u636E\u4E57", WideOf(NameFromPath(path)));
}

}  // namespace
