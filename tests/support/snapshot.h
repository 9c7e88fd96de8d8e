// Snapshots of registry subtrees and folders, and their difference, for tests
// that must show exactly what a run changed.
#pragma once
#include <windows.h>

#include <map>
#include <string>
#include <vector>

// Entry id -> content. A key is "LABEL\path" with an empty content; a value is
// "LABEL\path [name]" with "TYPE data" as content; a folder entry is
// "LABEL\relative\path" with "<dir>" or "<file>" as content.
using Snapshot = std::map<std::string, std::string>;

// Adds the key root\path (in the view given by view: 0, KEY_WOW64_32KEY or
// KEY_WOW64_64KEY) and everything below it, named under label. A missing key
// adds nothing.
void AddRegistryTree(Snapshot& snapshot, HKEY root, const char* path, REGSAM view, const char* label);

// Adds everything below the folder (not the folder itself), named under label.
void AddFolderTree(Snapshot& snapshot, const char* folder, const char* label);

// The lines of the difference, in id order: "+ id" / "- id" for an added or
// removed key or folder entry, "+ id = content" / "- id = content" for a value,
// "~ id = before -> after" for a changed value.
std::vector<std::string> SnapshotDifference(const Snapshot& before, const Snapshot& after);

// The lines joined, one a line, for failure messages.
std::string JoinLines(const std::vector<std::string>& lines);
