// The services every dialog of the program gets before its own procedure
// handles a message: translation and rescaling when it is created, the
// right-to-left layout, and context help on F1 and on the Help button.
#pragma once
#include <windows.h>

constexpr int kSetupDialogHelpContext = 4288;         // SETUPDLG
constexpr int kContextItemsDialogHelpContext = 4976;  // CONTEXTITEMS
constexpr int kNoHelpContext = 0;                     // DONEDLG
constexpr int kHelpButtonId = 9;                      // IDHELP
extern const char kHelpFileName[];                    // "lumvex.hlp", no folder

// Called by a dialog procedure with every message it receives, before it
// handles the message itself; it never consumes one.
//   WM_SETFONT     (before the controls exist): MirrorWindow on the dialog;
//   WM_INITDIALOG  LocaliseDialog with name;
//   WM_HELP, and WM_COMMAND from the control with id 9: when helpContext is
//                  not 0, opens that context of the help file for the dialog.
void DialogPreHandler(HWND dialog, UINT message, WPARAM wParam, int helpContext, const char* name);

// What opens a help topic: WinHelpA unless replaced. Returns the previous
// one; tests put their own in to see what would be opened.
using HelpOpener = BOOL(WINAPI*)(HWND window, LPCSTR file, UINT command, ULONG_PTR data);
HelpOpener SetHelpOpener(HelpOpener opener);
