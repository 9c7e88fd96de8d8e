// Fixtures that make a fresh Wine prefix look like Windows where the
// integration writes below keys that Windows always has and Wine lacks.
#pragma once
#include <string>

// Creates (in the default view) the handler parents of the shell's classes
// "*", "Folder", "Drive", "Directory" and "exefile", and the "Approved",
// "Uninstall" and "App Paths" keys under HKEY_LOCAL_MACHINE. Existing keys
// are left as they are.
void CreateWindowsShellKeys();

// True when the prefix is a 64-bit one (it has a SysWOW64 folder); found from
// the files, independently of the program's own platform checks.
bool PrefixIs64Bit();

// The full path of name in this program's folder.
std::string ProgramFolderFile(const char* name);
