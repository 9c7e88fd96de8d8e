// Checks a text before it is used as a printf format. Free of <windows.h>.
#pragma once

// True when format holds exactly one "%s" conversion and no other
// conversion; "%%" is allowed anywhere.
bool HasSingleStringConversion(const char* format);
