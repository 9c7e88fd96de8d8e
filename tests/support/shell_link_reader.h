// Reading and writing shell link files for tests, through the shell's link
// object, independently of the program's own link code.
#pragma once
#include <string>

struct LinkContent {
    bool loaded = false;       // the file could be loaded as a link
    std::string target;        // the raw target path
    std::string description;
};

// COM must be initialised on the calling thread.
LinkContent ReadShellLink(const std::string& path);
bool WriteShellLink(const std::string& path, const std::string& target, const std::string& description);
