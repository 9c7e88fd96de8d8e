// Shell link files written through the shell's link object.
#pragma once

// Writes the link file linkPath pointing to target, with description as its
// comment when one is given (null for none). No arguments, working folder,
// icon, hot key or show command are set. COM must be initialised on the
// calling thread. True when the file was saved; false when the link object
// cannot be had, when linkPath does not fit 260 UTF-16 units, or when saving
// failed.
bool CreateShortcut(const char* target, const char* linkPath, const char* description);
