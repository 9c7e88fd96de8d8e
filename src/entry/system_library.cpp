// Loading a system library by its full path.
#include "entry/system_library.h"

#include "entry/process_state.h"
#include "foundation/bounded_text.h"
#include "foundation/path_text.h"

HMODULE LoadSystemLibrary(const char* fileName) {
    char path[kPathSize];
    UINT n = GetSystemDirectoryA(path, sizeof path);
    if (n == 0 || n >= sizeof path) return nullptr;
    if (!AppendBackslashBounded(path, sizeof path)) return nullptr;
    if (!AppendText(path, sizeof path, fileName)) return nullptr;
    return LoadLibraryA(path);
}
