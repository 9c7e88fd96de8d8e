// The language file uninstall.lng: translation of texts by CRC-32 keys, the
// dialogs' scale entries and the layout direction.
#pragma once
#include <windows.h>

class LanguageResources {
public:
    // Loads the file (a bare name is looked for in the program's folder) and
    // decides the layout direction.
    void Init(const char* fileName);
    // True when the marker was found and the store allocated (even if empty).
    bool IsLoaded() const;
    // Writes the translation of source (kind 0: a message, 1: a window text,
    // context the dialog name or null) into dest, or source unchanged. dest
    // holds at least destSize bytes (256 or more); source may be dest.
    void Translate(char* dest, const char* source, const char* context, int kind,
                   size_t destSize = 256);
    bool RightToLeft() const;
    // (the remaining operations come with the language file)
};

LanguageResources& TheLanguageResources();
