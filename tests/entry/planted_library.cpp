// A library that marks that it was loaded: on attaching to a process it
// creates planted-library-loaded.txt beside itself. Tests plant it under the
// name of a system library to see whether the program loads it.
#include <windows.h>
#include <shlwapi.h>

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID) {
    if (reason != DLL_PROCESS_ATTACH) return TRUE;
    char path[MAX_PATH];
    DWORD n = GetModuleFileNameA(self, path, sizeof path);
    if (n == 0 || n >= sizeof path) return TRUE;
    if (PathRemoveFileSpecA(path) && PathAppendA(path, "planted-library-loaded.txt")) {
        HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    }
    return TRUE;
}
