// Loading a system library by its full path.
#pragma once
#include <windows.h>

// Loads the library of the given bare file name from the system folder
// (GetSystemDirectoryA), never through the search path, so that a file of the
// same name planted in the program's folder or the current folder is never
// loaded instead. Null when the path does not fit 1024 bytes or the load
// fails. The caller owns the handle (FreeLibrary).
HMODULE LoadSystemLibrary(const char* fileName);
