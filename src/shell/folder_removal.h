// Deletion of a folder with everything in it, through the shell.
#pragma once

// Deletes the folder at path (at most 1023 bytes) and all its contents
// outright, not into the Recycle Bin, without asking. True when the shell
// reported success; false when nothing exists at path, when path is too long,
// or when the deletion failed. The shell may still show its own error message
// when a deletion fails.
bool RemoveFolderTree(const char* path);
