// The self-removal script, byte for byte, for both platform families.
#include "uninstall/removal_script.h"

#include <gtest/gtest.h>
#include <cstring>
#include <string>

namespace {

std::string Build(bool nt, const char* program, const char* folder, const char* script) {
    static char out[kRemovalScriptSize];
    size_t n = BuildRemovalScript(out, sizeof(out), nt, program, folder, script);
    EXPECT_EQ(std::strlen(out), n);
    return std::string(out, n);
}

std::string Attempt(const std::string& program, const std::string& folder) {
    return "del \"" + program + "\"\r\nrd \"" + folder + "\"\r\nif not exist \"" + program +
           "\" goto done\r\n";
}

int CountLines(const std::string& text) {
    int lines = 1;
    for (size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == '\r' && text[i + 1] == '\n') ++lines;
    }
    return lines;
}

TEST(RemovalScript, NtScriptByteForByte) {
    std::string got = Build(true, "C:\\Program Files\\Lumvex\\uninstall.exe",
                            "C:\\Program Files\\Lumvex", "C:\\TEMP\\Uninstall_Lvx.Bat");
    std::string attempt = Attempt("C:\\Program Files\\Lumvex\\uninstall.exe", "C:\\Program Files\\Lumvex");
    std::string want = "\"C:\\Program Files\\Lumvex\\uninstall.exe\" /wait\r\n" + attempt + attempt +
                       attempt + attempt + attempt +
                       ":done\r\nif exist \"C:\\Program Files\\Lumvex\\uninstall.exe\" "
                       "\"C:\\Program Files\\Lumvex\\uninstall.exe\" /warning\r\n"
                       "del \"C:\\TEMP\\Uninstall_Lvx.Bat\"";
    EXPECT_EQ(want, got);
    EXPECT_EQ(19, CountLines(got));
    EXPECT_NE('\n', got.back()) << "the last line has no line end";
    // Every LF is preceded by a CR.
    for (size_t i = 0; i < got.size(); ++i) {
        if (got[i] == '\n') {
            EXPECT_EQ('\r', got[i - 1]) << "at byte " << i;
        }
    }
}

TEST(RemovalScript, NinetyEightScriptStartsWithStartWait) {
    std::string got = Build(false, "C:\\LUMVEX\\UNINST~1.EXE", "C:\\LUMVEX", "C:\\WINDOWS\\TEMP\\Uninstall_Lvx.Bat");
    std::string attempt = Attempt("C:\\LUMVEX\\UNINST~1.EXE", "C:\\LUMVEX");
    std::string want = "start /wait \"C:\\LUMVEX\\UNINST~1.EXE\" /wait\r\n" + attempt + attempt +
                       attempt + attempt + attempt +
                       ":done\r\nif exist \"C:\\LUMVEX\\UNINST~1.EXE\" \"C:\\LUMVEX\\UNINST~1.EXE\" "
                       "/warning\r\ndel \"C:\\WINDOWS\\TEMP\\Uninstall_Lvx.Bat\"";
    EXPECT_EQ(want, got);
    EXPECT_EQ(19, CountLines(got));
}

TEST(RemovalScript, PercentInEveryPathIsDoubled) {
    std::string got = Build(true, "D:\\100% sure\\uninstall.exe", "D:\\100% sure", "C:\\T%EMP%\\Uninstall_Lvx.Bat");
    std::string attempt = Attempt("D:\\100%% sure\\uninstall.exe", "D:\\100%% sure");
    std::string want = "\"D:\\100%% sure\\uninstall.exe\" /wait\r\n" + attempt + attempt + attempt +
                       attempt + attempt +
                       ":done\r\nif exist \"D:\\100%% sure\\uninstall.exe\" \"D:\\100%% sure\\uninstall.exe\" "
                       "/warning\r\ndel \"C:\\T%%EMP%%\\Uninstall_Lvx.Bat\"";
    EXPECT_EQ(want, got);
}

TEST(RemovalScript, DriveRootFolderKeepsItsBackslash) {
    std::string got = Build(true, "X:\\uninstall.exe", "X:\\", "C:\\TEMP\\Uninstall_Lvx.Bat");
    EXPECT_NE(std::string::npos, got.find("\r\nrd \"X:\\\"\r\n")) << got;
}

TEST(RemovalScript, ThreeLongestPathsOfPercentsFit) {
    std::string longest(1023, '%');
    static char out[kRemovalScriptSize];
    size_t n = BuildRemovalScript(out, sizeof(out), true, longest.c_str(), longest.c_str(), longest.c_str());
    ASSERT_NE(0u, n) << "the buffer must hold three 1023-byte paths doubled";
    EXPECT_EQ(19, CountLines(std::string(out, n)));
    // 13 program paths, 5 folders and the script path, each 1023 '%' doubled.
    size_t percents = 0;
    for (size_t i = 0; i < n; ++i) percents += out[i] == '%';
    EXPECT_EQ(2u * 1023u * (1 + 2 * 5 + 2 + 5 + 1), percents);
}

TEST(RemovalScript, RefusesWhatDoesNotFit) {
    std::string tooLong(1024, 'a');
    char out[kRemovalScriptSize];
    EXPECT_EQ(0u, BuildRemovalScript(out, sizeof(out), true, tooLong.c_str(), "C:\\x", "C:\\s.bat"));
    EXPECT_STREQ("", out);
    char small[100];
    EXPECT_EQ(0u, BuildRemovalScript(small, sizeof(small), true, "C:\\x\\u.exe", "C:\\x", "C:\\s.bat"));
    EXPECT_STREQ("", small);
}

TEST(RemovalScript, DoublePercentTable) {
    struct Case { const char* in; size_t size; const char* out; bool fits; } cases[] = {
        {"abc", 10, "abc", true},
        {"%", 10, "%%", true},
        {"%a%", 10, "%%a%%", true},
        {"a%", 3, "a", false},      // "a%%" needs 4 bytes with the terminator
        {"a%", 4, "a%%", true},
        {"", 1, "", true},
    };
    for (const Case& c : cases) {
        char out[16];
        EXPECT_EQ(c.fits, DoublePercent(out, c.size, c.in)) << "'" << c.in << "' in " << c.size;
        EXPECT_STREQ(c.out, out) << "'" << c.in << "' in " << c.size;
    }
}

TEST(RemovalScript, InterpreterCommandLine) {
    char out[kInterpreterCommandSize];
    EXPECT_TRUE(BuildInterpreterCommand(out, sizeof(out), "C:\\windows\\system32\\cmd.exe", "C:\\T\\Uninstall_Lvx.Bat"));
    EXPECT_STREQ("C:\\windows\\system32\\cmd.exe /c \"C:\\T\\Uninstall_Lvx.Bat\"", out);
    EXPECT_TRUE(BuildInterpreterCommand(out, sizeof(out), "C:\\My Tools\\cmd.exe", "C:\\T\\u.bat"));
    EXPECT_STREQ("\"C:\\My Tools\\cmd.exe\" /c \"C:\\T\\u.bat\"", out);
    std::string longest(1023, 'p');
    EXPECT_TRUE(BuildInterpreterCommand(out, sizeof(out), longest.c_str(), longest.c_str()));
    char small[20];
    EXPECT_FALSE(BuildInterpreterCommand(small, sizeof(small), "C:\\cmd.exe", "C:\\T\\u.bat"));
    EXPECT_STREQ("", small);
}

}  // namespace
