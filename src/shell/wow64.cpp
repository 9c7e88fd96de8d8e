// Whether this 32-bit program runs on 64-bit Windows.
#include "shell/wow64.h"

#include <windows.h>

#include <cstring>

namespace {
// -1 undecided, else the system's answer (0 or 1).
LONG wow64State = -1;

using IsWow64ProcessFunction = BOOL(WINAPI*)(HANDLE, PBOOL);
}  // namespace

bool RunsUnderWow64() {
    if (wow64State == -1) {
        HMODULE kernel = GetModuleHandleA("kernel32");
        FARPROC address = kernel ? GetProcAddress(kernel, "IsWow64Process") : nullptr;
        if (address) {
            IsWow64ProcessFunction isWow64Process;
            static_assert(sizeof isWow64Process == sizeof address, "function pointer sizes");
            memcpy(&isWow64Process, &address, sizeof address);
            BOOL answer = FALSE;
            if (isWow64Process(GetCurrentProcess(), &answer)) wow64State = answer ? 1 : 0;
        }
    }
    return wow64State == 1;
}
