// File-type associations: take-over with backup, give-back from the backup,
// the LVX volume extensions and the New-menu entries for LVX and ZIP.
#include "integration/associations.h"

#include <windows.h>

#include "foundation/bounded_text.h"
#include "foundation/path_text.h"
#include "foundation/platform.h"
#include "foundation/registry.h"
#include "foundation/scoped_handles.h"
#include "integration/extension_list.h"
#include "integration/new_menu_templates.h"
#include "integration/program_folder.h"

namespace {

constexpr size_t kPathSize = 1024;
constexpr DWORD kClassSize = 512;
constexpr DWORD kNewEntrySize = 1024;
constexpr DWORD kNullFileSize = 10;
constexpr int kVolumesNt = 30;
constexpr int kVolumesAll = 100;

char TemplateFolder[kPathSize] = "";

bool IsOwnClass(const char* name) {
    return CompareNoCase(name, "Lumvex") == 0 || CompareNoCase(name, "Lumvex.ZIP") == 0;
}

// The template file's full path; false when it cannot be formed.
bool TemplatePath(const char* fileName, char* out, size_t size) {
    if (TemplateFolder[0] == '\0') return PathBesideProgram(fileName, out, size);
    if (!CopyText(out, size, TemplateFolder) || !AppendBackslashBounded(out, static_cast<unsigned>(size)) ||
        !AppendText(out, size, fileName)) {
        out[0] = '\0';
        return false;
    }
    return true;
}

// Creates the template file unless something of that name exists. A file
// that cannot be written completely is removed again, so that a later setup
// writes it afresh instead of keeping a damaged template.
void CreateTemplateFile(const char* path, const unsigned char* bytes, DWORD length) {
    if (GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES) return;
    bool complete = false;
    {
        UniqueFileHandle file(CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                          FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file) return;
        DWORD written = 0;
        complete = WriteFile(file.Get(), bytes, length, &written, nullptr) && written == length;
    }
    if (!complete) DeleteFileA(path);
}

// Windows 95, 98 and NT 4.0 take the template bytes as "Data"; Windows Me,
// 2000 and later a template file.
bool UsesTemplateFile() {
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;   // 148
    GetVersionExA(&version);
    return version.dwMajorVersion > 4 || version.dwMinorVersion > 10;
}

void WriteNewMenuEntry(const char* shellNewKey, bool lvxType) {
    DeleteKey(HKEY_CLASSES_ROOT, shellNewKey);
    const unsigned char* bytes = lvxType ? LvxNewTemplate : ZipNewTemplate;
    DWORD length = static_cast<DWORD>(lvxType ? kLvxNewTemplateSize : kZipNewTemplateSize);
    if (UsesTemplateFile()) {
        char path[kPathSize];
        if (!TemplatePath(lvxType ? "lvxnew.dat" : "zipnew.dat", path, sizeof path)) return;
        CreateTemplateFile(path, bytes, length);
        WriteString(HKEY_CLASSES_ROOT, shellNewKey, "FileName", path);
    } else {
        WriteBinary(HKEY_CLASSES_ROOT, shellNewKey, "Data", bytes, length);
    }
}

void VolumeExtension(int k, char* out, size_t size) { FormatText(out, size, ".r%02d", k); }

void WriteBackup(const char* extension, const char* backupKey, const char* shellNewKey) {
    char prevClass[kClassSize];
    char prevContent[kClassSize];
    char prevFile[kNewEntrySize];
    char nullFile[kNullFileSize];
    ReadString(HKEY_CLASSES_ROOT, extension, "", prevClass, "", sizeof prevClass);
    ReadString(HKEY_CLASSES_ROOT, extension, "Content Type", prevContent, "", sizeof prevContent);
    ReadString(HKEY_CLASSES_ROOT, shellNewKey, "FileName", prevFile, "", sizeof prevFile);
    bool hasNullFile =
        ReadString(HKEY_CLASSES_ROOT, shellNewKey, "NullFile", nullFile, "", sizeof nullFile);
    bool existed = KeyExists(HKEY_CLASSES_ROOT, extension);

    WriteSettingDword(backupKey, "Exist", existed ? 1 : 0);
    WriteSettingString(backupKey, "Type", prevClass);
    WriteSettingString(backupKey, "Content", prevContent);
    WriteSettingString(backupKey, "ShellNew", prevFile[0] != '\0' ? prevFile : hasNullFile ? "*" : "");
}

void TakeOver(const char* extension, const char* backupKey, const char* shellNewKey,
              bool shellIntegration, bool zipType, bool lvxType) {
    if (!IsOwnExtension(extension)) WriteBackup(extension, backupKey, shellNewKey);

    WriteString(HKEY_CLASSES_ROOT, extension, "", zipType ? "Lumvex.ZIP" : "Lumvex");
    DeleteValue(HKEY_CLASSES_ROOT, extension, "Content Type");

    if (lvxType) {
        int count = NtMajorVersion() != 0 ? kVolumesNt : kVolumesAll;
        for (int k = 0; k < count; ++k) {
            char volume[16];
            VolumeExtension(k, volume, sizeof volume);
            WriteString(HKEY_CLASSES_ROOT, volume, "", "Lumvex");
            DeleteValue(HKEY_CLASSES_ROOT, volume, "Content Type");
        }
    }

    if (shellIntegration && (lvxType || zipType)) WriteNewMenuEntry(shellNewKey, lvxType);
}

void GiveBack(const char* extension, const char* backupKey, const char* shellNewKey, bool lvxType) {
    if (!IsOwnExtension(extension)) return;   // someone else's now, or nobody's

    bool existed = GetSettingDword(backupKey, "Exist", 1) != 0;
    char prevType[kClassSize];
    char prevContent[kClassSize];
    ReadSettingString(backupKey, "Type", prevType, "", sizeof prevType);
    if (IsOwnClass(prevType)) prevType[0] = '\0';
    ReadSettingString(backupKey, "Content", prevContent, "", sizeof prevContent);

    if (existed) {
        WriteString(HKEY_CLASSES_ROOT, extension, "", prevType);
        if (prevContent[0] != '\0')
            WriteString(HKEY_CLASSES_ROOT, extension, "Content Type", prevContent);
        else
            DeleteValue(HKEY_CLASSES_ROOT, extension, "Content Type");
        char prevNew[kNewEntrySize];
        ReadSettingString(backupKey, "ShellNew", prevNew, "", sizeof prevNew);
        DeleteValue(HKEY_CLASSES_ROOT, shellNewKey, "FileName");
        if (prevNew[0] == '*')
            WriteString(HKEY_CLASSES_ROOT, shellNewKey, "NullFile", "");
        else if (prevNew[0] != '\0')
            WriteString(HKEY_CLASSES_ROOT, shellNewKey, "FileName", prevNew);
    } else {
        DeleteKey(HKEY_CLASSES_ROOT, shellNewKey);
        WriteString(HKEY_CLASSES_ROOT, extension, "", "");
        DeleteKey(HKEY_CLASSES_ROOT, extension);
    }

    if (lvxType) {
        bool restoreClass = existed && prevType[0] != '\0';
        for (int k = 0; k < kVolumesAll; ++k) {
            char volume[16];
            VolumeExtension(k, volume, sizeof volume);
            // A volume extension that another program has taken is its own.
            char owner[kClassSize];
            if (ReadString(HKEY_CLASSES_ROOT, volume, "", owner, "", sizeof owner) && !IsOwnClass(owner))
                continue;
            if (restoreClass) {
                WriteString(HKEY_CLASSES_ROOT, volume, "", prevType);
                if (prevContent[0] != '\0')
                    WriteString(HKEY_CLASSES_ROOT, volume, "Content Type", prevContent);
            } else {
                DeleteKey(HKEY_CLASSES_ROOT, volume);
            }
        }
    }
}

}  // namespace

