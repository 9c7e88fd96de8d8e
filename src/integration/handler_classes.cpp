// The archiver's file classes under HKEY_CLASSES_ROOT: "Lumvex" (every archive
// type but ZIP, and the LVX volumes), "Lumvex.ZIP" and "Lumvex.REV" (recovery
// volumes, extension .rev). Each gets its description, an open command that
// starts the archiver with the file, and the archiver's icon unless the class
// already shows one.
#include <windows.h>
#include <shlobj.h>

#include "entry/messages.h"
#include "foundation/bounded_text.h"
#include "foundation/registry.h"
#include "integration/integration_steps.h"
#include "integration/program_folder.h"

namespace {

constexpr size_t kPathSize = 1024;

struct HandlerClass {
    const char* name;
    int description;     // message number
    int iconIndex;
};

const HandlerClass kClasses[] = {
    {"Lumvex", MSG_ARCHIVE_TYPE, 0},
    {"Lumvex.ZIP", MSG_ZIP_ARCHIVE_TYPE, 0},
    {"Lumvex.REV", MSG_RECOVERY_VOLUME_TYPE, 1},
};

void WriteHandlerClass(const HandlerClass& handler, const char* archiverPath) {
    WriteString(HKEY_CLASSES_ROOT, handler.name, "", MessageText(handler.description));
    if (archiverPath[0] == '\0') return;   // no path that could be trusted

    char key[kKeyPathSize];
    char command[kPathSize + 16];
    // Both the program and the file name are quoted, so blanks in either work.
    if (FormatText(key, sizeof key, "%s\\shell\\open\\command", handler.name) &&
        FormatText(command, sizeof command, "\"%s\" \"%%1\"", archiverPath))
        WriteString(HKEY_CLASSES_ROOT, key, "", command);

    char icon[kPathSize + 16];
    char current[kPathSize];
    if (FormatText(key, sizeof key, "%s\\DefaultIcon", handler.name) &&
        !ReadString(HKEY_CLASSES_ROOT, key, "", current, "", sizeof current) &&
        FormatText(icon, sizeof icon, "%s,%d", archiverPath, handler.iconIndex))
        WriteString(HKEY_CLASSES_ROOT, key, "", icon);
}

}  // namespace

void RegisterHandlerClasses() {
    char archiverPath[kPathSize];
    PathBesideProgram("Lumvex.exe", archiverPath, sizeof archiverPath);

    WriteHandlerClass(kClasses[0], archiverPath);
    WriteHandlerClass(kClasses[1], archiverPath);
    // Recovery volumes always open with the archiver; the previous owner of
    // .rev is neither saved nor restored.
    WriteString(HKEY_CLASSES_ROOT, ".rev", "", "Lumvex.REV");
    WriteHandlerClass(kClasses[2], archiverPath);

    SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, nullptr, nullptr);
}
