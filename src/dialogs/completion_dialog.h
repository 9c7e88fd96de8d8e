// The completion dialog shown after setup (template DONEDLG).
#pragma once
#include <windows.h>

// Dialog procedure. Shows the current folder (taken as the installation
// folder) in control 5101 and the thank-you line 5107 in the bold font; in
// silent mode it closes itself at once. Buttons: 5102 starts Lumvex.exe from
// the current folder, 5103 opens the help's contents (lumvex.hlp, no folder),
// 5104 and 5105 open license.txt and order.htm of the current folder, 5106
// opens the home page (message 5112); none of them closes the dialog. Commands
// 1 and 2 end it with 1. Failures of the buttons are not reported.
INT_PTR CALLBACK CompletionDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
