// The completion dialog. Not built yet: it closes itself at once.
#include "dialogs/completion_dialog.h"

INT_PTR CALLBACK CompletionDialogProc(HWND dialog, UINT message, WPARAM, LPARAM) {
    if (message == WM_INITDIALOG) {
        EndDialog(dialog, 0);
        return TRUE;
    }
    return FALSE;
}
