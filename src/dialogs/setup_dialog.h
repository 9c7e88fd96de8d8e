// The setup dialog (template SETUPDLG): shows the integration choices and, on
// OK, saves and applies them and registers the uninstall entry.
#pragma once
#include <windows.h>

// Dialog procedure. At creation it shows the stored choices (defaults on a
// first run); in silent mode it confirms itself at once, unseen. OK (command
// 1) reads the check boxes, saves them, runs ApplyIntegration with
// ProgramGroupPath() and RegisterUninstallEntry, and ends the dialog with 1;
// Esc and the close box (command 2) end it with 0 and change nothing.
// Check box 5118 enables or disables 5119 and 5120; button 5121 checks every
// archive type; button 5123 opens the context menu items dialog.
INT_PTR CALLBACK SetupDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
