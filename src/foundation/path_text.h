// Path and text helpers on ANSI strings in the system's code page.
//
// Free of <windows.h>: the only platform input is LeadByteTable, which the
// Windows side fills from the ANSI code page before WinMain runs (see
// lead_byte_table.h) and which native builds and tests may fill themselves.
// Every function that looks for a separator walks the string character by
// character, so a trail byte equal to '\\' (0x5C) is never taken for one.
// Nothing here allocates: functions work in place or return pointers into the
// caller's buffer.
#pragma once

struct LeadByteInfo {
    unsigned char lead[256];   // 1 when that byte value is a lead byte of a double-byte character
    unsigned char multiByte;   // 1 when the code page has characters of more than one byte
};

// The process-wide table; all zero (a single-byte code page) until filled.
extern LeadByteInfo LeadByteTable;

// Start of the character after the one at p. A lead byte directly followed by
// the terminator stops at the terminator.
const char* NextCharPos(const char* p);
char* NextCharPos(char* p);

bool IsPathSeparator(char c);   // '\\' or '/'
bool IsDriveColon(char c);      // ':'

// The name part of a path: after the last separator, else after "X:", else
// the whole path. Points into the same buffer.
const char* NameFromPath(const char* path);
char* NameFromPath(char* path);

// Start of the last character; an empty text gives the text itself.
const char* LastCharPos(const char* text);
char* LastCharPos(char* text);

// Appends '\\' unless the text is empty or already ends in a backslash
// character. The caller's buffer must have room for one more byte.
void AppendBackslash(char* path);

// Same, but refuses (returns false, buffer untouched) when the result with its
// terminator would not fit into size bytes.
bool AppendBackslashBounded(char* path, unsigned size);

// Cuts the name part and the separator before it, keeping "X:\" and a single
// leading separator.
void StripFileName(char* path);

// Removes trailing CR, LF, blanks and tabs in place; returns text.
char* TrimLineEnd(char* text);
