// Paths of this program's own file and of the files installed beside it.
#pragma once
#include <cstddef>

// Copies the full path of this program's own file into out (size bytes).
// False, with out empty, when the system gives no name or the name does not
// fit: no caller ever works with a cut path.
bool ProgramFilePath(char* out, size_t size);

// The path of the file called name in this program's folder (the name part of
// this program's path replaced by name), into out (size bytes). False, with
// out empty, when it does not fit.
bool PathBesideProgram(const char* name, char* out, size_t size);
