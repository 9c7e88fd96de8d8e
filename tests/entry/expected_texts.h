// The program's message texts as LoadStringA gives them: the exact bytes in
// code page 936, and the same texts in code page 1252, where every Chinese
// character becomes '?'. Written out by hand from the string table, so a test
// does not derive its expectations from the code it checks.
#pragma once
#include <windows.h>

#include <string>

struct ExpectedMessage {
    int number;
    const char* cp936;
    const char* cp1252;
};

inline const ExpectedMessage kExpectedMessages[] = {
    {5101, "Lumvex \xD1\xB9\xCB\xF5\xCE\xC4\xBC\xFE\xB9\xDC\xC0\xED\xC6\xF7", "Lumvex ???????"},
    {5102, "Lumvex \xD6\xD0\xCE\xC4\xB0\xEF\xD6\xFA", "Lumvex ????"},
    {5103, "\xBF\xD8\xD6\xC6\xCC\xA8 LVX \xD6\xD0\xCE\xC4\xCA\xD6\xB2\xE1", "??? LVX ????"},
    {5104, "\xD0\xB6\xD4\xD8 Lumvex", "?? Lumvex"},
    {5105, "\xD0\xB6\xD4\xD8\xD2\xD1\xCD\xEA\xB3\xC9", "?????"},
    {5106, "\xC4\xE3\xD3\xA6\xB8\xC3\xCA\xD6\xB6\xAF\xC9\xBE\xB3\xFD %s", "??????? %s"},
    {5107, "\xC8\xB7\xCA\xB5\xD2\xAA\xD0\xB6\xD4\xD8 Lumvex \xC2\xF0?", "????? Lumvex ??"},
    {5108, "\xCE\xDE\xB7\xA8\xB4\xF2\xBF\xAA\xC1\xD0\xB1\xED\xCE\xC4\xBC\xFE %s", "???????? %s"},
    {5109, "Lumvex \xD1\xB9\xCB\xF5\xCE\xC4\xBC\xFE", "Lumvex ????"},
    {5110, "Lumvex ZIP \xD1\xB9\xCB\xF5\xCE\xC4\xBC\xFE", "Lumvex ZIP ????"},
    {5111, "LVX \xBB\xD6\xB8\xB4\xBE\xED", "LVX ???"},
    {5112, "https://www.lumvex.example/", "https://www.lumvex.example/"},
    {5113, "\xB4\xA6\xC0\xED LVX\xA1\xA2ZIP \xBA\xCD\xC6\xE4\xCB\xFB\xD1\xB9\xCB\xF5\xB8\xF1\xCA\xBD",
     "?? LVX?ZIP ???????"},
    {5114,
     "\xC4\xE3\xD0\xE8\xD2\xAA\xD6\xD8\xD0\xC2\xC6\xF4\xB6\xAF Windows "
     "\xC0\xB4\xCD\xEA\xC8\xAB\xD0\xB6\xD4\xD8 Lumvex\xA1\xA3",
     "??????? Windows ????? Lumvex?"},
};

// The built-in text of a message in the running code page (936, else 1252).
inline std::string Expected(int number) {
    for (const ExpectedMessage& m : kExpectedMessages) {
        if (m.number == number) return GetACP() == 936 ? m.cp936 : m.cp1252;
    }
    return std::string();
}

// Shows a text with its bytes, for failure messages.
inline std::string Bytes(const std::string& text) {
    static const char hex[] = "0123456789ABCDEF";
    std::string out = "\"";
    for (unsigned char c : text) {
        if (c >= 0x20 && c < 0x7F) {
            out += static_cast<char>(c);
        } else {
            out += "\\x";
            out += hex[c >> 4];
            out += hex[c & 15];
        }
    }
    return out + "\"";
}
