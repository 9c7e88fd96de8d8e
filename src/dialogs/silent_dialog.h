// Dialogs that confirm themselves in silent mode end while they are being
// created, before they were ever shown; some dialog managers still show the
// window once its initialisation has returned, just before destroying it.
#pragma once
#include <windows.h>

// Called by a dialog procedure with every message: in silent mode it strips
// the request to show the window from WM_WINDOWPOSCHANGING, so the dialog
// never appears. Outside silent mode it does nothing.
void KeepHiddenWhenSilent(UINT message, LPARAM lParam);
