// The hand-over to the self-removal script.
#include "uninstall/self_removal.h"

#include <windows.h>

#include "entry/process_state.h"
#include "foundation/bounded_text.h"
#include "foundation/path_text.h"
#include "foundation/platform.h"
#include "foundation/scoped_handles.h"
#include "uninstall/removal_script.h"

namespace {

// The interpreter: COMSPEC, else the system's own.
bool InterpreterPath(char* out, size_t size, bool ntFamily) {
    DWORD n = GetEnvironmentVariableA("COMSPEC", out, static_cast<DWORD>(size));
    if (n != 0 && n < size) return true;
    UINT m = ntFamily ? GetSystemDirectoryA(out, static_cast<UINT>(size))
                      : GetWindowsDirectoryA(out, static_cast<UINT>(size));
    if (m == 0 || m >= size) return false;
    return AppendBackslashBounded(out, static_cast<unsigned>(size)) &&
           AppendText(out, size, ntFamily ? "cmd.exe" : "COMMAND.COM");
}

}  // namespace

void StartSelfRemoval(const char* programPath) {
    const bool ntFamily = NtMajorVersion() != 0;

    char scriptPath[kPathSize];
    DWORD n = GetTempPathA(sizeof(scriptPath), scriptPath);
    if (n == 0 || n >= sizeof(scriptPath)) return;
    if (!AppendText(scriptPath, sizeof(scriptPath), "Uninstall_Lvx.Bat")) return;

    char folder[kPathSize];
    n = GetCurrentDirectoryA(sizeof(folder), folder);
    if (n == 0 || n >= sizeof(folder)) folder[0] = '\0';

    static char script[kRemovalScriptSize];
    size_t length = BuildRemovalScript(script, sizeof(script), ntFamily, programPath, folder,
                                       scriptPath);
    if (length == 0) return;
    {
        UniqueFileHandle file(CreateFileA(scriptPath, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                          FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file) return;
        DWORD written = 0;
        if (!WriteFile(file.Get(), script, static_cast<DWORD>(length), &written, nullptr) ||
            written != length) {
            return;
        }
    }

    char interpreter[kPathSize];
    if (!InterpreterPath(interpreter, sizeof(interpreter), ntFamily)) return;
    char command[kInterpreterCommandSize];
    if (!BuildInterpreterCommand(command, sizeof(command), interpreter, scriptPath)) return;

    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    UniqueFileHandle nul;
    if (ntFamily) {
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = SW_HIDE;
    } else {
        // Inheritable, so that the detached interpreter really gets it.
        SECURITY_ATTRIBUTES inherit = {sizeof(inherit), nullptr, TRUE};
        nul.Reset(CreateFileA("NUL", GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, 0,
                              nullptr));
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = nul.Get();
        startup.hStdOutput = nul.Get();
        startup.hStdError = nul.Get();
    }

    // Neither this process nor the script may hold the folder as its
    // current directory.
    SetCurrentDirectoryA("..");

    PROCESS_INFORMATION process = {};
    if (CreateProcessA(nullptr, command, nullptr, nullptr, TRUE,
                       ntFamily ? 0 : DETACHED_PROCESS, nullptr, nullptr, &startup, &process)) {
        // Nothing waits for the script; its handles are closed at once.
        UniqueHandle thread(process.hThread);
        UniqueHandle started(process.hProcess);
    }
}
