// Fixtures that make a fresh Wine prefix look like Windows.
#include "support/windows_layout.h"

#include <windows.h>

namespace {
void CreateKey(HKEY root, const char* path) {
    HKEY key;
    if (RegCreateKeyExA(root, path, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) == ERROR_SUCCESS) {
        RegCloseKey(key);
    }
}
}  // namespace

void CreateWindowsShellKeys() {
    const char* const classKeys[] = {
        "*\\shellex\\ContextMenuHandlers",       "Folder\\shellex\\ContextMenuHandlers",
        "Folder\\shellex\\DragDropHandlers",     "Drive\\shellex\\DragDropHandlers",
        "Directory\\shellex\\ContextMenuHandlers", "Directory\\shellex\\DragDropHandlers",
        "exefile\\shellex\\PropertySheetHandlers",
    };
    for (const char* path : classKeys) CreateKey(HKEY_CLASSES_ROOT, path);
    const char* const machineKeys[] = {
        "Software\\Microsoft\\Windows\\CurrentVersion\\Shell Extensions\\Approved",
        "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall",
        "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths",
    };
    for (const char* path : machineKeys) CreateKey(HKEY_LOCAL_MACHINE, path);
}

bool PrefixIs64Bit() {
    char folder[MAX_PATH];
    UINT n = GetWindowsDirectoryA(folder, MAX_PATH - 10);
    if (n == 0 || n >= MAX_PATH - 10) return false;
    lstrcatA(folder, "\\syswow64");
    DWORD attributes = GetFileAttributesA(folder);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string ProgramFolderFile(const char* name) {
    char path[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return name;
    std::string folder(path, n);
    return folder.substr(0, folder.find_last_of('\\') + 1) + name;
}
