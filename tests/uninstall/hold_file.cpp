// Holds a file the way another program would, until told to stop:
//   hold_file open PATH READY STOP   opens PATH without sharing deletion
//   hold_file load PATH READY STOP   loads PATH as a library
// Creates the file READY once it holds PATH, then waits until the file STOP
// exists. Exit code 0 on success, 2 when PATH could not be held.
#include <windows.h>

#include <cstring>

int main(int argc, char** argv) {
    if (argc != 5) return 3;
    const char* mode = argv[1];
    const char* path = argv[2];
    HANDLE file = INVALID_HANDLE_VALUE;
    HMODULE library = nullptr;
    if (std::strcmp(mode, "open") == 0) {
        file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) return 2;
    } else if (std::strcmp(mode, "load") == 0) {
        library = LoadLibraryA(path);
        if (library == nullptr) return 2;
    } else {
        return 3;
    }
    HANDLE ready = CreateFileA(argv[3], GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (ready != INVALID_HANDLE_VALUE) CloseHandle(ready);
    // At most five minutes, so that a failed test leaves nothing running.
    for (int i = 0; i < 3000 && GetFileAttributesA(argv[4]) == INVALID_FILE_ATTRIBUTES; ++i) {
        Sleep(100);
    }
    if (library) FreeLibrary(library);
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    return 0;
}
