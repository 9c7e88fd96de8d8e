// Path and text helpers that step through double-byte characters.
#include "foundation/path_text.h"

LeadByteInfo LeadByteTable = {};

static bool IsLead(unsigned char c) {
    return LeadByteTable.multiByte && LeadByteTable.lead[c];
}

const char* NextCharPos(const char* p) {
    if (IsLead(static_cast<unsigned char>(*p))) {
        return p[1] == '\0' ? p + 1 : p + 2;
    }
    return p + 1;
}

char* NextCharPos(char* p) {
    return const_cast<char*>(NextCharPos(static_cast<const char*>(p)));
}

bool IsPathSeparator(char c) { return c == '\\' || c == '/'; }

bool IsDriveColon(char c) { return c == ':'; }

const char* NameFromPath(const char* path) {
    const char* afterSeparator = nullptr;
    for (const char* p = path; *p != '\0'; p = NextCharPos(p)) {
        if (IsPathSeparator(*p)) afterSeparator = p + 1;
    }
    if (afterSeparator) return afterSeparator;
    if (path[0] == '\0') return path;
    if (IsDriveColon(path[1]) && NextCharPos(path) == path + 1) return path + 2;
    return path;
}

char* NameFromPath(char* path) {
    return const_cast<char*>(NameFromPath(static_cast<const char*>(path)));
}

const char* LastCharPos(const char* text) {
    const char* last = text;
    for (const char* p = text; *p != '\0'; p = NextCharPos(p)) last = p;
    return last;
}

char* LastCharPos(char* text) {
    return const_cast<char*>(LastCharPos(static_cast<const char*>(text)));
}

static char* EndOf(char* text) {
    while (*text != '\0') ++text;
    return text;
}

void AppendBackslash(char* path) {
    if (path[0] == '\0' || *LastCharPos(path) == '\\') return;
    char* end = EndOf(path);
    end[0] = '\\';
    end[1] = '\0';
}

bool AppendBackslashBounded(char* path, unsigned size) {
    if (path[0] == '\0' || *LastCharPos(path) == '\\') return true;
    char* end = EndOf(path);
    if (static_cast<unsigned>(end - path) + 2 > size) return false;
    end[0] = '\\';
    end[1] = '\0';
    return true;
}

void StripFileName(char* path) {
    char* q = NameFromPath(path);
    if (q - path >= 2 && (!IsDriveColon(path[1]) || q - path >= 4)) --q;
    *q = '\0';
}

char* TrimLineEnd(char* text) {
    char* end = EndOf(text);
    while (end > text) {
        char c = end[-1];
        if (c != '\r' && c != '\n' && c != ' ' && c != '\t') break;
        *--end = '\0';
    }
    return text;
}
