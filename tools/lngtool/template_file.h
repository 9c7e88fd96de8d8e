// The template language file for translators.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "program_texts.h"

// Keys in the order of their first text, each with every text that has it.
struct KeyGroup {
    std::string key;
    std::vector<const ProgramText*> texts;
    // More than one different text behind one key (question marks of texts
    // the code page cannot represent, or a checksum collision).
    bool Shared() const;
};
std::vector<KeyGroup> GroupByKey(const std::vector<ProgramText>& texts);

// The texts the code page cannot represent, and the keys that stand for more
// than one text, in plain words; empty when there are none. Each line starts
// with prefix.
std::string CodePageWarnings(const std::vector<ProgramText>& texts, UINT codePage, const char* prefix);

// A complete language file for the program: a header for translators, the
// marker, one entry per key with the original text as a remark, and each
// dialog's scale entry and the direction entry commented out. The entries'
// texts are the originals, or the texts of the same messages and controls in
// fill (a language library read the same way) when given.
std::string MakeTemplate(const std::vector<ProgramText>& texts, const std::vector<ProgramText>* fill,
                         UINT codePage, const std::string& programName);

// Writes a text for the inside of an entry's quotes: backslash, double quote,
// line feed, carriage return and tab as escapes (every 0x5C byte is escaped,
// including the second byte of a double-byte character).
std::string EscapeEntryText(const std::string& bytes);
