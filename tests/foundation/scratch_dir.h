// A scratch folder for tests: <temp>\lumvex-<tag>-<process id>, made empty at
// construction and removed with everything in it at destruction. Wide names
// with the \\?\ prefix, so that paths past MAX_PATH work too.
#pragma once
#include <windows.h>

#include <cwchar>
#include <string>

class ScratchDir {
public:
    explicit ScratchDir(const wchar_t* tag) {
        wchar_t temp[MAX_PATH + 1];
        DWORD n = GetTempPathW(MAX_PATH + 1, temp);
        if (n == 0 || n > MAX_PATH) return;
        wchar_t name[64];
        swprintf(name, 64, L"lumvex-%ls-%lu", tag, static_cast<unsigned long>(GetCurrentProcessId()));
        path_ = std::wstring(temp) + name;
        RemoveTree(Long(path_));
        ok_ = CreateDirectoryW(path_.c_str(), nullptr) != 0;
    }
    ~ScratchDir() {
        if (!path_.empty()) RemoveTree(Long(path_));
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    bool ok() const { return ok_; }
    // The folder, without a trailing backslash.
    const std::wstring& path() const { return path_; }
    std::wstring operator/(const std::wstring& name) const { return path_ + L"\\" + name; }

    // The \\?\ form of a full path.
    static std::wstring Long(const std::wstring& path) { return L"\\\\?\\" + path; }

    // Writes a file with the given bytes (any path form); true on success.
    static bool WriteFile(const std::wstring& path, const void* data, DWORD length) {
        HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h == INVALID_HANDLE_VALUE) return false;
        DWORD done = 0;
        BOOL ok = ::WriteFile(h, data, length, &done, nullptr);
        CloseHandle(h);
        return ok && done == length;
    }

    static void RemoveTree(const std::wstring& path) {
        WIN32_FIND_DATAW fd;
        HANDLE find = FindFirstFileW((path + L"\\*").c_str(), &fd);
        if (find != INVALID_HANDLE_VALUE) {
            do {
                if (wcscmp(fd.cFileName, L".") == 0 || wcscmp(fd.cFileName, L"..") == 0) continue;
                std::wstring child = path + L"\\" + fd.cFileName;
                if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                    RemoveTree(child);
                } else {
                    SetFileAttributesW(child.c_str(), FILE_ATTRIBUTE_NORMAL);
                    DeleteFileW(child.c_str());
                }
            } while (FindNextFileW(find, &fd));
            FindClose(find);
        }
        RemoveDirectoryW(path.c_str());
    }

private:
    std::wstring path_;
    bool ok_ = false;
};

// ANSI form of a wide text in the ANSI code page ("" when it cannot be had).
inline std::string AnsiOf(const std::wstring& wide) {
    int n = WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
    if (n <= 0) return std::string();
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, &out[0], n, nullptr, nullptr);
    out.resize(static_cast<size_t>(n - 1));
    return out;
}
