// The completion dialog.
#include "dialogs/completion_dialog.h"

#include <shellapi.h>

#include "dialogs/run_program.h"
#include "dialogs/silent_dialog.h"
#include "entry/messages.h"
#include "entry/process_state.h"
#include "foundation/bounded_text.h"
#include "foundation/path_text.h"
#include "localisation/dialog_pre_handler.h"

namespace {

const char kTemplateName[] = "DONEDLG";
constexpr int kFolderText = 5101;
constexpr int kRunButton = 5102;
constexpr int kHelpButton = 5103;
constexpr int kLicenceButton = 5104;
constexpr int kOrderButton = 5105;
constexpr int kHomePageButton = 5106;
constexpr int kThanksText = 5107;

// The current folder followed by name, in path (kPathSize bytes). False when
// the folder cannot be read or the whole path does not fit: then nothing is
// started, rather than a cut path naming another file.
bool PathInCurrentFolder(const char* name, char* path) {
    DWORD n = GetCurrentDirectoryA(kPathSize, path);
    if (n == 0 || n >= kPathSize) return false;
    return AppendBackslashBounded(path, kPathSize) && AppendText(path, kPathSize, name);
}

void OpenDocument(const char* name) {
    char path[kPathSize];
    if (PathInCurrentFolder(name, path))
        ShellExecuteA(nullptr, "open", path, nullptr, "", SW_SHOWNORMAL);
}

void Initialise(HWND dialog) {
    SendMessageA(dialog, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(DialogIcon()));
    SendDlgItemMessageA(dialog, kThanksText, WM_SETFONT, reinterpret_cast<WPARAM>(BoldFont()),
                        FALSE);
    char folder[kPathSize];
    DWORD n = GetCurrentDirectoryA(kPathSize, folder);
    if (n == 0 || n >= kPathSize) folder[0] = '\0';
    SetDlgItemTextA(dialog, kFolderText, folder);
    if (SilentMode()) SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, 0), 0);
}

}  // namespace

INT_PTR CALLBACK CompletionDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    DialogPreHandler(dialog, message, wParam, kNoHelpContext, kTemplateName);
    KeepHiddenWhenSilent(message, lParam);
    switch (message) {
    case WM_INITDIALOG:
        Initialise(dialog);
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK:
        case IDCANCEL:
            EndDialog(dialog, 1);
            break;
        case kRunButton: {
            char commandLine[kPathSize];
            if (PathInCurrentFolder("Lumvex.exe", commandLine)) RunProgram(commandLine, nullptr);
            break;
        }
        case kHelpButton:
            WinHelpA(dialog, "lumvex.hlp", HELP_FINDER, 0);
            break;
        case kLicenceButton:
            OpenDocument("license.txt");
            break;
        case kOrderButton:
            OpenDocument("order.htm");
            break;
        case kHomePageButton:
            ShellExecuteA(nullptr, "open", MessageText(MSG_HOME_PAGE), nullptr, "", SW_SHOWNORMAL);
            break;
        default:
            break;
        }
        return TRUE;
    default:
        return FALSE;
    }
}
