// Checks a translated language file against the program's texts.
#pragma once
#include <string>
#include <vector>

#include "program_texts.h"

struct CheckResult {
    std::vector<std::string> problems;   // "line 12: ..." each
    std::vector<std::string> notes;      // facts worth knowing that are not faults
    int entries = 0;
    int translatedTexts = 0;             // program texts that have an entry
};

// Reads the file's bytes as the program does (the marker, at most 65,536
// bytes from it, a zero byte ending the part) and reports: entries whose key
// matches no text, duplicate keys, entries without a closing quote, keys in
// upper case, keys with blanks around =, format messages (5106, 5108) whose
// conversions differ from the original's, scale entries without an asterisk.
CheckResult CheckLanguageFile(const std::string& file, const std::vector<ProgramText>& texts);

// The printf conversions of a text in order ("%s", "%5d", ...); "%%" is none.
std::vector<std::string> Conversions(const std::string& text);
