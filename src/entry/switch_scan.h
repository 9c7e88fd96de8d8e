// The command-line switches. Free of <windows.h>.
//
// A switch starts after any "/" or "-" in the line, not only at the start of a
// word; the next search starts at the character after that "/" or "-", so a
// switch text holding "/" or "-" yields a further switch there. Each switch
// text is tested in this order, the first match wins:
//   "setup" (first 5 characters, case ignored)   -> the setup flag;
//   S or s not followed by an ASCII letter         -> silent; does not count;
//   "wait" (first 4 characters, case ignored)     -> SwitchAction::Wait;
//   "warning" (first 7 characters, case ignored)  -> SwitchAction::Warning;
//   anything else                                   -> no effect.
// Every switch except the silent one adds 1 to the operation count.
#pragma once

enum class SwitchAction { Wait, Warning };

// Called at once, in command-line order, for every wait and warning switch.
using SwitchActionHandler = void (*)(SwitchAction action, void* context);

struct SwitchScan {
    int operationCount = 0;   // switches other than S
    bool setup = false;
    bool silent = false;
};

// Scans a terminated command line (without the program name). handler may
// be null. Double-byte characters are stepped over whole.
SwitchScan ScanSwitches(const char* commandLine, SwitchActionHandler handler, void* context);

enum class Job { None, Setup, Uninstall };

// What the program runs after the scan: setup when the setup switch was
// given, the uninstallation when no switch counted, else nothing. (The setup
// switch counts, so the two never both apply.)
Job JobAfterScan(const SwitchScan& scan);
