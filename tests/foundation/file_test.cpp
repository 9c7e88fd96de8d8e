// The file class, in the modes nt64, nt32, win98 and cp936: wide
// names on the NT family and ANSI names on the 9x family, reads at the end,
// seeks, FileLength, SaveFilePos, names that do not fit their fields, and a
// file held for writing by another process (tests/foundation/helpers/file_holder).
#include "foundation/file.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "foundation/platform.h"
#include "scratch_dir.h"

namespace {

bool IsNt() { return NtMajorVersion() != 0; }

class FileTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.ok());
        for (int i = 0; i < 100; ++i) hundred_[i] = static_cast<unsigned char>(i);
        aPath_ = dir_ / L"a.bin";
        wPath_ = dir_ / L"w.bin";
        ASSERT_TRUE(ScratchDir::WriteFile(aPath_, hundred_, sizeof hundred_));
        ASSERT_TRUE(ScratchDir::WriteFile(wPath_, "WIDE", 4));
        aAnsi_ = AnsiOf(aPath_);
        ASSERT_FALSE(aAnsi_.empty());
    }

    // Which of the two fixture files the object has open: 'a' (100 bytes),
    // 'w' (4 bytes) or '?'.
    static char Which(File& f) {
        LONGLONG len = f.FileLength();
        return len == 100 ? 'a' : len == 4 ? 'w' : '?';
    }

    ScratchDir dir_{L"file"};
    unsigned char hundred_[100];
    std::wstring aPath_, wPath_;
    std::string aAnsi_;
};

TEST_F(FileTest, InitialState) {
    File f;
    EXPECT_FALSE(f.IsOpen());
    EXPECT_STREQ("", f.Name());
    EXPECT_STREQ(L"", f.NameW());
    EXPECT_EQ(0, f.Closes());
    EXPECT_EQ(-1, f.Tell());
    EXPECT_FALSE(f.IsDevice());
    char buf[4];
    EXPECT_EQ(-1, f.Read(buf, sizeof buf));
    f.Seek(10, FILE_BEGIN);   // nothing happens
    EXPECT_EQ(-1, f.Tell());
}

TEST_F(FileTest, WhichNameOpens) {
    // The ANSI name names a.bin, the wide name w.bin.
    const struct {
        bool ansi, wide, emptyWide;
        char nt, nine;   // the file opened on each family ('-' none)
    } cases[] = {
        {true, true, false, 'w', 'a'},
        {true, false, false, 'a', 'a'},
        {true, true, true, 'a', 'a'},     // an empty wide name: the ANSI name
        {false, true, false, 'w', '-'},   // 9x never uses the wide name
        {false, false, false, '-', '-'},
    };
    for (const auto& c : cases) {
        File f;
        const char* ansi = c.ansi ? aAnsi_.c_str() : nullptr;
        const wchar_t* wide = c.wide ? (c.emptyWide ? L"" : wPath_.c_str()) : nullptr;
        char expected = IsNt() ? c.nt : c.nine;
        bool opened = f.Open(ansi, wide, false, true);
        EXPECT_EQ(expected != '-', opened)
            << "ansi " << c.ansi << " wide " << c.wide << " empty wide " << c.emptyWide;
        if (!opened) {
            EXPECT_FALSE(f.IsOpen());
            continue;
        }
        EXPECT_EQ(expected, Which(f))
            << "ansi " << c.ansi << " wide " << c.wide << " empty wide " << c.emptyWide;
        // The names: the ANSI one as given, else the ANSI form of the wide one.
        EXPECT_STREQ(c.ansi ? aAnsi_.c_str() : AnsiOf(wPath_).c_str(), f.Name());
        EXPECT_STREQ(wide != nullptr ? wide : L"", f.NameW());
    }
}

TEST_F(FileTest, WideNameAloneGivesItsAnsiForm) {
    // In code page 936 a name of characters with trail byte 0x5C.
    const std::wstring name = dir_ / (GetACP() == 936 ? L"\u4E57\u4FD3\u50DC.bin" : L"wide only.bin");
    ASSERT_TRUE(ScratchDir::WriteFile(name, "xyz", 3));
    File f;
    if (!IsNt()) {
        EXPECT_FALSE(f.Open(nullptr, name.c_str(), false, true));
        return;
    }
    ASSERT_TRUE(f.Open(nullptr, name.c_str(), false, true));
    EXPECT_STREQ(AnsiOf(name).c_str(), f.Name());
    EXPECT_STREQ(name.c_str(), f.NameW());
    EXPECT_EQ(3, f.FileLength());
    if (GetACP() == 936) {
        // And the ANSI form opens the same file.
        File g;
        EXPECT_TRUE(g.Open(f.Name(), nullptr, false, true));
        EXPECT_EQ(3, g.FileLength());
    }
}

