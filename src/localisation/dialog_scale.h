// A dialog's scale entry ("120*110": width and height percentages) and the
// arithmetic that applies it. Free of <windows.h>.
//
// All results equal those of plain 32-bit arithmetic (multiply, then divide by
// 100 truncating toward zero) whenever that arithmetic does not overflow;
// where it would, the result is held at the nearest end of the 32-bit range.
#pragma once

struct DialogScale {
    int width = 100;    // percent
    int height = 100;   // percent
    bool scaled = false;   // false when both are 100
};

// Reads a decimal number the way atol does (leading blanks, an optional sign,
// digits; no digits give 0), held at the 32-bit range.
int ReadPercent(const char* text);

// The scale of a scale entry's text: with an asterisk, the number at the start
// is the width and the number after the first asterisk the height; without
// one, both are 100.
DialogScale ParseDialogScale(const char* entry);

// value clamped to the 32-bit range.
int ClampToInt(long long value);

// length * percent / 100, with length first held at the 32-bit range.
int ScaleLength(long long length, int percent);
