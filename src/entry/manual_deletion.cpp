// The manual-deletion message of the switch "warning".
#include "entry/manual_deletion.h"

#include <windows.h>

#include <cstring>

#include "entry/messages.h"
#include "entry/process_state.h"
#include "foundation/bounded_text.h"

bool ComposeManualDeletionMessage(char* out, size_t size, const char* programPath) {
    if (size == 0) return false;
    bool whole = CopyText(out, size, MessageText(MSG_UNINSTALL_DONE));
    whole = AppendText(out, size, "\n") && whole;
    size_t used = strlen(out);
    if (used + 1 >= size) return false;
    // The format is the program's own text unless a replacement holds exactly
    // one %s and nothing else to convert.
    const char* format = FormatMessageText(MSG_DELETE_MANUALLY);
    return FormatText(out + used, size - used, format, programPath) && whole;
}

void ShowManualDeletionMessage() {
    char path[kPathSize];
    DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
    if (n == 0 || n >= sizeof path) path[n == 0 ? 0 : sizeof path - 1] = '\0';
    char text[kManualDeletionMessageSize];
    ComposeManualDeletionMessage(text, sizeof text, path);
    MessageBoxA(nullptr, text, MessageText(MSG_UNINSTALL_CAPTION),
                MB_ICONINFORMATION | MB_SETFOREGROUND);
}
