// The hand-over to the self-removal script, the last act of uninstallation.
#pragma once

// Writes "Uninstall_Lvx.Bat" into the temporary folder (see
// removal_script.h; the folder it removes is the current directory) and
// starts it with the command interpreter named by COMSPEC, or the system's
// own (cmd.exe in the system folder on the NT family, COMMAND.COM in the
// Windows folder on the 9x family) when COMSPEC is not set. The interpreter
// runs with a hidden window on the NT family, detached with NUL as its
// standard handles on the 9x family, in the parent of the current directory,
// which becomes this process's current directory too. Nothing is started
// when the script cannot be written. Failures are not reported.
void StartSelfRemoval(const char* programPath);