TEST_F(FileTest, FailedOpenKeepsTheObject) {
    File f;
    ASSERT_TRUE(f.Open(aAnsi_.c_str(), nullptr, false, true));
    EXPECT_TRUE(f.Close());
    const std::wstring missing = dir_ / L"missing.bin";
    EXPECT_FALSE(f.Open(AnsiOf(missing).c_str(), missing.c_str(), false, true));
    EXPECT_FALSE(f.IsOpen());
    EXPECT_STREQ(aAnsi_.c_str(), f.Name());   // the names of the last successful open
    EXPECT_STREQ(L"", f.NameW());
    EXPECT_EQ(-1, f.Tell());
}

TEST_F(FileTest, ReadsAndTheEnd) {
    File f;
    ASSERT_TRUE(f.Open(aAnsi_.c_str(), nullptr, false, true));
    EXPECT_FALSE(f.IsDevice());
    std::vector<unsigned char> buf(65536);
    EXPECT_EQ(100, f.Read(buf.data(), 8192));   // fewer bytes than asked: not an error
    EXPECT_EQ(0, memcmp(hundred_, buf.data(), 100));
    EXPECT_EQ(0, f.Read(buf.data(), 8192));     // at the end
    EXPECT_EQ(100, f.Tell());
    f.Seek(0, FILE_BEGIN);
    EXPECT_EQ(10, f.Read(buf.data(), 10));
    EXPECT_EQ(10, f.Tell());
    EXPECT_EQ(0, f.Read(buf.data(), 0));
    EXPECT_EQ(-1, f.Read(buf.data(), -1));
    f.Seek(0, FILE_END);
    EXPECT_EQ(0, f.Read(buf.data(), 65536));
}

TEST_F(FileTest, Seeks) {
    File f;
    ASSERT_TRUE(f.Open(aAnsi_.c_str(), nullptr, false, true));
    const struct {
        LONGLONG from;        // position before
        LONGLONG position;
        DWORD method;
        LONGLONG expected;    // position after
    } cases[] = {
        {0, -10, FILE_END, 90},
        {50, -10, FILE_CURRENT, 40},
        {50, 5, FILE_CURRENT, 55},
        {50, 0, FILE_END, 100},
        {50, 7, FILE_BEGIN, 7},
        {50, 20, FILE_END, 120},                            // past the end is allowed
        {0, 0xFFFFFFFFLL, FILE_BEGIN, 0xFFFFFFFFLL},        // low part all ones, not a failure
        {0, 0x100000005LL, FILE_BEGIN, 0x100000005LL},      // the high part is passed on
        {0x100000005LL, -6, FILE_CURRENT, 0xFFFFFFFFLL},
        {30, -200, FILE_END, 30},                           // before the start: fails, stays
        {30, -1, FILE_BEGIN, 30},                           // negative from the start: fails
    };
    for (const auto& c : cases) {
        f.Seek(c.from, FILE_BEGIN);
        ASSERT_EQ(c.from, f.Tell());
        f.Seek(c.position, c.method);
        EXPECT_EQ(c.expected, f.Tell())
            << "from " << c.from << " seek " << c.position << " method " << c.method;
    }
}

TEST_F(FileTest, FileLengthKeepsThePosition) {
    File f;
    ASSERT_TRUE(f.Open(aAnsi_.c_str(), nullptr, false, true));
    f.Seek(33, FILE_BEGIN);
    EXPECT_EQ(100, f.FileLength());
    EXPECT_EQ(33, f.Tell());
    unsigned char b = 0;
    EXPECT_EQ(1, f.Read(&b, 1));
    EXPECT_EQ(33, b);
}

