// Localisation and context help for every dialog.
#include "localisation/dialog_pre_handler.h"

#include "localisation/language_resources.h"

const char kHelpFileName[] = "lumvex.hlp";

namespace {
HelpOpener helpOpener = WinHelpA;

void OpenHelp(HWND dialog, int helpContext) {
    if (helpContext == kNoHelpContext) return;
    // A missing help file is WinHelp's to report.
    helpOpener(dialog, kHelpFileName, HELP_CONTEXT, static_cast<ULONG_PTR>(helpContext));
}
}  // namespace

HelpOpener SetHelpOpener(HelpOpener opener) {
    HelpOpener previous = helpOpener;
    helpOpener = opener;
    return previous;
}

void DialogPreHandler(HWND dialog, UINT message, WPARAM wParam, int helpContext, const char* name) {
    switch (message) {
        case WM_SETFONT:
            TheLanguageResources().MirrorWindow(dialog);
            break;
        case WM_INITDIALOG:
            TheLanguageResources().LocaliseDialog(name, dialog);
            break;
        case WM_HELP:
            OpenHelp(dialog, helpContext);
            break;
        case WM_COMMAND:
            if (LOWORD(wParam) == kHelpButtonId) OpenHelp(dialog, helpContext);
            break;
        default:
            break;
    }
}
