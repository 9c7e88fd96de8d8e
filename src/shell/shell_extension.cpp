// Registration of the shell extension library.
#include "shell/shell_extension.h"

#include <windows.h>

#include "foundation/bounded_text.h"
#include "foundation/path_text.h"
#include "foundation/registry.h"
#include "integration/integration_steps.h"
#include "shell/wow64.h"

const char kShellExtensionClassId32[] = "{6F1C0A52-3D7E-4B19-A2C4-58E0B7D913F6}";
const char kShellExtensionClassId64[] = "{6F1C0A52-3D64-4B19-A2C4-58E0B7D913F6}";

namespace {

constexpr unsigned kPathSize = 1024;

const char kApprovedKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Shell Extensions\\Approved";

// Handler keys named by the class id, with an empty default value.
const char* const kClassIdHandlerKeys[] = {
    "Lumvex\\shellex\\ContextMenuHandlers\\%s",
    "Lumvex\\shellex\\PropertySheetHandlers\\%s",
    "Lumvex.ZIP\\shellex\\ContextMenuHandlers\\%s",
    "Lumvex.ZIP\\shellex\\PropertySheetHandlers\\%s",
    "exefile\\shellex\\PropertySheetHandlers\\%s",
};

// Drop handlers of the archiver's classes: the class id is their default value.
const char* const kDropHandlerKeys[] = {
    "Lumvex\\shellex\\DropHandler",
    "Lumvex.ZIP\\shellex\\DropHandler",
};

// Handler keys under the shell's own classes, named by the handler entry
// name, holding the class id.
const char* const kNamedHandlerKeys[] = {
    "*\\shellex\\ContextMenuHandlers\\%s",
    "Folder\\shellex\\ContextMenuHandlers\\%s",
    "Folder\\shellex\\DragDropHandlers\\%s",
    "Drive\\shellex\\DragDropHandlers\\%s",
    "Directory\\shellex\\ContextMenuHandlers\\%s",
    "Directory\\shellex\\DragDropHandlers\\%s",
};

// The library's full path: this program's file name with its name part
// replaced. False when the path does not fit.
bool LibraryPath(const char* libraryName, char* path) {
    DWORD n = GetModuleFileNameA(nullptr, path, kPathSize);
    if (n == 0 || n >= kPathSize) return false;
    char* name = NameFromPath(path);
    *name = '\0';
    return AppendText(path, kPathSize, libraryName);
}

// Formats a key path; a path that does not fit is left empty, which every
// registry operation refuses.
void KeyPath(char* out, const char* format, const char* argument) {
    if (!FormatText(out, kPathSize, format, argument)) out[0] = '\0';
}

void WriteClassKey(const char* libraryPath, const char* classId) {
    char key[kPathSize];
    KeyPath(key, "CLSID\\%s", classId);
    WriteString(HKEY_CLASSES_ROOT, key, "", "Lumvex");
    KeyPath(key, "CLSID\\%s\\InProcServer32", classId);
    WriteString(HKEY_CLASSES_ROOT, key, "", libraryPath);
    WriteString(HKEY_CLASSES_ROOT, key, "ThreadingModel", "Apartment");
}

void Register(const char* libraryName, const char* classId, bool classKeys64,
              const char* handlerName) {
    char libraryPath[kPathSize];
    if (LibraryPath(libraryName, libraryPath) &&
        GetFileAttributesA(libraryPath) != INVALID_FILE_ATTRIBUTES) {
        if (classKeys64) SetWriteView64(true);
        WriteClassKey(libraryPath, classId);
        if (classKeys64) SetWriteView64(false);
    }
    char key[kPathSize];
    for (const char* format : kClassIdHandlerKeys) {
        KeyPath(key, format, classId);
        WriteString(HKEY_CLASSES_ROOT, key, "", "");
    }
    for (const char* dropKey : kDropHandlerKeys) WriteString(HKEY_CLASSES_ROOT, dropKey, "", classId);
    for (const char* format : kNamedHandlerKeys) {
        KeyPath(key, format, handlerName);
        WriteString(HKEY_CLASSES_ROOT, key, "", classId);
    }
    WriteString(HKEY_LOCAL_MACHINE, kApprovedKey, classId, "Lumvex shell extension");
}

void Unregister(const char* classId, bool classKeys64, const char* handlerName) {
    char serverKey[kPathSize];
    char classKey[kPathSize];
    KeyPath(serverKey, "CLSID\\%s\\InProcServer32", classId);
    KeyPath(classKey, "CLSID\\%s", classId);
    DeleteKey(HKEY_CLASSES_ROOT, serverKey);
    DeleteKey(HKEY_CLASSES_ROOT, classKey);
    // The class keys of the 64-bit build were written in the 64-bit view;
    // without this, 64-bit Explorer would keep a class whose library is gone.
    if (classKeys64) {
        DeleteKey64(HKEY_CLASSES_ROOT, serverKey);
        DeleteKey64(HKEY_CLASSES_ROOT, classKey);
    }
    char key[kPathSize];
    for (const char* format : kClassIdHandlerKeys) {
        KeyPath(key, format, classId);
        DeleteKey(HKEY_CLASSES_ROOT, key);
    }
    for (const char* dropKey : kDropHandlerKeys) DeleteKey(HKEY_CLASSES_ROOT, dropKey);
    // The handler keys under the shell's classes only lose their value.
    for (const char* format : kNamedHandlerKeys) {
        KeyPath(key, format, handlerName);
        DeleteValue(HKEY_CLASSES_ROOT, key, "");
    }
    DeleteValue(HKEY_LOCAL_MACHINE, kApprovedKey, classId);
}

}  // namespace

void RegisterShellExtensionModule(bool doRegister, const char* libraryName, const char* classId,
                                  bool classKeys64, const char* handlerName) {
    if (doRegister) {
        Register(libraryName, classId, classKeys64, handlerName);
    } else {
        Unregister(classId, classKeys64, handlerName);
    }
}

void UpdateShellExtension(const IntegrationSettings& settings) {
    bool on = settings.flags[FLAG_SHELL_INTEGRATION] != 0;
    RegisterShellExtensionModule(on, "lvxext.dll", kShellExtensionClassId32, false,
                                 RunsUnderWow64() ? "Lumvex32" : "Lumvex");
    if (RunsUnderWow64()) {
        RegisterShellExtensionModule(on, "lvxext64.dll", kShellExtensionClassId64, true, "Lumvex");
    }
}
