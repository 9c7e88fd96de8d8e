// The setup dialog (template SETUPDLG).
#pragma once
#include <windows.h>

// Dialog procedure; the dialog ends with 1 when the choices were confirmed and
// applied, 0 when it was cancelled.
INT_PTR CALLBACK SetupDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
