#include "integration/extension_list.h"

#include "foundation/bounded_text.h"

bool NextExtension(const char** cursor, char* out, size_t size) {
    const char* start = *cursor;
    if (start == nullptr || *start == '\0') return false;
    // The extension's own leading full stop is skipped when looking for the
    // start of the next one.
    const char* end = start + 1;
    while (*end != '\0' && *end != '.') ++end;
    size_t length = static_cast<size_t>(end - start);
    if (size > 0) {
        size_t n = length < size - 1 ? length : size - 1;
        for (size_t i = 0; i < n; ++i) out[i] = start[i];
        out[n] = '\0';
        if (n < length) CutText(out, n);   // never ends in half a character
    }
    *cursor = end;
    return true;
}
