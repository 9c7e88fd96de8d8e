// Holds a file open for writing (GENERIC_WRITE, sharing read and write) for a
// test: file_holder PATH READY_EVENT RELEASE_EVENT. Opens the file, signals
// READY_EVENT, waits for RELEASE_EVENT (at most a minute), then exits.
// Exit code 0 when the file was held, 1 on bad arguments, 2 when it could
// not be opened.
#include <windows.h>

int main(int argc, char** argv) {
    if (argc != 4) return 1;
    HANDLE ready = OpenEventA(EVENT_MODIFY_STATE, FALSE, argv[2]);
    HANDLE release = OpenEventA(SYNCHRONIZE, FALSE, argv[3]);
    if (ready == nullptr || release == nullptr) return 1;
    HANDLE file = CreateFileA(argv[1], GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        SetEvent(ready);
        return 2;
    }
    SetEvent(ready);
    WaitForSingleObject(release, 60000);
    CloseHandle(file);
    return 0;
}
