// Adding a deletion to the [Rename] section of wininit.ini, as text.
#include "uninstall/wininit_text.h"

#include <cstring>

namespace {

struct Line {
    size_t begin;      // first byte
    size_t textEnd;    // end of the text, before CR LF or LF
    size_t end;        // after the line end (== textEnd at the end of the text)
};

Line LineAt(const char* in, size_t length, size_t begin) {
    Line line{begin, begin, begin};
    size_t p = begin;
    while (p < length && in[p] != '\n') ++p;
    line.end = (p < length) ? p + 1 : p;
    line.textEnd = (p > begin && in[p - 1] == '\r') ? p - 1 : p;
    return line;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// When the line is a section header "[name]", sets name to its trimmed text.
bool SectionName(const char* in, const Line& line, size_t* nameBegin, size_t* nameEnd) {
    size_t p = line.begin;
    while (p < line.textEnd && IsBlank(in[p])) ++p;
    if (p >= line.textEnd || in[p] != '[') return false;
    ++p;
    size_t close = p;
    while (close < line.textEnd && in[close] != ']') ++close;
    if (close >= line.textEnd) return false;
    while (p < close && IsBlank(in[p])) ++p;
    size_t e = close;
    while (e > p && IsBlank(in[e - 1])) --e;
    *nameBegin = p;
    *nameEnd = e;
    return true;
}

bool IsRenameSection(const char* in, const Line& line, bool* isHeader) {
    size_t b = 0, e = 0;
    *isHeader = SectionName(in, line, &b, &e);
    if (!*isHeader) return false;
    const char* want = "rename";
    if (e - b != 6) return false;
    for (size_t i = 0; i < 6; ++i) {
        if (Lower(in[b + i]) != want[i]) return false;
    }
    return true;
}

bool IsBlankLine(const char* in, const Line& line) {
    for (size_t p = line.begin; p < line.textEnd; ++p) {
        if (!IsBlank(in[p])) return false;
    }
    return true;
}

// True when the line's text, without surrounding blanks, is exactly "NUL=" path.
bool IsSameEntry(const char* in, const Line& line, const char* path) {
    size_t b = line.begin, e = line.textEnd;
    while (b < e && IsBlank(in[b])) ++b;
    while (e > b && IsBlank(in[e - 1])) --e;
    size_t pathLength = std::strlen(path);
    if (e - b != 4 + pathLength) return false;
    if (Lower(in[b]) != 'n' || Lower(in[b + 1]) != 'u' || Lower(in[b + 2]) != 'l' || in[b + 3] != '=') {
        return false;
    }
    return std::memcmp(in + b + 4, path, pathLength) == 0;
}

}  // namespace

size_t AddRenameLine(const char* in, size_t length, const char* path, char* out, size_t outSize) {
    size_t pathLength = std::strlen(path);
    if (outSize < length + pathLength + kRenameLineExtra) return static_cast<size_t>(-1);

    // Find the first [Rename] section and the end of its last non-blank line.
    bool found = false;
    bool duplicate = false;
    size_t insertAt = length;
    bool inSection = false;
    for (size_t pos = 0; pos < length;) {
        Line line = LineAt(in, length, pos);
        bool isHeader = false;
        bool isRename = IsRenameSection(in, line, &isHeader);
        if (isHeader) {
            if (inSection) break;   // the section ended
            if (isRename && !found) {
                found = true;
                inSection = true;
                insertAt = line.end;
            }
        } else if (inSection) {
            if (!IsBlankLine(in, line)) insertAt = line.end;
            if (IsSameEntry(in, line, path)) duplicate = true;
        }
        pos = line.end;
    }

    size_t used = 0;
    if (duplicate) {
        std::memcpy(out, in, length);
        out[length] = '\0';
        return length;
    }
    std::memcpy(out, in, insertAt);
    used = insertAt;
    // The line before the insertion point may lack its line end (end of text).
    if (used > 0 && out[used - 1] != '\n') {
        std::memcpy(out + used, "\r\n", 2);
        used += 2;
    }
    if (!found) {
        std::memcpy(out + used, "[Rename]\r\n", 10);
        used += 10;
    }
    std::memcpy(out + used, "NUL=", 4);
    used += 4;
    std::memcpy(out + used, path, pathLength);
    used += pathLength;
    std::memcpy(out + used, "\r\n", 2);
    used += 2;
    std::memcpy(out + used, in + insertAt, length - insertAt);
    used += length - insertAt;
    out[used] = '\0';
    return used;
}
