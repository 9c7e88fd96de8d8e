// Adding a deletion to the [Rename] section of wininit.ini, as text. Free of
// <windows.h>.
//
// The 9x family deletes, at its next start, every file named by a line
// "NUL=<short path>" in the section [Rename] of wininit.ini. The profile
// functions keep one value per key, so they cannot hold two such lines; the
// file is therefore edited as text here, keeping every other line as it is.
#pragma once
#include <cstddef>

// Bytes that the result may need beyond the old text and the path.
constexpr size_t kRenameLineExtra = 32;

// Writes into out the text in (length bytes, need not be terminated) with the
// line "NUL=" path CR LF added to the first [Rename] section (section names
// compared ignoring ASCII case): after the last line of the section that is
// not blank, or in a new section at the end of the text when there is none.
// A last line without a line end gets CR LF first. When the section already
// holds exactly that line, the text is copied unchanged.
// Returns the length of the result (out is terminated), or (size_t)-1 when
// outSize is smaller than length + strlen(path) + kRenameLineExtra; out is
// then untouched.
size_t AddRenameLine(const char* in, size_t length, const char* path, char* out, size_t outSize);
