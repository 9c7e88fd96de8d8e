#include "integration/program_folder.h"

#include <windows.h>

#include "foundation/bounded_text.h"
#include "foundation/path_text.h"

bool ProgramFilePath(char* out, size_t size) {
    if (size == 0) return false;
    out[0] = '\0';
    if (size > 0xFFFF) size = 0xFFFF;
    DWORD n = GetModuleFileNameA(nullptr, out, static_cast<DWORD>(size));
    // A name that filled the whole buffer was cut (and may lack its terminator).
    if (n == 0 || n >= size) {
        out[0] = '\0';
        return false;
    }
    out[n] = '\0';
    return true;
}

bool PathBesideProgram(const char* name, char* out, size_t size) {
    if (!ProgramFilePath(out, size)) return false;
    char* namePart = NameFromPath(out);
    size_t used = static_cast<size_t>(namePart - out);
    if (!CopyText(namePart, size - used, name)) {
        out[0] = '\0';
        return false;
    }
    return true;
}
