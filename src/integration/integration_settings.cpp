// The archive type table, the ownership test, and loading and saving the
// user's integration choices under the settings key.
#include "integration/integration_settings.h"

#include <windows.h>

#include "foundation/bounded_text.h"
#include "foundation/platform.h"
#include "foundation/registry.h"

const ArchiveType ArchiveTypes[kArchiveTypeCount] = {
    {"LVX", ".lvx", ".lvx"},
    {"ZIP", ".zip", ".zip"},
    {"CAB", ".cab", ".cab"},
    {"ARJ", ".arj", ".arj"},
    {"LZH", ".lzh.lha", ".lzh"},
    {"ACE", ".ace", ".ace"},
    {"7-Zip", ".7z", ".7z"},
    {"TAR", ".tar", ".tar"},
    {"GZip", ".gz.tgz", ".gz"},
    {"UUE", ".uue.xxe.uu", ".uue"},
    {"BZ2", ".bz2.tbz2.bz.tbz", ".bz2"},
    {"JAR", ".jar", ".jar"},
    {"ISO", ".iso", ".iso"},
    {"Z", ".z.taz", ".z"},
};

namespace {

constexpr int kJarIndex = 11;
constexpr int kIsoIndex = 12;
constexpr DWORD kClassNameSize = 80;

struct OptionValue {
    int flag;
    const char* key;
    const char* value;
    DWORD defaultValue;
};

// The six shortcut and shell options, in the order they are read and saved.
const OptionValue kOptions[] = {
    {FLAG_DESKTOP_LINK, "Setup\\Links", "Desktop", 0},
    {FLAG_START_MENU_LINK, "Setup\\Links", "StartMenu", 0},
    {FLAG_PROGRAM_GROUP, "Setup\\Links", "Programs", 1},
    {FLAG_SHELL_INTEGRATION, "Setup", "ShellExt", 1},
    {FLAG_CASCADED_MENU, "Setup", "CascadedMenu", 0},
    {FLAG_MENU_ICONS, "Setup", "MenuIcons", 1},
};

// "Setup\" followed by the extension; false when it does not fit.
bool SetupKeyOf(const char* extension, char* out, size_t size) {
    return FormatText(out, size, "Setup\\%s", extension);
}

}  // namespace

bool IsOwnExtension(const char* extension) {
    char owner[kClassNameSize];
    ReadString(HKEY_CLASSES_ROOT, extension, "", owner, "", sizeof owner);
    return CompareNoCase(owner, "Lumvex") == 0 || CompareNoCase(owner, "Lumvex.ZIP") == 0;
}

void LoadIntegrationSettings(IntegrationSettings& settings) {
    for (int i = 0; i < kArchiveTypeCount; ++i) {
        const char* keyExtension = ArchiveTypes[i].keyExtension;
        char key[kKeyPathSize];
        DWORD set = 1;
        if (SetupKeyOf(keyExtension, key, sizeof key)) set = GetSettingDword(key, "Set", 1);
        settings.flags[i] = set != 0 ? 1 : 0;
        if (i == kJarIndex || i == kIsoIndex) {
            // Another program that owns the extension keeps it.
            char owner[kClassNameSize];
            ReadString(HKEY_CLASSES_ROOT, keyExtension, "", owner, "", sizeof owner);
            if (!IsOwnExtension(keyExtension) && owner[0] != '\0') settings.flags[i] = 0;
        }
    }
    for (const OptionValue& option : kOptions)
        settings.flags[option.flag] =
            GetSettingDword(option.key, option.value, option.defaultValue) != 0 ? 1 : 0;
}

void SaveIntegrationSettings(const IntegrationSettings& settings) {
    for (int i = 0; i < kArchiveTypeCount; ++i) {
        char key[kKeyPathSize];
        if (SetupKeyOf(ArchiveTypes[i].keyExtension, key, sizeof key))
            WriteSettingDword(key, "Set", settings.flags[i] != 0 ? 1 : 0);
    }
    for (const OptionValue& option : kOptions)
        WriteSettingDword(option.key, option.value, settings.flags[option.flag] != 0 ? 1 : 0);
}
