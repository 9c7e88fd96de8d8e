// The registry access layer. Every operation builds its key path
// with BuildKeyPath into a kKeyPathSize buffer, opens the key, does one thing
// and closes it again.
#include "foundation/registry.h"

#include <cstring>

#include "foundation/bounded_text.h"
#include "foundation/platform.h"

namespace {

// OR-ed into the access rights of OpenKeyForWrite only.
REGSAM g_writeViewBits = 0;

RegistryWriteFilter g_writeFilter = nullptr;

// Size of the buffer for a child path in DeleteKeyTree, and of a subkey name.
constexpr size_t kChildPathSize = 512;
constexpr DWORD kSubkeyNameSize = 200;

const char kSettingsKey[] = "Software\\Lumvex";

// The test seam: a nonzero answer stands for the system call's failure.
LONG FilteredWrite(HKEY root, const char* path) {
    return g_writeFilter != nullptr ? g_writeFilter(root, path) : ERROR_SUCCESS;
}

LONG DeleteKeyChecked(HKEY root, const char* path) {
    LONG denied = FilteredWrite(root, path);
    if (denied != ERROR_SUCCESS) return denied;
    return RegDeleteKeyA(root, path);
}

// One deletion step of DeleteKeyTree: the subkeys first (as far as the
// enumeration reaches them), then the key itself. Adds to *deleted for each
// key deleted.
void DeleteStep(HKEY root, const char* path, int* deleted) {
    if (path[0] == '\0') return;   // an empty path (the root itself) is never deleted
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return;
    for (DWORD index = 0;; ++index) {
        char name[kSubkeyNameSize];
        DWORD nameLen = kSubkeyNameSize;
        if (RegEnumKeyExA(key, index, name, &nameLen, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS) {
            break;
        }
        char child[kChildPathSize];
        // A child path that does not fit is skipped (its parent then stays).
        if (!FormatText(child, sizeof child, "%s\\%s", path, name)) continue;
        DeleteStep(root, child, deleted);
    }
    RegCloseKey(key);
    if (DeleteKeyChecked(root, path) == ERROR_SUCCESS) ++*deleted;
}

}  // namespace

bool BuildKeyPath(HKEY root, const char* name, char* out, unsigned capacity) {
    if (name == nullptr || out == nullptr || capacity < 20) return false;
    if (strlen(name) > capacity - 20) return false;
    if (root == HKEY_CURRENT_USER) {
        if (name[0] == '\\') return CopyText(out, capacity, name + 1);
        // "Software\Lumvex" (15) + "\" + at most capacity - 20 bytes + terminator fits.
        return FormatText(out, capacity, "%s%s%s", kSettingsKey, name[0] != '\0' ? "\\" : "",
                          name);
    }
    return CopyText(out, capacity, name);
}

HKEY OpenKeyForWrite(HKEY root, const char* name) {
    char path[kKeyPathSize];
    if (!BuildKeyPath(root, name, path, sizeof path)) return nullptr;
    if (FilteredWrite(root, path) != ERROR_SUCCESS) return nullptr;
    HKEY key = nullptr;
    if (RegCreateKeyExA(root, path, 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_WRITE | g_writeViewBits, nullptr, &key, nullptr) != ERROR_SUCCESS) {
        return nullptr;
    }
    return key;
}

HKEY OpenKeyForRead(HKEY root, const char* name) {
    char path[kKeyPathSize];
    if (!BuildKeyPath(root, name, path, sizeof path)) return nullptr;
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path, 0, KEY_QUERY_VALUE | KEY_ENUMERATE_SUB_KEYS, &key) !=
        ERROR_SUCCESS) {
        return nullptr;
    }
    return key;
}

bool CloseKey(HKEY key) {
    if (key == nullptr) return false;
    return RegCloseKey(key) == ERROR_SUCCESS;
}

namespace {
bool WriteValue(HKEY root, const char* key, const char* valueName, DWORD type,
                const void* data, DWORD length) {
    HKEY handle = OpenKeyForWrite(root, key);
    if (handle == nullptr) return false;
    RegSetValueExA(handle, valueName != nullptr ? valueName : "", 0, type,
                   static_cast<const BYTE*>(data), length);
    return CloseKey(handle);
}
}  // namespace

bool WriteString(HKEY root, const char* key, const char* valueName, const char* text) {
    if (text == nullptr) text = "";
    return WriteValue(root, key, valueName, REG_SZ, text, static_cast<DWORD>(strlen(text) + 1));
}

bool WriteSettingString(const char* key, const char* valueName, const char* text) {
    return WriteString(HKEY_CURRENT_USER, key, valueName, text);
}

bool WriteDword(HKEY root, const char* key, const char* valueName, DWORD value) {
    return WriteValue(root, key, valueName, REG_DWORD, &value, sizeof value);
}

bool WriteSettingDword(const char* key, const char* valueName, DWORD value) {
    return WriteDword(HKEY_CURRENT_USER, key, valueName, value);
}

