// The archiver's shortcuts: desktop, Start menu and the program groups.
#include <windows.h>
#include <shlobj.h>

#include "entry/messages.h"
#include "foundation/bounded_text.h"
#include "foundation/path_text.h"
#include "foundation/platform.h"
#include "integration/integration_steps.h"
#include "integration/program_folder.h"
#include "shell/com_ptr.h"
#include "shell/folder_removal.h"
#include "shell/shell_link.h"

namespace {

constexpr unsigned kPathSize = 1024;
constexpr unsigned kNameSize = kMessageSlotSize;

const char kProgramName[] = "Lumvex.exe";
const char kLinkName[] = "Lumvex.lnk";
const char kGroupName[] = "Lumvex";

// The path of a special folder followed by a backslash and name. False when
// the folder cannot be found or the path does not fit.
bool SpecialFolderPath(IMalloc* allocator, int folderId, const char* name, char* out) {
    LPITEMIDLIST items = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, folderId, &items)) || !items) return false;
    char folder[MAX_PATH];
    bool found = SHGetPathFromIDListA(items, folder) != FALSE;
    allocator->Free(items);
    if (!found || folder[0] == '\0') return false;
    return CopyText(out, kPathSize, folder) && AppendBackslashBounded(out, kPathSize) &&
           AppendText(out, kPathSize, name);
}

// Writes the links of a program group into the folder groupPath.
void FillProgramGroup(const char* groupPath, const char* helpLinkName, const char* manualLinkName) {
    CreateDirectoryA(groupPath, nullptr);
    struct GroupItem {
        const char* linkName;
        const char* target;
    };
    const GroupItem items[] = {
        {kGroupName, kProgramName},
        {helpLinkName, "Lumvex.hlp"},
        {manualLinkName, "Lvx.txt"},
    };
    for (const GroupItem& item : items) {
        char linkPath[kPathSize];
        char target[kPathSize];
        if (!CopyText(linkPath, sizeof linkPath, groupPath) ||
            !AppendBackslashBounded(linkPath, sizeof linkPath) ||
            !AppendText(linkPath, sizeof linkPath, item.linkName) ||
            !AppendText(linkPath, sizeof linkPath, ".lnk") || !PathBesideProgram(item.target, target, sizeof target)) {
            continue;
        }
        CreateShortcut(target, linkPath, MessageText(MSG_SHORTCUT_COMMENT));
    }
}

void UpdateProgramGroup(bool create, const char* groupPath, const char* helpLinkName,
                        const char* manualLinkName) {
    if (create) {
        FillProgramGroup(groupPath, helpLinkName, manualLinkName);
    } else {
        RemoveFolderTree(groupPath);
    }
}

}  // namespace

void UpdateShortcuts(const IntegrationSettings& settings, char* groupPath) {
    char target[kPathSize];
    bool haveTarget = PathBesideProgram(kProgramName, target, sizeof target);

    ComPtr<IMalloc> allocator;
    if (FAILED(SHGetMalloc(reinterpret_cast<IMalloc**>(allocator.PutVoid()))) || !allocator) return;

    char path[kPathSize];
    // The desktop link is made once; a link already there is the user's to keep.
    if (SpecialFolderPath(allocator.Get(), CSIDL_DESKTOPDIRECTORY, kLinkName, path)) {
        if (!settings.flags[FLAG_DESKTOP_LINK]) {
            DeleteFileA(path);
        } else if (haveTarget && !FileExistsDual(path, nullptr)) {
            CreateShortcut(target, path, MessageText(MSG_SHORTCUT_COMMENT));
        }
    }
    // The Start-menu link is written again at every setup.
    if (SpecialFolderPath(allocator.Get(), CSIDL_STARTMENU, kLinkName, path)) {
        if (!settings.flags[FLAG_START_MENU_LINK]) {
            DeleteFileA(path);
        } else if (haveTarget) {
            CreateShortcut(target, path, MessageText(MSG_SHORTCUT_COMMENT));
        }
    }

    char helpLinkName[kNameSize];
    char manualLinkName[kNameSize];
    CopyText(helpLinkName, sizeof helpLinkName, MessageText(MSG_HELP_LINK));
    CopyText(manualLinkName, sizeof manualLinkName, MessageText(MSG_CONSOLE_MANUAL_LINK));

    bool group = settings.flags[FLAG_PROGRAM_GROUP] != 0;
    if (SpecialFolderPath(allocator.Get(), CSIDL_PROGRAMS, kGroupName, path)) {
        if (group && groupPath) CopyText(groupPath, kPathSize, path);
        UpdateProgramGroup(group, path, helpLinkName, manualLinkName);
    }
    if (NtMajorVersion() != 0 &&
        SpecialFolderPath(allocator.Get(), CSIDL_COMMON_PROGRAMS, kGroupName, path)) {
        UpdateProgramGroup(group, path, helpLinkName, manualLinkName);
    }
}
