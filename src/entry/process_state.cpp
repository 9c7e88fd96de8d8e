// Process-wide state of the program.
#include "entry/process_state.h"

namespace {
bool silentMode = false;
char programGroupPath[kPathSize] = "";
HICON dialogIcon = nullptr;
HFONT boldFont = nullptr;
}  // namespace

bool SilentMode() { return silentMode; }
void SetSilentMode(bool on) { silentMode = on; }
char* ProgramGroupPath() { return programGroupPath; }
HICON DialogIcon() { return dialogIcon; }
HFONT BoldFont() { return boldFont; }
void SetDialogIcon(HICON icon) { dialogIcon = icon; }
void SetBoldFont(HFONT font) { boldFont = font; }
