// Process-wide state of the program, set up by the entry point.
#pragma once
#include <windows.h>

constexpr int kPathSize = 1024;   // paths and window texts

// Set by the switch S; never cleared.
bool SilentMode();
void SetSilentMode(bool on);

// The folder of the per-user program group made by setup (empty when none).
char* ProgramGroupPath();   // 1024 bytes

// The dialog icon (LVXICON) and the bold font; null until the entry point
// has created them.
HICON DialogIcon();
HFONT BoldFont();
void SetDialogIcon(HICON icon);
void SetBoldFont(HFONT font);
