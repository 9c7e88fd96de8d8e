// Deletion of a file at the next restart of the system.
#pragma once

// Arranges for path (a full path) to be deleted at the next restart: on the
// NT family through MoveFileExA with MOVEFILE_DELAY_UNTIL_REBOOT, on the 9x
// family by a line "NUL=<short path>" in the [Rename] section of wininit.ini
// in the Windows folder (every such deletion is kept). Failures are not
// reported.
void ScheduleDeletionAtRestart(const char* path);

// The 9x way, with the ini file named: adds "NUL=" value to the [Rename]
// section of iniPath, creating the file or the section when missing and
// keeping every other line. False when the file could not be read or written.
bool AddWininitDeletion(const char* iniPath, const char* value);
