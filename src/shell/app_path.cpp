// The application path entry, through which the shell finds the archiver by
// its bare file name and puts its folder on the search path of the started
// program.
#include <windows.h>

#include "foundation/bounded_text.h"
#include "foundation/path_text.h"
#include "foundation/registry.h"
#include "integration/integration_steps.h"
#include "integration/program_folder.h"

namespace {
constexpr size_t kPathSize = 1024;
const char kAppPathKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Lumvex.exe";
}  // namespace

void RegisterAppPath() {
    char target[kPathSize];
    // A path that cannot be formed whole is not registered at all.
    if (!PathBesideProgram("Lumvex.exe", target, sizeof target)) return;
    WriteString(HKEY_LOCAL_MACHINE, kAppPathKey, "", target);

    char folder[kPathSize];
    CopyText(folder, sizeof folder, target);
    StripFileName(folder);   // C:\Tools\Lumvex.exe gives C:\Tools, D:\Lumvex.exe gives D:\ .
    WriteString(HKEY_LOCAL_MACHINE, kAppPathKey, "Path", folder);
}
