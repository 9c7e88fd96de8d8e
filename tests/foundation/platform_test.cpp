// Platform helpers in the modes nt64, nt32, win98 and cp936:
// NtMajorVersion, CompareNoCase, CopyWide, CopyWideBounded, WideToAnsi and
// FileExistsDual.
#include "foundation/platform.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "scratch_dir.h"

namespace {

// scripts/wine-run runs the 9x mode as a copy named NAME_w98.exe.
bool RunAs9x() {
    char self[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, self, sizeof self);
    if (n == 0 || n >= sizeof self) return false;
    return n > 8 && _stricmp(self + n - 8, "_w98.exe") == 0;
}

TEST(Platform, NtMajorVersion) {
    OSVERSIONINFOA info = {};
    info.dwOSVersionInfoSize = sizeof info;
    ASSERT_TRUE(GetVersionExA(&info));
    DWORD version = NtMajorVersion();
    if (RunAs9x()) {
        EXPECT_EQ(VER_PLATFORM_WIN32_WINDOWS, info.dwPlatformId);
        EXPECT_EQ(0u, version);
    } else {
        EXPECT_EQ(VER_PLATFORM_WIN32_NT, info.dwPlatformId);
        EXPECT_NE(0u, version);
        EXPECT_EQ(info.dwMajorVersion, version);
    }
    EXPECT_EQ(version, NtMajorVersion()) << "the cached answer";
}

TEST(Platform, CompareNoCase) {
    const struct {
        const char* a;
        const char* b;
        int expected;
    } cases[] = {
        {"Uninstall.lst", "UNINSTALL.LST", 0},
        {"setup", "Setup", 0},
        {"", "", 0},
        {"abc", "abd", -1},
        {"abd", "abc", 1},
        {"a", "", 1},
        {"", "a", -1},
        {"Lumvex.ZIP", "lumvex.zip", 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.expected, CompareNoCase(c.a, c.b)) << "'" << c.a << "' vs '" << c.b << "'";
    }
}

TEST(Platform, CompareNoCaseDoubleByte) {
    if (GetACP() != 936) GTEST_SKIP() << "needs code page 936 (mode cp936)";
    std::string a = AnsiOf(L"ABC\u4E57\u4FD3.DAT");
    std::string b = AnsiOf(L"abc\u4E57\u4FD3.dat");
    std::string c = AnsiOf(L"abc\u4E57\u50DC.dat");
    EXPECT_EQ(0, CompareNoCase(a.c_str(), b.c_str()));
    EXPECT_NE(0, CompareNoCase(a.c_str(), c.c_str()));
}

TEST(Platform, CopyWide) {
    wchar_t dst[8];
    wmemset(dst, L'#', 8);
    CopyWide(dst, L"abc");
    EXPECT_STREQ(L"abc", dst);
    EXPECT_EQ(L'#', dst[4]);
    CopyWide(dst, L"");
    EXPECT_STREQ(L"", dst);
    EXPECT_EQ(L'c', dst[2]);   // only the terminator was written
}

TEST(Platform, CopyWideBounded) {
    const struct {
        const wchar_t* src;
        size_t size;
        bool fitted;
        const wchar_t* out;
    } cases[] = {
        {L"abc", 4, true, L"abc"}, {L"abc", 3, false, L"ab"}, {L"abc", 1, false, L""},
        {L"", 1, true, L""},       {L"abc", 8, true, L"abc"},
    };
    for (const auto& c : cases) {
        wchar_t dst[10];
        wmemset(dst, L'#', 10);
        EXPECT_EQ(c.fitted, CopyWideBounded(dst, c.size, c.src)) << "size " << c.size;
        EXPECT_STREQ(c.out, dst) << "size " << c.size;
        EXPECT_EQ(L'#', dst[c.size]) << "wrote past size " << c.size;
    }
    wchar_t untouched = L'#';
    EXPECT_FALSE(CopyWideBounded(&untouched, 0, L"a"));
    EXPECT_EQ(L'#', untouched);
}

TEST(Platform, WideToAnsi) {
    char out[16];
    memset(out, '#', sizeof out);
    EXPECT_TRUE(WideToAnsi(L"abc", out, 4));
    EXPECT_STREQ("abc", out);
    EXPECT_EQ('#', out[4]);
    EXPECT_FALSE(WideToAnsi(L"abcd", out, 4)) << "does not fit with its terminator";
    if (GetACP() == 936) {
        memset(out, '#', sizeof out);
        EXPECT_TRUE(WideToAnsi(L"\u4E57\u4FD3\u50DC", out, 7));
        EXPECT_STREQ("\x81\x5C\x82\x5C\x83\x5C", out) << "trail bytes 0x5C in code page 936";
        EXPECT_FALSE(WideToAnsi(L"\u4E57\u4FD3\u50DC", out, 6));
    }
}

TEST(Platform, FileExistsDual) {
    ScratchDir dir(L"exists");
    ASSERT_TRUE(dir.ok());
    const std::wstring there = dir / L"there.txt";
    const std::wstring missing = dir / L"missing.txt";
    ASSERT_TRUE(ScratchDir::WriteFile(there, "x", 1));
    const std::string thereA = AnsiOf(there), missingA = AnsiOf(missing);
    const bool nt = NtMajorVersion() != 0;
    const struct {
        const char* ansi;
        const wchar_t* wide;
        bool expected;
        const char* what;
    } cases[] = {
        {thereA.c_str(), nullptr, true, "ansi only"},
        {missingA.c_str(), nullptr, false, "missing ansi only"},
        {missingA.c_str(), there.c_str(), nt, "wide used on NT only"},
        {thereA.c_str(), missing.c_str(), !nt, "ansi used on 9x"},
        {thereA.c_str(), L"", true, "empty wide: the ansi name, also on NT"},
        {missingA.c_str(), L"", false, "empty wide, missing ansi"},
        {nullptr, there.c_str(), nt, "wide alone"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.expected, FileExistsDual(c.ansi, c.wide)) << c.what;
    }
}

}  // namespace
