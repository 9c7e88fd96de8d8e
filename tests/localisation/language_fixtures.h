// Language files and what reading them must give. Shared by the test of the
// store in memory and the test that reads the same files from disk.
#pragma once
#include <string>
#include <vector>

struct Lookup {
    const char* source;
    const char* context;   // null for none
    int kind;              // 0 message, 1 window text
    std::string expected;
};

struct LanguageFixture {
    const char* name;
    std::string content;
    bool loaded;
    std::vector<Lookup> lookups;
};

// "CAB" of the setup dialog has the key e4e5a591; the direction entry 50a17ae8.
inline Lookup Cab(const std::string& expected) { return {"CAB", "SETUPDLG", 1, expected}; }
inline Lookup Direction(const std::string& expected) { return {"LTR", "LTR", 1, expected}; }

inline std::string Padding(size_t n) {
    std::string s;
    while (s.size() < n) s += "Notes for translators.\r\n";
    s.resize(n);
    if (n >= 2) s.replace(n - 2, 2, "\r\n");   // the next text starts a line
    return s;
}

inline std::vector<LanguageFixture> LanguageFixtures() {
    const std::string marker = "***messages***\r\n";
    const std::string header = "Lumvex language file\r\n";
    const std::string cab = "e4e5a591=\"CAB archives\"\r\n";
    std::vector<LanguageFixture> f;
    f.push_back({"no marker", header + cab, false, {Cab("CAB")}});
    f.push_back({"marker at 523264", Padding(523264) + marker + cab, true, {Cab("CAB archives")}});
    f.push_back({"marker at 523265", Padding(523265) + marker + cab, false, {Cab("CAB")}});
    f.push_back({"marker 16 bytes before the end", header + marker, true, {Cab("CAB")}});
    f.push_back({"marker 15 bytes before the end", header + "***messages***\n", false, {}});
    f.push_back({"marker across the first block boundary", Padding(8190) + marker + cab, true,
                 {Cab("CAB archives")}});
    f.push_back({"header and marker only", header + marker, true,
                 {Cab("CAB"), Direction("LTR"), {"", "SETUPDLG", 1, ""}}});
    f.push_back({"RTL", header + marker + "50a17ae8=\"RTL\"\r\n", true, {Direction("RTL")}});
    f.push_back({"rtl", header + marker + "50a17ae8=\"rtl\"\r\n", true, {Direction("rtl")}});
    f.push_back({"upper-case key", header + marker + "E4E5A591=\"CAB archives\"\r\n", true, {Cab("CAB")}});
    f.push_back({"remark after the closing quote",
                 header + marker + "e4e5a591=\"CAB archives\"   ; the check box\r\nx\r\n", true,
                 {Cab("CAB archives")}});
    f.push_back({"quotes inside the text", header + marker + "e4e5a591=\"\"CAB\" files\" ; x\r\n", true,
                 {Cab("\"CAB\" files")}});
    f.push_back({"missing closing quote", header + marker + "e4e5a591=\"CAB archives\r\nx\r\n", true,
                 {Cab("CAB archives\f")}});
    f.push_back({"blanks around =", header + marker + "e4e5a591 = \"CAB archives\"\r\n", true,
                 {Cab(" \"CAB archives")}});
    for (const char* eol : {"\r", "\n", "\r\n"}) {
        f.push_back({eol[0] == '\n' ? "LF" : eol[1] ? "CRLF" : "CR",
                     header + "***messages***" + eol + "e4e5a591=\"CAB archives\"" + eol +
                         "50a17ae8=\"RTL\"" + eol + eol + "9b889d24=\"120*110\"" + eol,
                     true, {Cab("CAB archives"), Direction("RTL"), {"", "SETUPDLG", 1, "120*110"}}});
    }
    f.push_back({"escapes", header + marker + "e4e5a591=\"Line one\\nLine two\\t\\\"x\\\"\\\\ \\q\"\r\n", true,
                 {Cab("Line one\nLine two\t\"x\"\\ \\q")}});
    f.push_back({"last line without a break", header + marker + "e4e5a591=\"CAB archives\"", true,
                 {Cab("CAB archives")}});
    // 65,536 bytes from the marker on are read; the entry that straddles the
    // limit is cut there and gives at most 255 bytes; the one after is lost.
    {
        std::string part = marker + Padding(65536 - marker.size() - 500);
        part += "e4e5a591=\"" + std::string(1000, 'a') + "\"\r\n";
        part += "50a17ae8=\"RTL\"\r\n";
        f.push_back({"text beyond 65,536 bytes", header + part, true,
                     {Cab(std::string(255, 'a')), Direction("LTR")}});
    }
    f.push_back({"zero byte in the message part",
                 header + marker + "e4e5a591=\"CAB archives\"\r\n" + std::string(1, '\0') +
                     "50a17ae8=\"RTL\"\r\n",
                 true, {Cab("CAB archives"), Direction("LTR")}});
    f.push_back({"message kind", header + marker + "61d43ad6=\"kind one\"\r\n", true,
                 {{"\xD0\xB6\xD4\xD8 Lumvex", nullptr, 0, "kind one"},
                  {"\xD0\xB6\xD4\xD8 Lumvex", nullptr, 1, "\xD0\xB6\xD4\xD8 Lumvex"}}});
    return f;
}
