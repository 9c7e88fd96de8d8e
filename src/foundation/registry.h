// The registry access layer: every registry access of the program goes here.
//
// Each operation builds the full key path with BuildKeyPath, opens the key,
// does one thing and closes it again; no handle outlives a call. Names under
// HKEY_CURRENT_USER are mapped into the settings key Software\Lumvex unless
// they begin with a backslash. Reads take a default that stands for any
// failure. A name too long for BuildKeyPath behaves like a missing key.
#pragma once
#include <windows.h>

// Key path capacity used by every operation.
constexpr unsigned kKeyPathSize = 256;

// Builds the path of name under root into out (capacity bytes). Refuses names
// longer than capacity - 20 bytes. HKEY_CURRENT_USER: "\\X" gives "X", any
// other name is placed under Software\Lumvex ("" gives Software\Lumvex).
bool BuildKeyPath(HKEY root, const char* name, char* out, unsigned capacity);

// Creates or opens the key for writing (KEY_WRITE plus the write view bits).
// Returns nullptr on failure. The caller closes it with CloseKey.
HKEY OpenKeyForWrite(HKEY root, const char* name);
// Opens the key with KEY_QUERY_VALUE | KEY_ENUMERATE_SUB_KEYS, or nullptr.
HKEY OpenKeyForRead(HKEY root, const char* name);
// True when a handle was given and closed without error.
bool CloseKey(HKEY key);

// Writes return true when the key could be opened and closed; the value write
// itself is not part of the result. An empty value name is the default value.
bool WriteString(HKEY root, const char* key, const char* valueName, const char* text);
bool WriteSettingString(const char* key, const char* valueName, const char* text);
bool WriteDword(HKEY root, const char* key, const char* valueName, DWORD value);
bool WriteSettingDword(const char* key, const char* valueName, DWORD value);
bool WriteBinary(HKEY root, const char* key, const char* valueName, const void* data, DWORD length);

// Reads the value into out (size bytes). True when read and not empty;
// otherwise the default (cut to size) is copied into out and false returned.
bool ReadString(HKEY root, const char* key, const char* valueName, char* out,
                const char* defaultText, DWORD size);
bool ReadSettingString(const char* key, const char* valueName, char* out,
                       const char* defaultText, DWORD size);
// True when 1 to 4 bytes were read into *where; otherwise *where = defaultValue.
bool ReadDword(HKEY root, const char* key, const char* valueName, DWORD* where, DWORD defaultValue);
DWORD GetDword(HKEY root, const char* key, const char* valueName, DWORD defaultValue);
DWORD GetSettingDword(const char* key, const char* valueName, DWORD defaultValue);

// One RegDeleteKeyA (fails on NT while the key has subkeys).
void DeleteKey(HKEY root, const char* name);
// The same deletion in the 64-bit view of 64-bit Windows (RegDeleteKeyExA with
// KEY_WOW64_64KEY, looked up at run time). Does nothing where the system has
// no RegDeleteKeyExA (the 9x family, older NT versions). The write view
// switch is not used; DeleteKey itself keeps to the default view.
void DeleteKey64(HKEY root, const char* name);
void DeleteValue(HKEY root, const char* key, const char* valueName);
// Deletes the key and everything below it, in sweeps until one deletes
// nothing. An empty path is never deleted (HKEY_CLASSES_ROOT with "" is a
// no-op; HKEY_CURRENT_USER with "" removes the whole settings key).
void DeleteKeyTree(HKEY root, const char* name);
// True when the key can be opened with KEY_QUERY_VALUE.
bool KeyExists(HKEY root, const char* name);

// Switches OpenKeyForWrite (only) to the 64-bit view (KEY_WOW64_64KEY) or back.
void SetWriteView64(bool on);

// Test seam (tests only; the program never sets it). When a filter is set,
// every operation that changes the registry (OpenKeyForWrite and so every
// write, DeleteValue, DeleteKey and each deletion of DeleteKeyTree) first
// passes it the root and the full key path; a result other than ERROR_SUCCESS
// stands for the system call failing with that code (e.g. ERROR_ACCESS_DENIED,
// "no right to write HKEY_LOCAL_MACHINE", which Wine cannot produce) and the
// call is not made. nullptr removes the filter.
using RegistryWriteFilter = LONG (*)(HKEY root, const char* path);
void SetRegistryWriteFilterForTesting(RegistryWriteFilter filter);
