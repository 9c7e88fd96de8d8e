// Bounded copies that never split a double-byte character.
#include "foundation/bounded_text.h"

#include <cstdio>
#include <cstring>

#include "foundation/path_text.h"

void CutText(char* text, size_t maxLen) {
    // Walk whole characters; stop before the first one that would end past maxLen.
    // A lead byte directly before the terminator lost its trail byte to an
    // earlier cut (a copy of size - 1 bytes): it is dropped too.
    const char* p = text;
    while (*p != '\0') {
        const char* next = NextCharPos(p);
        if (static_cast<size_t>(next - text) > maxLen) break;
        bool halfCharacter = *next == '\0' && next == p + 1 && LeadByteTable.multiByte &&
                             LeadByteTable.lead[static_cast<unsigned char>(*p)];
        if (halfCharacter) break;
        p = next;
    }
    text[p - text] = '\0';
}

bool CopyText(char* dst, size_t size, const char* src) {
    if (size == 0) return src[0] == '\0';
    size_t len = strlen(src);
    if (len < size) {
        memcpy(dst, src, len + 1);
        return true;
    }
    memcpy(dst, src, size - 1);
    dst[size - 1] = '\0';
    CutText(dst, size - 1);
    return false;
}

bool AppendText(char* dst, size_t size, const char* src) {
    size_t used = strnlen(dst, size);
    if (used >= size) return false;
    return CopyText(dst + used, size - used, src);
}

bool FormatTextV(char* dst, size_t size, const char* format, va_list args) {
    if (size == 0) return false;
    int n = vsnprintf(dst, size, format, args);
    if (n < 0) {
        dst[0] = '\0';
        return false;
    }
    if (static_cast<size_t>(n) >= size) {
        CutText(dst, size - 1);
        return false;
    }
    return true;
}

bool FormatText(char* dst, size_t size, const char* format, ...) {
    va_list args;
    va_start(args, format);
    bool fitted = FormatTextV(dst, size, format, args);
    va_end(args);
    return fitted;
}
