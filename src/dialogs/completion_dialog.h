// The completion dialog shown after setup (template DONEDLG).
#pragma once
#include <windows.h>

INT_PTR CALLBACK CompletionDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
