// Which entries of Uninstall.lst may be acted on.
#include "uninstall/list_entry.h"

#include "foundation/path_text.h"

namespace {

// A component made only of dots and blanks with at least two dots: the system
// drops trailing dots and blanks of a name, so all of these mean "..".
bool IsParentComponent(const char* begin, const char* end) {
    int dots = 0;
    for (const char* p = begin; p < end; ++p) {
        if (*p == '.') {
            ++dots;
        } else if (*p != ' ') {
            return false;
        }
    }
    return dots >= 2;
}

}  // namespace

bool IsEntryInsideFolder(const char* entry) {
    if (entry == nullptr || entry[0] == '\0') return false;
    if (IsPathSeparator(entry[0])) return false;
    // No byte of a valid trail byte is ':' in the double-byte code pages, so
    // a byte-wise look finds every colon the system would see.
    for (const char* p = entry; *p != '\0'; ++p) {
        if (IsDriveColon(*p)) return false;
    }
    const char* component = entry;
    const char* p = entry;
    for (;;) {
        if (*p == '\0' || IsPathSeparator(*p)) {
            if (IsParentComponent(component, p)) return false;
            if (*p == '\0') break;
            component = p + 1;
            p = component;
            continue;
        }
        p = NextCharPos(p);
    }
    return true;
}
