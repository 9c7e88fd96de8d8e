// Which entries of Uninstall.lst may be acted on. Free of <windows.h>.
//
// An entry is a path relative to the installation folder. Only entries that
// stay inside that folder are ever deleted, renamed or scheduled; a damaged
// or hostile list must not reach anything else.
#pragma once

// True when entry (already trimmed, not empty) names a path inside the
// installation folder once appended to it. False for:
//  - a leading '\\' or '/' (a rooted path, and every UNC or device name
//    such as "\\\\server\\share" or "\\\\?\\C:\\");
//  - a ':' anywhere (drive letters such as "C:\\x" or "C:x", and streams);
//  - a component made only of dots and blanks that holds two dots or more
//    (".." and the forms the system shortens to it, such as ".. " or "...");
//  - an empty entry.
// Separators are '\\' and '/'; the entry is walked character by character
// (LeadByteTable), so the trail byte 0x5C of a double-byte character is not
// taken for a separator, as the system does not take it for one either.
bool IsEntryInsideFolder(const char* entry);