void SetExtensionAssociation(const char* extension, bool associate, bool shellIntegration,
                             bool zipType, bool lvxType) {
    PrepareNewMenuTemplates();
    char shellNewKey[kKeyPathSize];
    char backupKey[kKeyPathSize];
    // An extension too long for a key path is no extension of ours.
    if (!FormatText(shellNewKey, sizeof shellNewKey, "%s\\ShellNew", extension) ||
        !FormatText(backupKey, sizeof backupKey, "Setup\\%s", extension))
        return;
    if (associate)
        TakeOver(extension, backupKey, shellNewKey, shellIntegration, zipType, lvxType);
    else
        GiveBack(extension, backupKey, shellNewKey, lvxType);
}

void AssociateArchiveTypes(const IntegrationSettings& settings) {
    bool shellIntegration = settings.flags[FLAG_SHELL_INTEGRATION] != 0;
    for (int i = 0; i < kArchiveTypeCount; ++i) {
        const char* cursor = ArchiveTypes[i].extensions;
        char extension[64];
        while (NextExtension(&cursor, extension, sizeof extension))
            SetExtensionAssociation(extension, settings.flags[i] != 0, shellIntegration, i == 1, i == 0);
    }
}

void SetTemplateFolder(const char* folder) {
    CopyText(TemplateFolder, sizeof TemplateFolder, folder != nullptr ? folder : "");
}