bool WriteBinary(HKEY root, const char* key, const char* valueName, const void* data,
                 DWORD length) {
    return WriteValue(root, key, valueName, REG_BINARY, data, length);
}

bool ReadString(HKEY root, const char* key, const char* valueName, char* out,
                const char* defaultText, DWORD size) {
    if (out == nullptr || size == 0) return false;
    bool read = false;
    HKEY handle = OpenKeyForRead(root, key);
    if (handle != nullptr) {
        DWORD length = size;
        if (RegQueryValueExA(handle, valueName != nullptr ? valueName : "", nullptr, nullptr,
                             reinterpret_cast<BYTE*>(out), &length) == ERROR_SUCCESS &&
            length != 0 && length <= size) {
            // A value stored without its terminator must still leave a
            // terminated text: one that fills the whole buffer counts as too long.
            if (length < size) {
                out[length] = '\0';
                read = true;
            } else if (out[size - 1] == '\0') {
                read = true;
            }
        }
        CloseKey(handle);
    }
    if (!read) CopyText(out, size, defaultText != nullptr ? defaultText : "");
    return read;
}

bool ReadSettingString(const char* key, const char* valueName, char* out,
                       const char* defaultText, DWORD size) {
    return ReadString(HKEY_CURRENT_USER, key, valueName, out, defaultText, size);
}

bool ReadDword(HKEY root, const char* key, const char* valueName, DWORD* where,
               DWORD defaultValue) {
    if (where == nullptr) return false;
    bool read = false;
    HKEY handle = OpenKeyForRead(root, key);
    if (handle != nullptr) {
        DWORD length = sizeof(DWORD);
        if (RegQueryValueExA(handle, valueName != nullptr ? valueName : "", nullptr, nullptr,
                             reinterpret_cast<BYTE*>(where), &length) == ERROR_SUCCESS &&
            length != 0 && length <= sizeof(DWORD)) {
            read = true;
        }
        CloseKey(handle);
    }
    if (!read) *where = defaultValue;
    return read;
}

DWORD GetDword(HKEY root, const char* key, const char* valueName, DWORD defaultValue) {
    DWORD value = 0;
    ReadDword(root, key, valueName, &value, defaultValue);
    return value;
}

DWORD GetSettingDword(const char* key, const char* valueName, DWORD defaultValue) {
    return GetDword(HKEY_CURRENT_USER, key, valueName, defaultValue);
}

void DeleteKey(HKEY root, const char* name) {
    char path[kKeyPathSize];
    if (!BuildKeyPath(root, name, path, sizeof path)) return;
    if (path[0] == '\0') return;   // never the root key itself
    DeleteKeyChecked(root, path);
}

void DeleteKey64(HKEY root, const char* name) {
    using DeleteKeyExFunction = LONG(WINAPI*)(HKEY, LPCSTR, REGSAM, DWORD);
    HMODULE advapi = GetModuleHandleA("advapi32");
    FARPROC address = advapi != nullptr ? GetProcAddress(advapi, "RegDeleteKeyExA") : nullptr;
    if (address == nullptr) return;
    DeleteKeyExFunction deleteKeyEx;
    memcpy(&deleteKeyEx, &address, sizeof deleteKeyEx);
    char path[kKeyPathSize];
    if (!BuildKeyPath(root, name, path, sizeof path)) return;
    if (path[0] == '\0') return;   // never the root key itself
    if (FilteredWrite(root, path) != ERROR_SUCCESS) return;
    deleteKeyEx(root, path, KEY_WOW64_64KEY, 0);
}

void DeleteValue(HKEY root, const char* key, const char* valueName) {
    char path[kKeyPathSize];
    if (!BuildKeyPath(root, key, path, sizeof path)) return;
    if (FilteredWrite(root, path) != ERROR_SUCCESS) return;
    HKEY handle = nullptr;
    if (RegOpenKeyExA(root, path, 0, KEY_WRITE, &handle) != ERROR_SUCCESS) return;
    RegDeleteValueA(handle, valueName != nullptr ? valueName : "");
    RegCloseKey(handle);
}

void DeleteKeyTree(HKEY root, const char* name) {
    char path[kKeyPathSize];
    if (!BuildKeyPath(root, name, path, sizeof path)) return;
    if (path[0] == '\0') return;   // an empty path is never deleted
    // On the 9x family one RegDeleteKeyA removes the subkeys too.
    if (NtMajorVersion() == 0 && DeleteKeyChecked(root, path) == ERROR_SUCCESS) return;
    int deleted;
    do {
        deleted = 0;
        DeleteStep(root, path, &deleted);
    } while (deleted != 0);
}

bool KeyExists(HKEY root, const char* name) {
    char path[kKeyPathSize];
    if (!BuildKeyPath(root, name, path, sizeof path)) return false;
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

void SetWriteView64(bool on) { g_writeViewBits = on ? KEY_WOW64_64KEY : 0; }

void SetRegistryWriteFilterForTesting(RegistryWriteFilter filter) { g_writeFilter = filter; }
