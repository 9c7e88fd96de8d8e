// Snapshots of registry subtrees and folders, and their difference.
#include "support/snapshot.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

std::string HexBytes(const unsigned char* data, size_t length) {
    std::string text;
    char byte[4];
    for (size_t i = 0; i < length; ++i) {
        snprintf(byte, sizeof byte, i ? " %02X" : "%02X", data[i]);
        text += byte;
    }
    return text;
}

bool ContainsLine(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

namespace {

std::string ValueText(DWORD type, const std::vector<unsigned char>& data, DWORD length) {
    switch (type) {
    case REG_SZ:
    case REG_EXPAND_SZ: {
        std::string text(reinterpret_cast<const char*>(data.data()), length);
        while (!text.empty() && text.back() == '\0') text.pop_back();
        return (type == REG_SZ ? "SZ \"" : "EXPAND_SZ \"") + text + "\"";
    }
    case REG_DWORD:
        if (length == 4) {
            DWORD number;
            memcpy(&number, data.data(), 4);
            return "DWORD " + std::to_string(number);
        }
        break;
    default:
        break;
    }
    return "TYPE" + std::to_string(type) + " " + HexBytes(data.data(), length);
}

bool Listed(const std::vector<std::string>& names, const std::string& name) {
    for (const std::string& n : names) {
        if (lstrcmpiA(n.c_str(), name.c_str()) == 0) return true;
    }
    return false;
}

void AddKey(Snapshot& snapshot, HKEY key, const std::string& id, REGSAM view,
            const std::vector<std::string>& skip = {}, const std::vector<std::string>& shallow = {}) {
    snapshot[id] = "";
    DWORD subkeys = 0, maxSubkey = 0, values = 0, maxName = 0, maxData = 0;
    if (RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &subkeys, &maxSubkey, nullptr, &values,
                         &maxName, &maxData, nullptr, nullptr) != ERROR_SUCCESS) {
        return;
    }
    std::vector<char> name(maxName + 2);
    std::vector<unsigned char> data(maxData + 2);
    for (DWORD i = 0;; ++i) {
        DWORD nameLength = static_cast<DWORD>(name.size());
        DWORD dataLength = static_cast<DWORD>(data.size());
        DWORD type = 0;
        LONG r = RegEnumValueA(key, i, name.data(), &nameLength, nullptr, &type, data.data(), &dataLength);
        if (r == ERROR_MORE_DATA) {
            name.resize(name.size() * 2 + 256);
            data.resize(data.size() * 2 + 256);
            --i;
            continue;
        }
        if (r != ERROR_SUCCESS) break;
        snapshot[id + " [" + std::string(name.data(), nameLength) + "]"] = ValueText(type, data, dataLength);
    }
    std::vector<std::string> children;
    char child[512];
    for (DWORD i = 0;; ++i) {
        DWORD length = sizeof child;
        if (RegEnumKeyExA(key, i, child, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        children.emplace_back(child, length);
    }
    for (const std::string& c : children) {
        if (Listed(skip, c)) continue;
        if (Listed(shallow, c)) {
            snapshot[id + "\\" + c] = "";
            continue;
        }
        HKEY sub;
        if (RegOpenKeyExA(key, c.c_str(), 0, KEY_READ | view, &sub) == ERROR_SUCCESS) {
            AddKey(snapshot, sub, id + "\\" + c, view);
            RegCloseKey(sub);
        }
    }
}

void AddFolder(Snapshot& snapshot, const std::string& folder, const std::string& id) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    std::vector<std::string> subfolders;
    do {
        std::string name = found.cFileName;
        if (name == "." || name == "..") continue;
        bool isFolder = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        snapshot[id + "\\" + name] = isFolder ? "<dir>" : "<file>";
        if (isFolder) subfolders.push_back(name);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    for (const std::string& name : subfolders) AddFolder(snapshot, folder + "\\" + name, id + "\\" + name);
}

}  // namespace

void AddRegistryTree(Snapshot& snapshot, HKEY root, const char* path, REGSAM view, const char* label,
                     const std::vector<std::string>& skip, const std::vector<std::string>& shallow) {
    HKEY key;
    if (RegOpenKeyExA(root, path, 0, KEY_READ | view, &key) != ERROR_SUCCESS) return;
    std::string id = label;
    if (path[0]) id += std::string("\\") + path;
    AddKey(snapshot, key, id, view, skip, shallow);
    RegCloseKey(key);
}

void AddRegistryTree(Snapshot& snapshot, HKEY root, const char* path, REGSAM view, const char* label) {
    AddRegistryTree(snapshot, root, path, view, label, {}, {});
}

std::vector<std::string> LowerCase(std::vector<std::string> lines) {
    for (std::string& line : lines) {
        for (char& c : line) {
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        }
    }
    std::sort(lines.begin(), lines.end());
    return lines;
}

void AddFolderTree(Snapshot& snapshot, const char* folder, const char* label) {
    AddFolder(snapshot, folder, label);
}

std::vector<std::string> SnapshotDifference(const Snapshot& before, const Snapshot& after) {
    std::vector<std::string> lines;
    auto describe = [](const std::string& id, const std::string& content) {
        return (content.empty() || content[0] == '<') ? id : id + " = " + content;
    };
    auto b = before.begin();
    auto a = after.begin();
    while (b != before.end() || a != after.end()) {
        if (a == after.end() || (b != before.end() && b->first < a->first)) {
            lines.push_back("- " + describe(b->first, b->second));
            ++b;
        } else if (b == before.end() || a->first < b->first) {
            lines.push_back("+ " + describe(a->first, a->second));
            ++a;
        } else {
            if (a->second != b->second) lines.push_back("~ " + a->first + " = " + b->second + " -> " + a->second);
            ++a;
            ++b;
        }
    }
    return lines;
}

std::string JoinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += "    " + line + "\n";
    return text;
}
