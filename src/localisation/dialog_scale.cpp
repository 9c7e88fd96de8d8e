// Scale entries and their arithmetic.
#include "localisation/dialog_scale.h"

#include <climits>
#include <cstring>

int ClampToInt(long long value) {
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

int ReadPercent(const char* text) {
    const char* p = text;
    while (*p == ' ' || *p == '\t' || *p == '\n' || *p == '\v' || *p == '\f' || *p == '\r') ++p;
    bool negative = false;
    if (*p == '+' || *p == '-') negative = *p++ == '-';
    long long value = 0;
    for (; *p >= '0' && *p <= '9'; ++p) {
        if (value <= static_cast<long long>(INT_MAX) + 1) value = value * 10 + (*p - '0');
    }
    return ClampToInt(negative ? -value : value);
}

DialogScale ParseDialogScale(const char* entry) {
    DialogScale scale;
    const char* star = strchr(entry, '*');
    if (star != nullptr) {
        scale.width = ReadPercent(entry);
        scale.height = ReadPercent(star + 1);
    }
    scale.scaled = scale.width != 100 || scale.height != 100;
    return scale;
}

int ScaleLength(long long length, int percent) {
    return ClampToInt(static_cast<long long>(ClampToInt(length)) * percent / 100);
}
