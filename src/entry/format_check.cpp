// Checks a text before it is used as a printf format.
#include "entry/format_check.h"

bool HasSingleStringConversion(const char* format) {
    int strings = 0;
    for (const char* p = format; *p != '\0'; ++p) {
        if (*p != '%') continue;
        if (p[1] == '%') {
            ++p;
            continue;
        }
        if (p[1] != 's') return false;   // any other conversion, flag, width or a lone '%'
        ++strings;
        ++p;
    }
    return strings == 1;
}
