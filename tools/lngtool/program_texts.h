// Every text the program shows, read from its resources (the string table and
// the dialog templates) and converted as the program will see it in a given
// ANSI code page, with its translation key.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

enum class TextKind {
    Message,     // a string of the string table (kind 0)
    Caption,     // a dialog's caption (kind 1, the dialog's name as context)
    Control,     // a control text of a dialog (kind 1)
    Scale,       // a dialog's scale entry: the empty text (kind 1)
    Direction,   // the direction entry: "LTR" in context "LTR" (kind 1)
};

struct ProgramText {
    TextKind kind;
    std::string dialog;    // the dialog's resource name (empty for messages)
    int number;            // message number or control id
    int index;             // position among the dialog's controls, -1 otherwise
    std::wstring wide;     // as the resources hold it
    std::string bytes;     // as the program sees it in the code page
    bool lossy;            // the code page cannot represent every character
    std::string key;       // 8 lower-case hex digits
    std::string Where() const;   // "message 5104", "SETUPDLG control 1001", ...
};

// Reads the texts of a module loaded as a data file. The scale entry of each
// dialog and the direction entry are included. Dialog texts are cut to 1023
// bytes and messages to 511 as the program's buffers cut them.
std::vector<ProgramText> ReadProgramTexts(HMODULE module, UINT codePage);

// Converts to the code page as the system does for an ANSI program (best fit,
// '?' for what has no mapping); lossy tells whether a default character was
// used. Cut to maxBytes without splitting a double-byte character.
std::string ToCodePage(const std::wstring& text, UINT codePage, size_t maxBytes, bool* lossy);
// UTF-8 for the tool's own messages.
std::string ToUtf8(const std::wstring& text);
