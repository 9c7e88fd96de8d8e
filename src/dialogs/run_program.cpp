// Starting another program without waiting for it.
#include "dialogs/run_program.h"

#include "foundation/scoped_handles.h"

bool RunProgram(char* commandLine, const char* startFolder) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, commandLine, nullptr, nullptr, FALSE, 0, nullptr, startFolder,
                        &startup, &process)) {
        return false;
    }
    UniqueHandle thread(process.hThread);
    UniqueHandle owner(process.hProcess);
    return true;
}
