// A language library holding only a string table (shortcut_texts.rc).
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
