// Keeping the dialogs of a silent run unseen.
#include "dialogs/silent_dialog.h"

#include "entry/process_state.h"

void KeepHiddenWhenSilent(UINT message, LPARAM lParam) {
    if (message != WM_WINDOWPOSCHANGING || !SilentMode()) return;
    WINDOWPOS* position = reinterpret_cast<WINDOWPOS*>(lParam);
    if (position) position->flags &= ~static_cast<UINT>(SWP_SHOWWINDOW);
}
