// Removes everything setup made: the same integration steps run with every
// choice cleared, then the keys only setup creates are deleted.
#include <windows.h>
#include <shlobj.h>

#include <cstring>

#include "foundation/registry.h"
#include "integration/integration_steps.h"

void UndoIntegration() {
    IntegrationSettings none;
    memset(&none, 0, sizeof none);

    // Gives every extension back; reads the backups under the settings key,
    // which therefore goes last.
    AssociateArchiveTypes(none);
    SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_FLUSH, nullptr, nullptr);
    UpdateShellExtension(none);
    UpdateShortcuts(none, nullptr);

    DeleteKeyTree(HKEY_CLASSES_ROOT, "Lumvex");
    DeleteKeyTree(HKEY_CLASSES_ROOT, "Lumvex.ZIP");
    DeleteKeyTree(HKEY_CLASSES_ROOT, "Lumvex.REV");
    DeleteKeyTree(HKEY_CLASSES_ROOT, ".rev");
    DeleteKey(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Lumvex archiver");
    DeleteKey(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Lumvex.exe");
    // The whole settings key, backups included.
    DeleteKeyTree(HKEY_CURRENT_USER, "");
}