TEST_F(FileTest, SaveFilePos) {
    File f;
    ASSERT_TRUE(f.Open(aAnsi_.c_str(), nullptr, false, true));
    f.Seek(30, FILE_BEGIN);
    {
        SaveFilePos keep(f);
        f.Seek(70, FILE_BEGIN);
    }
    EXPECT_EQ(30, f.Tell());
    {
        SaveFilePos keep(f);
        EXPECT_TRUE(f.Close());
        ASSERT_TRUE(f.Open(aAnsi_.c_str(), nullptr, false, true));
        f.Seek(60, FILE_BEGIN);
    }
    EXPECT_EQ(60, f.Tell()) << "closed in between: the position is left alone";
}

TEST_F(FileTest, OpenWhileOpenIsRefused) {
    File f;
    ASSERT_TRUE(f.Open(aAnsi_.c_str(), nullptr, false, true));
    f.Seek(12, FILE_BEGIN);
    const std::string wAnsi = AnsiOf(wPath_);
    EXPECT_FALSE(f.Open(wAnsi.c_str(), wPath_.c_str(), false, true));
    EXPECT_EQ('a', Which(f)) << "the first file stays open";
    EXPECT_EQ(12, f.Tell());
    EXPECT_STREQ(aAnsi_.c_str(), f.Name());
    EXPECT_EQ(0, f.Closes());
}

TEST_F(FileTest, CloseCounts) {
    File f;
    EXPECT_TRUE(f.Close());
    EXPECT_EQ(1, f.Closes());
    ASSERT_TRUE(f.Open(aAnsi_.c_str(), nullptr, false, true));
    EXPECT_TRUE(f.Close());
    EXPECT_FALSE(f.IsOpen());
    EXPECT_EQ(2, f.Closes());
    EXPECT_TRUE(f.Close());
    EXPECT_EQ(3, f.Closes());
    EXPECT_STREQ(aAnsi_.c_str(), f.Name());
}

TEST_F(FileTest, UpdateOpensForWriting) {
    File f;
    ASSERT_TRUE(f.Open(aAnsi_.c_str(), nullptr, true, false));
    f.Close();
    // Never creates a file.
    const std::wstring missing = dir_ / L"not-created.bin";
    EXPECT_FALSE(f.Open(AnsiOf(missing).c_str(), missing.c_str(), true, true));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(missing.c_str()));
}

TEST_F(FileTest, Device) {
    File f;
    ASSERT_TRUE(f.Open("NUL", nullptr, false, true));
    EXPECT_TRUE(f.IsDevice());
    char buf[16];
    EXPECT_EQ(0, f.Read(buf, sizeof buf));
}

