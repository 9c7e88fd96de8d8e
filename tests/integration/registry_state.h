// Test helpers that set up and read back registry state directly through the
// API (never through the program's own registry layer), for use inside a
// RegistrySandbox.
#pragma once
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace regstate {

inline bool SetString(HKEY root, const std::string& path, const char* name, const std::string& text) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(root, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                        nullptr, &key, nullptr) != ERROR_SUCCESS)
        return false;
    LONG r = RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                            static_cast<DWORD>(text.size() + 1));
    RegCloseKey(key);
    return r == ERROR_SUCCESS;
}

inline bool SetDword(HKEY root, const std::string& path, const char* name, DWORD value) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(root, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                        nullptr, &key, nullptr) != ERROR_SUCCESS)
        return false;
    LONG r = RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), 4);
    RegCloseKey(key);
    return r == ERROR_SUCCESS;
}

inline bool MakeKey(HKEY root, const std::string& path) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(root, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                        nullptr, &key, nullptr) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

inline bool Exists(HKEY root, const std::string& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

inline std::string Hex(const BYTE* data, DWORD length) {
    static const char digits[] = "0123456789ABCDEF";
    std::string text;
    for (DWORD i = 0; i < length; ++i) {
        if (i) text += ' ';
        text += digits[data[i] >> 4];
        text += digits[data[i] & 15];
    }
    return text;
}

// One value as text: the string itself for REG_SZ, "dword:N" for REG_DWORD,
// "hex:.." otherwise; "<none>" when the value (or its key) is missing.
inline std::string Value(HKEY root, const std::string& path, const char* name) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return "<none>";
    BYTE data[4096];
    DWORD type = 0, length = sizeof data;
    LONG r = RegQueryValueExA(key, name, nullptr, &type, data, &length);
    RegCloseKey(key);
    if (r != ERROR_SUCCESS) return "<none>";
    if (type == REG_SZ) return std::string(reinterpret_cast<char*>(data), length ? strnlen(reinterpret_cast<char*>(data), length) : 0);
    if (type == REG_DWORD && length == 4) return "dword:" + std::to_string(*reinterpret_cast<DWORD*>(data));
    return "hex:" + Hex(data, length);
}

inline void DumpInto(HKEY root, const std::string& path, const std::string& prefix,
                     std::vector<std::string>& lines) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return;
    std::vector<std::string> names, subkeys;
    for (DWORD i = 0;; ++i) {
        char name[512];
        DWORD size = sizeof name;
        if (RegEnumValueA(key, i, name, &size, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        names.push_back(name);
    }
    for (DWORD i = 0;; ++i) {
        char name[512];
        DWORD size = sizeof name;
        if (RegEnumKeyExA(key, i, name, &size, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        subkeys.push_back(name);
    }
    RegCloseKey(key);
    if (names.empty() && subkeys.empty()) lines.push_back(prefix + "(key)");
    for (const std::string& n : names)
        lines.push_back(prefix + (n.empty() ? "@" : n) + "=" + Value(root, path, n.c_str()));
    for (const std::string& s : subkeys) DumpInto(root, path + "\\" + s, prefix + s + "\\", lines);
}

// The key and everything below it, one sorted line per value
// ("@=default", "Name=text", "Sub\Name=dword:1"), "(key)" for an empty key,
// "<no key>" when the key is missing.
inline std::string Dump(HKEY root, const std::string& path) {
    if (!Exists(root, path)) return "<no key>";
    std::vector<std::string> lines;
    DumpInto(root, path, "", lines);
    std::sort(lines.begin(), lines.end());
    std::string text;
    for (const std::string& l : lines) text += l + "\n";
    return text;
}

// Expected text in the form Dump gives: lines separated by '|', sorted here.
inline std::string Lines(const std::string& joined) {
    if (joined == "<no key>") return joined;
    std::vector<std::string> lines;
    size_t start = 0;
    while (start <= joined.size()) {
        size_t end = joined.find('|', start);
        if (end == std::string::npos) end = joined.size();
        if (end > start) lines.push_back(joined.substr(start, end - start));
        start = end + 1;
    }
    std::sort(lines.begin(), lines.end());
    std::string text;
    for (const std::string& l : lines) text += l + "\n";
    return text;
}

}  // namespace regstate
