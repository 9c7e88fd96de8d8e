// The optional language library lvxlng.dll beside the program, and the module
// every resource lookup goes to.
#pragma once
#include <windows.h>

class ExtResource {
public:
    ExtResource() = default;
    ~ExtResource() { Release(); }
    ExtResource(const ExtResource&) = delete;
    ExtResource& operator=(const ExtResource&) = delete;

    // Frees a library loaded before, then loads lvxlng.dll from the folder of
    // path (the program's own folder when path is null). ResourceModule is the
    // library when it loaded, else instance; ProgramModule is instance.
    void Load(HINSTANCE instance, const char* path);
    // Frees a loaded library; ResourceModule becomes ProgramModule.
    void Release();
    bool IsLoaded() const { return Loaded; }

private:
    bool Loaded = false;
};

// The process-wide object (constructed after LeadByteTable is filled and
// before the language file object).
ExtResource& TheExtResource();

// Where dialog templates, the icon and message strings are loaded from.
HMODULE ResourceModule();
// Always the program's own module.
HMODULE ProgramModule();