// Builds dir\...\name of exactly `total` UTF-16 units (in the \\?\ form),
// with folders of `component` units of `fill`; creates the folders and the
// file. Empty on failure.
std::wstring MakeLongFile(const std::wstring& dir, size_t total, wchar_t fill, size_t component) {
    std::wstring path = ScratchDir::Long(dir);
    while (total > path.size() + 1 + component + 2) {
        path += L"\\" + std::wstring(component, fill);
        if (!CreateDirectoryW(path.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) {
            return std::wstring();
        }
    }
    size_t rest = total - path.size() - 1;
    path += L"\\" + std::wstring(rest, fill);
    if (path.size() != total || !ScratchDir::WriteFile(path, "LONG!", 5)) return std::wstring();
    return path;
}

TEST_F(FileTest, NamesThatDoNotFitAreRefused) {
    // Wide names: 1023 units (with the terminator 1024) fit, 1024 do not.
    const std::wstring wide1023 = MakeLongFile(dir_.path(), 1023, L'a', 200);
    const std::wstring wide1024 = MakeLongFile(dir_.path(), 1024, L'b', 200);
    ASSERT_EQ(1023u, wide1023.size());
    ASSERT_EQ(1024u, wide1024.size());
    const std::string ansi1023(1023, 'c');
    const std::string ansi1024(1024, 'd');
    const std::string ansi5000(5000, 'e');
    const struct {
        const char* ansi;
        const wchar_t* wide;
        bool ntOpens;
        const char* what;
    } cases[] = {
        {nullptr, wide1023.c_str(), true, "wide 1023 units"},
        {nullptr, wide1024.c_str(), false, "wide 1024 units"},
        {ansi1023.c_str(), wide1023.c_str(), true, "ansi 1023 bytes with a fitting wide name"},
        {ansi1024.c_str(), wide1023.c_str(), false, "ansi 1024 bytes"},
        {ansi5000.c_str(), wide1023.c_str(), false, "ansi 5000 bytes"},
        {ansi1024.c_str(), nullptr, false, "ansi 1024 bytes alone"},
    };
    for (const auto& c : cases) {
        File f;
        ASSERT_TRUE(f.Open(aAnsi_.c_str(), nullptr, false, true));
        f.Close();
        bool opened = f.Open(c.ansi, c.wide, false, true);
        EXPECT_EQ(IsNt() && c.ntOpens, opened) << c.what;
        if (opened) {
            EXPECT_EQ(5, f.FileLength()) << c.what;
            EXPECT_STREQ(c.wide, f.NameW()) << c.what;
            EXPECT_EQ(c.ansi != nullptr ? std::string(c.ansi) : AnsiOf(c.wide),
                      std::string(f.Name()))
                << c.what;
        } else {
            EXPECT_STREQ(aAnsi_.c_str(), f.Name()) << c.what;   // untouched
            EXPECT_STREQ(L"", f.NameW()) << c.what;
        }
    }
}

// In code page 936: a wide name that fits its 1024 units but whose ANSI form
// does not fit FileName's 1024 bytes, given alone, is refused.
TEST_F(FileTest, WideNameWhoseAnsiFormDoesNotFit) {
    if (GetACP() != 936) GTEST_SKIP() << "needs a double-byte code page (mode cp936)";
    const std::wstring wide = MakeLongFile(dir_.path(), 600, L'\u4E57', 80);
    ASSERT_EQ(600u, wide.size());
    ASSERT_GE(AnsiOf(wide).size(), 1024u);
    File f;
    EXPECT_FALSE(f.Open(nullptr, wide.c_str(), false, true));
    EXPECT_STREQ("", f.Name());
    ASSERT_TRUE(f.Open("given", wide.c_str(), false, true));   // an ANSI name is taken as given
    EXPECT_EQ(5, f.FileLength());
    EXPECT_STREQ("given", f.Name());
}

// Another process holds the file open for writing.
TEST_F(FileTest, HeldForWritingByAnotherProcess) {
    char self[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, self, sizeof self);
    ASSERT_TRUE(n > 0 && n < sizeof self);
    std::string helper(self);
    helper = helper.substr(0, helper.find_last_of('\\') + 1) + "file_holder.exe";
    ASSERT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(helper.c_str())) << helper;

    char ready[64], release[64];
    snprintf(ready, sizeof ready, "LumvexHolderReady-%lu", GetCurrentProcessId());
    snprintf(release, sizeof release, "LumvexHolderRelease-%lu", GetCurrentProcessId());
    HANDLE readyEvent = CreateEventA(nullptr, TRUE, FALSE, ready);
    HANDLE releaseEvent = CreateEventA(nullptr, TRUE, FALSE, release);
    ASSERT_TRUE(readyEvent && releaseEvent);

    std::string cmd = "\"" + helper + "\" \"" + aAnsi_ + "\" " + ready + " " + release;
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    ASSERT_TRUE(CreateProcessA(helper.c_str(), &cmd[0], nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &si, &pi));
    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(readyEvent, 30000));
    DWORD code = STILL_ACTIVE;
    ASSERT_TRUE(GetExitCodeProcess(pi.hProcess, &code));
    ASSERT_EQ(STILL_ACTIVE, code) << "the helper could not hold the file";

    const std::wstring wide = IsNt() ? aPath_ : std::wstring();
    {
        File f;
        EXPECT_FALSE(f.Open(aAnsi_.c_str(), wide.c_str(), false, false)) << "share write false";
        EXPECT_FALSE(f.IsOpen());
        EXPECT_STREQ("", f.Name());
        File g;
        EXPECT_TRUE(g.Open(aAnsi_.c_str(), wide.c_str(), false, true)) << "share write true";
        File h;
        EXPECT_FALSE(h.Open(aAnsi_.c_str(), wide.c_str(), true, false)) << "update, share write false";
    }

    SetEvent(releaseEvent);
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(pi.hProcess, 30000));
    GetExitCodeProcess(pi.hProcess, &code);
    EXPECT_EQ(0u, code);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    CloseHandle(readyEvent);
    CloseHandle(releaseEvent);

    File f;
    EXPECT_TRUE(f.Open(aAnsi_.c_str(), wide.c_str(), false, false)) << "after the helper ended";
}

}  // namespace
