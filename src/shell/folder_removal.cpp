// Deletion of a folder with everything in it, through the shell.
#include "shell/folder_removal.h"

#include <windows.h>
#include <shellapi.h>

#include <cstring>

#include "foundation/bounded_text.h"

namespace {
constexpr unsigned kPathSize = 1024;
}  // namespace

bool RemoveFolderTree(const char* path) {
    if (GetFileAttributesA(path) == INVALID_FILE_ATTRIBUTES) return false;
    // The shell takes a list of paths ended by an empty one: one spare byte
    // after the path's terminator holds the second zero.
    char list[kPathSize + 1];
    if (!CopyText(list, kPathSize, path)) return false;
    list[strlen(list) + 1] = '\0';

    SHFILEOPSTRUCTA operation;
    ZeroMemory(&operation, sizeof operation);
    operation.hwnd = nullptr;
    operation.wFunc = FO_DELETE;
    operation.pFrom = list;
    operation.pTo = nullptr;
    operation.fFlags = FOF_SILENT | FOF_NOCONFIRMATION;
    return SHFileOperationA(&operation) == 0;
}
