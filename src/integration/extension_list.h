// Walking an extension string such as ".bz2.tbz2.bz.tbz" one extension at a
// time. Free of <windows.h>.
#pragma once
#include <cstddef>

// Copies the extension that starts at *cursor (its leading full stop and
// everything up to the next full stop, or to the end) into out (size bytes,
// never overflowed; a cut extension is still handed out, cut) and moves
// *cursor to the start of the following extension. Returns false, touching
// nothing, when *cursor is at the end of the string.
// ".gz.tgz" gives ".gz", then ".tgz", then false.
bool NextExtension(const char** cursor, char* out, size_t size);
