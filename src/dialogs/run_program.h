// Starting another program without waiting for it.
#pragma once
#include <windows.h>

// Starts commandLine (a writable buffer; CreateProcessA may change it in
// place) with no application name, inheriting no handles, in startFolder (the
// current folder when null). Closes both handles of the new process at once.
// True when the process was created.
bool RunProgram(char* commandLine, const char* startFolder);
