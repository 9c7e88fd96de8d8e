// The platform switch and small Windows text helpers.
#pragma once
#include <windows.h>

// Major version on the NT family, 0 on the 9x family. The system is asked
// once per process; the answer is cached.
DWORD NtMajorVersion();

// Case-insensitive comparison under the user's default locale:
// 0 equal, -1 less, 1 greater, -2 when the system call fails.
int CompareNoCase(const char* a, const char* b);

// Copies a terminated wide string, terminator included. The caller guarantees
// room; use CopyWideBounded where the source is not under control.
void CopyWide(wchar_t* dst, const wchar_t* src);
// Copies at most size units including the terminator; false when cut.
bool CopyWideBounded(wchar_t* dst, size_t size, const wchar_t* src);

// Converts a terminated wide string to the ANSI code page into out (size
// bytes). True when the system reported a nonzero length (the whole text fitted).
bool WideToAnsi(const wchar_t* wide, char* out, int size);

// True when the file exists: by the wide name on the NT family when one is
// given and not empty, else by the ANSI name.
bool FileExistsDual(const char* ansiName, const wchar_t* wideName);
