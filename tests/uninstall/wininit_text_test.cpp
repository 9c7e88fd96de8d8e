// Adding deletions to the [Rename] section of wininit.ini as text.
#include "uninstall/wininit_text.h"

#include <gtest/gtest.h>
#include <cstring>
#include <string>
#include <vector>

namespace {

std::string Add(const std::string& in, const char* path) {
    std::vector<char> out(in.size() + std::strlen(path) + kRenameLineExtra);
    size_t n = AddRenameLine(in.data(), in.size(), path, out.data(), out.size());
    EXPECT_NE(static_cast<size_t>(-1), n);
    if (n == static_cast<size_t>(-1)) return "<refused>";
    EXPECT_EQ('\0', out[n]);
    return std::string(out.data(), n);
}

struct IniCase {
    const char* name;
    std::string in;
    const char* path;
    std::string want;
};

TEST(WininitText, Table) {
    const IniCase cases[] = {
        {"no file yet", "", "C:\\A.TMP", "[Rename]\r\nNUL=C:\\A.TMP\r\n"},
        {"other sections only", "[Other]\r\nx=1\r\n", "C:\\A.TMP",
         "[Other]\r\nx=1\r\n[Rename]\r\nNUL=C:\\A.TMP\r\n"},
        {"last line without its end", "[Other]\r\nx=1", "C:\\A.TMP",
         "[Other]\r\nx=1\r\n[Rename]\r\nNUL=C:\\A.TMP\r\n"},
        {"a second deletion is kept beside the first", "[Rename]\r\nNUL=C:\\A.TMP\r\n", "C:\\B.TMP",
         "[Rename]\r\nNUL=C:\\A.TMP\r\nNUL=C:\\B.TMP\r\n"},
        {"the section in the middle, other lines kept",
         "; comment\r\n[rename]\r\nC:\\NEW.DLL=C:\\OLD.DLL\r\n\r\n[Other]\r\nNUL=keep\r\n", "C:\\B.TMP",
         "; comment\r\n[rename]\r\nC:\\NEW.DLL=C:\\OLD.DLL\r\nNUL=C:\\B.TMP\r\n\r\n[Other]\r\nNUL=keep\r\n"},
        {"header with blanks, LF line ends", " [ RENAME ]\nNUL=C:\\A.TMP\n", "C:\\B.TMP",
         " [ RENAME ]\nNUL=C:\\A.TMP\nNUL=C:\\B.TMP\r\n"},
        {"section at the end without a line end", "[Rename]\r\nNUL=C:\\A.TMP", "C:\\B.TMP",
         "[Rename]\r\nNUL=C:\\A.TMP\r\nNUL=C:\\B.TMP\r\n"},
        {"empty section", "[Rename]\r\n[Other]\r\n", "C:\\A.TMP",
         "[Rename]\r\nNUL=C:\\A.TMP\r\n[Other]\r\n"},
        {"the same deletion twice is kept once", "[Rename]\r\nNUL=C:\\A.TMP\r\n", "C:\\A.TMP",
         "[Rename]\r\nNUL=C:\\A.TMP\r\n"},
        {"a name like the section is not the section", "[Renamed]\r\nNUL=x\r\n", "C:\\A.TMP",
         "[Renamed]\r\nNUL=x\r\n[Rename]\r\nNUL=C:\\A.TMP\r\n"},
        {"only the first section gets the line", "[Rename]\r\nNUL=a\r\n[Rename]\r\nNUL=b\r\n", "c",
         "[Rename]\r\nNUL=a\r\nNUL=c\r\n[Rename]\r\nNUL=b\r\n"},
    };
    for (const IniCase& c : cases) {
        EXPECT_EQ(c.want, Add(c.in, c.path)) << c.name;
    }
}

TEST(WininitText, BinaryBytesAreKept) {
    static const char kIn[] = "[Rename]\r\nNUL=a\r\n\0\xff junk\r\n";
    static const char kWant[] = "[Rename]\r\nNUL=a\r\n\0\xff junk\r\nNUL=b\r\n";
    std::string got = Add(std::string(kIn, sizeof(kIn) - 1), "b");
    EXPECT_EQ(std::string(kWant, sizeof(kWant) - 1), got);
}

TEST(WininitText, RefusesASmallBuffer) {
    const char in[] = "[Rename]\r\n";
    char out[20] = "untouched";
    EXPECT_EQ(static_cast<size_t>(-1), AddRenameLine(in, sizeof(in) - 1, "C:\\A.TMP", out, sizeof(out)));
    EXPECT_STREQ("untouched", out);
}

}  // namespace
