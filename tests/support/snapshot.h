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

// The same, with exceptions among the direct subkeys of the key: those named
// in skip are left out entirely (a tree snapshot elsewhere covers them), and
// of those named in shallow only the key itself is added, not its contents
// (large trees that nothing under test writes into). Names compare without
// regard to case.
void AddRegistryTree(Snapshot& snapshot, HKEY root, const char* path, REGSAM view, const char* label,
                     const std::vector<std::string>& skip, const std::vector<std::string>& shallow);

// Adds everything below the folder (not the folder itself), named under label.
void AddFolderTree(Snapshot& snapshot, const char* folder, const char* label);

// The lines of the difference, in id order: "+ id" / "- id" for an added or
// removed key or folder entry, "+ id = content" / "- id = content" for a value,
// "~ id = before -> after" for a changed value.
std::vector<std::string> SnapshotDifference(const Snapshot& before, const Snapshot& after);

// The lines in lower case: registry names compare without regard to case,
// and the system keeps the spelling of a key that existed before.
std::vector<std::string> LowerCase(std::vector<std::string> lines);

// Bytes as the snapshot writes binary value data: "4C 76 78".
std::string HexBytes(const unsigned char* data, size_t length);

// True when lines holds line.
bool ContainsLine(const std::vector<std::string>& lines, const std::string& line);

// The lines joined, one a line, for failure messages.
std::string JoinLines(const std::vector<std::string>& lines);
