// Which list entries may be acted on: a table of safe and hostile entries,
// in a single-byte and in a double-byte code page.
#include "uninstall/list_entry.h"

#include <gtest/gtest.h>
#include <cstring>

#include "foundation/path_text.h"

namespace {

struct EntryCase {
    const char* entry;
    bool inside;
};

const EntryCase kEntries[] = {
    // Ordinary entries.
    {"Lumvex.exe", true},
    {"Formats\\7z.dll", true},
    {"Formats/7z.dll", true},
    {"a\\b\\c\\d.txt", true},
    {"Help", true},
    {" leading blank.txt", true},
    {".hidden", true},
    {"name..txt", true},
    {"a\\.\\b", true},
    {"..name", true},
    {"name..", true},        // a name with dots and letters is a name
    {"a\\...b\\c", true},
    // Leaving the folder through "..".
    {"..", false},
    {"..\\x.txt", false},
    {"../x.txt", false},
    {"a\\..\\..\\x.txt", false},
    {"a/../../x.txt", false},
    {"a\\..", false},
    {"...\\x.txt", false},   // trailing dots are dropped: ".."
    {".. \\x.txt", false},   // trailing blanks too
    {". .\\x.txt", false},
    {"a\\. . .\\x", false},
    // Rooted, drive, UNC and device names.
    {"\\Windows\\win.ini", false},
    {"/etc/passwd", false},
    {"\\\\server\\share\\x", false},
    {"\\\\?\\C:\\x", false},
    {"\\\\.\\C:", false},
    {"C:\\Windows\\win.ini", false},
    {"C:win.ini", false},
    {"z:", false},
    {"file.txt:stream", false},
    // Nothing at all.
    {"", false},
};

TEST(ListEntry, SingleByteTable) {
    LeadByteTable = {};
    for (const EntryCase& c : kEntries) {
        EXPECT_EQ(c.inside, IsEntryInsideFolder(c.entry)) << "entry '" << c.entry << "'";
    }
}

// Code page 936: 0x81 to 0xFE lead a double-byte character; "\x81\x5C" is
// one character whose trail byte is the code of the backslash.
void FillCp936() {
    LeadByteTable = {};
    LeadByteTable.multiByte = 1;
    for (int b = 0x81; b <= 0xFE; ++b) LeadByteTable.lead[b] = 1;
}

TEST(ListEntry, DoubleByteTable) {
    FillCp936();
    const EntryCase cases[] = {
        {"\x81\x5C\\file.txt", true},          // folder named by one character ending in 0x5C
        {"\xD6\xD0\xCE\xC4\\\x81\x5C", true},
        {"\x81\x5C..\\x", true},                // "X.." is a name, not ".."
        {"\x81\x5C\\..\\..\\x", false},
        {"\x81\x5C:x", false},
        {"\\\x81\x5C", false},
        {"a\\\x81", true},                      // a lone lead byte at the end
    };
    for (const EntryCase& c : cases) {
        EXPECT_EQ(c.inside, IsEntryInsideFolder(c.entry)) << "entry bytes '" << c.entry << "'";
    }
    // The single-byte table gives the same answers in this code page.
    for (const EntryCase& c : kEntries) {
        EXPECT_EQ(c.inside, IsEntryInsideFolder(c.entry)) << "entry '" << c.entry << "'";
    }
    LeadByteTable = {};
}

TEST(ListEntry, BinaryJunkNeverCrashesAndNeverLeavesTheFolder) {
    // Every pair of bytes after a ".." prefix, in both tables.
    for (int table = 0; table < 2; ++table) {
        if (table) FillCp936(); else LeadByteTable = {};
        for (int a = 1; a < 256; ++a) {
            for (int b = 0; b < 256; ++b) {
                char entry[8] = {'.', '.', static_cast<char>(a), static_cast<char>(b), 'x', '\0'};
                bool inside = IsEntryInsideFolder(entry);
                if (a == '\\' || a == '/') {
                    EXPECT_FALSE(inside) << "'..' then separator, bytes " << a << " " << b;
                }
            }
        }
    }
    LeadByteTable = {};
}

}  // namespace
