// The optional language library lvxlng.dll.
#include "localisation/ext_resource.h"

#include "foundation/bounded_text.h"
#include "foundation/path_text.h"

namespace {
HMODULE resourceModule = nullptr;
HMODULE programModule = nullptr;
}  // namespace

void ExtResource::Load(HINSTANCE instance, const char* path) {
    Release();
    char libraryPath[1024];
    if (path) {
        CopyText(libraryPath, sizeof libraryPath, path);
    } else {
        DWORD n = GetModuleFileNameA(instance, libraryPath, sizeof libraryPath);
        if (n == 0 || n >= sizeof libraryPath) libraryPath[0] = '\0';
    }
    // Without a folder the system's search path would be used: no library then.
    char* name = NameFromPath(libraryPath);
    bool hasFolder = name != libraryPath;
    *name = '\0';
    bool fits = AppendText(libraryPath, sizeof libraryPath, "lvxlng.dll");
    HMODULE library = (fits && hasFolder) ? LoadLibraryA(libraryPath) : nullptr;
    if (library) {
        resourceModule = library;
        Loaded = true;
    } else {
        resourceModule = instance;
        Loaded = false;
    }
    programModule = instance;
}

void ExtResource::Release() {
    if (!Loaded) return;
    FreeLibrary(resourceModule);
    resourceModule = programModule;
    Loaded = false;
}

ExtResource& TheExtResource() {
    // Constructed during static initialisation (entry/process_objects.cpp),
    // before the language file object; destroyed at exit after it.
    static ExtResource object;
    return object;
}

HMODULE ResourceModule() { return resourceModule; }
HMODULE ProgramModule() { return programModule; }
