// Reads a dialog template (DLGTEMPLATE, the classic form) from a module's
// resources into plain values, so tests can compare it with what the dialog
// must look like. Class ordinals become their class names (0x80 "BUTTON").
#pragma once
#include <windows.h>

#include <string>
#include <vector>

struct TemplateItem {
    DWORD style = 0;
    DWORD exStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    WORD id = 0;
    std::string className;  // UTF-8, upper case
    std::string text;       // UTF-8
};

struct DialogTemplate {
    DWORD style = 0;
    DWORD exStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    std::string caption;    // UTF-8
    WORD fontSize = 0;
    std::string fontName;   // UTF-8
    std::vector<TemplateItem> items;
};

// Finds the template by name and language in module and parses it. False
// (with a reason in *error) when it is missing or malformed.
bool ReadDialogTemplate(HMODULE module, const char* name, WORD language,
                        DialogTemplate* out, std::string* error);

// UTF-16 to UTF-8 and back, for comparing texts with literals.
std::string ToUtf8(const std::wstring& text);
std::wstring FromUtf8(const std::string& text);
