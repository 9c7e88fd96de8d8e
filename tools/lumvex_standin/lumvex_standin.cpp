// A stand-in for the archiver Lumvex.exe, for tests and the demo: it only
// records that it was started, by appending its command line and a CR LF to
// Lumvex.started.txt beside itself, and ends with exit code 0.
#include <windows.h>
#include <shlwapi.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    char path[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
    if (n == 0 || n >= sizeof path) return 1;
    if (!PathRemoveFileSpecA(path) || !PathAppendA(path, "Lumvex.started.txt")) return 1;
    HANDLE file = CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 1;
    const char* line = GetCommandLineA();
    DWORD written = 0;
    bool ok = WriteFile(file, line, lstrlenA(line), &written, nullptr) &&
              WriteFile(file, "\r\n", 2, &written, nullptr);
    CloseHandle(file);
    return ok ? 0 : 1;
}
