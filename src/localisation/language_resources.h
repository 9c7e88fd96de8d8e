// The language file uninstall.lng: translation of texts by CRC-32 keys, the
// dialogs' scale entries and the layout direction.
//
// One process-wide object (TheLanguageResources) is loaded once at start-up by
// Init; the texts themselves live in a LanguageStore (language_store.h), the
// part that needs no Windows API.
#pragma once
#include <windows.h>

#include "localisation/language_store.h"

class LanguageResources {
public:
    LanguageResources() = default;
    LanguageResources(const LanguageResources&) = delete;
    LanguageResources& operator=(const LanguageResources&) = delete;

    // Load with fileName, then DetectDirection. No result.
    void Init(const char* fileName);
    // Reads the language file. A name without a backslash names a file in the
    // program's own folder; a name with one is used as it is. A store read
    // before is released first. Nothing is loaded (false) when the path does
    // not fit 1024 bytes, the file does not open, it has no marker where the
    // search looks, or memory for the store is lacking.
    bool Load(const char* fileName);
    // RightToLeft becomes true when the current resource module holds a
    // dialog resource named "RTL", or when the direction entry (kind 1,
    // context "LTR", text "LTR") translates to exactly "RTL"; else false.
    void DetectDirection();

    // True when the marker was found and the store allocated (even if empty).
    bool IsLoaded() const { return Store.IsLoaded(); }
    // Writes the translation of source (kind 0: a message, 1: a window text,
    // context the dialog name or null) into dest, or source unchanged. dest
    // holds destSize bytes (256 or more); source may be dest. Never writes
    // past destSize bytes: a longer translation is cut there without
    // splitting a double-byte character.
    void Translate(char* dest, const char* source, const char* context, int kind,
                   size_t destSize = 256);
    // The line of the store starting with key (8 characters), by binary
    // search, or by walking the store; null when none.
    const char* FindIndexed(const char* key) const { return Store.FindIndexed(key); }
    const char* FindByScan(const char* key) const { return Store.FindByScan(key); }
    bool RightToLeft() const { return RightToLeftLayout; }

    // The width and height percentages of the dialog's scale entry (both 100
    // without one); true unless both are 100.
    bool GetDialogScale(const char* name, int& width, int& height);
    // Rescales the dialog and its direct children (at most 512) by its scale
    // entry and translates its caption and its children's texts.
    void LocaliseDialog(const char* name, HWND dialog);
    // Adds WS_EX_LAYOUTRTL to the window's extended style when RightToLeft.
    void MirrorWindow(HWND window);

    // The loaded message part, for tests and tools.
    const LanguageStore& Messages() const { return Store; }

private:
    LanguageStore Store;
    bool RightToLeftLayout = false;
};

LanguageResources& TheLanguageResources();
