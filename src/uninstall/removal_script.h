// The text of the self-removal script, built without starting anything.
// Free of <windows.h>.
//
// The script, run by the command interpreter in the parent of the
// installation folder, first runs the program with /wait (so that the
// uninstalling process has ended), then up to five times deletes the program
// file and removes the folder, shows the manual-deletion message (/warning)
// if the program file is still there, and deletes itself. 19 lines, each
// ending in CR LF except the last.
#pragma once
#include <cstddef>

constexpr size_t kScriptPathSize = 1024;   // each inserted path, terminator included

// Room for the whole script with three paths of up to 1023 bytes each, every
// byte of them a '%' (written doubled).
constexpr size_t kRemovalScriptSize = 48 * 1024;

// Room for the interpreter's command line with two such paths.
constexpr size_t kInterpreterCommandSize = 3 * kScriptPathSize;

// Copies src into dst with every '%' written as "%%", so that the
// interpreter, which expands %...% in a batch file, reads the path as it is.
// False (dst then holds a cut text) when the result does not fit size bytes.
bool DoublePercent(char* dst, size_t size, const char* src);

// Builds the script into out (size bytes) for the NT family (ntFamily true:
// the first line runs the program directly) or the 9x family (through
// "start /wait"). program is the program's full path, folder the
// installation folder, script the script's own path. Returns the length in
// bytes (no terminator counted; out is terminated), or 0 when a path is
// longer than 1023 bytes or the text does not fit; out is then an empty text.
size_t BuildRemovalScript(char* out, size_t size, bool ntFamily, const char* program,
                          const char* folder, const char* script);

// The command line that runs the script: interpreter, " /c ", the quoted
// script path. An interpreter path holding a blank is quoted. False (out an
// empty text) when it does not fit size bytes.
bool BuildInterpreterCommand(char* out, size_t size, const char* interpreter,
                             const char* script);
