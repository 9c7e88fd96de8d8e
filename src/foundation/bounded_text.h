// Bounded copies into fixed caller buffers. Free of <windows.h>.
//
// Every function takes the destination's full size in bytes, always leaves a
// terminated text when size > 0, never writes past size bytes, and reports
// whether the whole source fitted. A cut never splits a double-byte character
// of the ANSI code page (LeadByteTable).
#pragma once
#include <cstdarg>
#include <cstddef>

// Copies src into dst. True when nothing was cut.
bool CopyText(char* dst, size_t size, const char* src);

// Appends src to the text already in dst. True when nothing was cut.
bool AppendText(char* dst, size_t size, const char* src);

// printf-style formatting into dst. True when nothing was cut.
bool FormatText(char* dst, size_t size, const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 3, 4)))
#endif
    ;
bool FormatTextV(char* dst, size_t size, const char* format, va_list args);

// Shortens a text in place to at most maxLen bytes without splitting a
// double-byte character.
void CutText(char* text, size_t maxLen);
