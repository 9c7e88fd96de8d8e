// The entry by which Windows lists the archiver among the installed programs
// and runs this program to remove it.
#include <windows.h>

#include "entry/messages.h"
#include "foundation/registry.h"
#include "integration/integration_steps.h"
#include "integration/program_folder.h"

namespace {
const char kUninstallKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Lumvex archiver";
constexpr size_t kPathSize = 1024;
}  // namespace

void RegisterUninstallEntry() {
    WriteString(HKEY_LOCAL_MACHINE, kUninstallKey, "DisplayName", MessageText(MSG_PRODUCT_TITLE));
    // The program's own path, unquoted and without switches: run as it is, it
    // uninstalls.
    char path[kPathSize];
    if (!ProgramFilePath(path, sizeof path)) return;
    WriteString(HKEY_LOCAL_MACHINE, kUninstallKey, "UninstallString", path);
}
