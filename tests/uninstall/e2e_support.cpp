// Support for the end-to-end tests of uninstall.exe.
#include "uninstall/e2e_support.h"

#include <set>

namespace e2e {

std::string BinDir() {
    char path[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, path, sizeof(path));
    std::string p(path, n);
    return p.substr(0, p.rfind('\\'));
}

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool WriteBytes(const std::string& path, const std::string& bytes) {
    HANDLE f = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (f == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    BOOL ok = WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(f);
    return ok && written == bytes.size();
}

std::string ReadBytes(const std::string& path) {
    std::string bytes;
    HANDLE f = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, 0, nullptr);
    if (f == INVALID_HANDLE_VALUE) return bytes;
    char buffer[65536];
    DWORD got = 0;
    while (ReadFile(f, buffer, sizeof(buffer), &got, nullptr) && got > 0) bytes.append(buffer, got);
    CloseHandle(f);
    return bytes;
}

bool MakeDirs(const std::string& path) {
    if (Exists(path)) return true;
    // The parent: up to the last backslash character (a trail byte 0x5C of a
    // double-byte character is not one).
    size_t parentEnd = std::string::npos;
    for (const char* p = path.c_str(); *p != '\0'; p = CharNextA(p)) {
        if (*p == '\\') parentEnd = static_cast<size_t>(p - path.c_str());
    }
    if (parentEnd != std::string::npos && parentEnd > 2) MakeDirs(path.substr(0, parentEnd));
    return CreateDirectoryA(path.c_str(), nullptr) || Exists(path);
}

void RemoveTree(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return;
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        DeleteFileA(path.c_str());
        return;
    }
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((path + "\\*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            std::string name = data.cFileName;
            if (name != "." && name != "..") RemoveTree(path + "\\" + name);
        } while (FindNextFileA(find, &data));
        FindClose(find);
    }
    RemoveDirectoryA(path.c_str());
}

bool WaitUntilExists(const std::string& path, int timeoutMs) {
    for (int waited = 0; !Exists(path); waited += 50) {
        if (waited >= timeoutMs) return false;
        Sleep(50);
    }
    return true;
}

bool WaitUntilGone(const std::string& path, int timeoutMs) {
    for (int waited = 0; Exists(path); waited += 50) {
        if (waited >= timeoutMs) return false;
        Sleep(50);
    }
    return true;
}

namespace {

struct BoxSearch {
    DWORD processId;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectBoxes(HWND window, LPARAM param) {
    BoxSearch* search = reinterpret_cast<BoxSearch*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    char className[64] = "";
    GetClassNameA(window, className, sizeof(className));
    if (pid == search->processId && IsWindowVisible(window) && lstrcmpA(className, "#32770") == 0) {
        search->found.push_back(window);
    }
    return TRUE;
}

struct TextSearch {
    std::string text;
};

// The message of a box: the longest text of its static controls (the other
// static control holds the icon).
BOOL CALLBACK CollectStaticText(HWND child, LPARAM param) {
    TextSearch* search = reinterpret_cast<TextSearch*>(param);
    char className[64] = "";
    GetClassNameA(child, className, sizeof(className));
    if (lstrcmpiA(className, "Static") == 0) {
        char text[2048] = "";
        GetWindowTextA(child, text, sizeof(text));
        if (lstrlenA(text) > static_cast<int>(search->text.size())) search->text = text;
    }
    return TRUE;
}

Box ReadBox(HWND box) {
    Box result;
    char caption[512] = "";
    GetWindowTextA(box, caption, sizeof(caption));
    result.caption = caption;
    TextSearch search;
    EnumChildWindows(box, CollectStaticText, reinterpret_cast<LPARAM>(&search));
    result.text = search.text;
    result.hasYes = GetDlgItem(box, IDYES) != nullptr;
    return result;
}

}  // namespace

RunResult RunWatched(const std::string& commandLine, int yesNoAnswer) {
    RunResult result;
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    std::string command = commandLine;
    if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        return result;
    }
    result.started = true;
    std::set<HWND> answered;
    for (int waited = 0; waited < 60000; waited += 100) {
        if (WaitForSingleObject(process.hProcess, 100) == WAIT_OBJECT_0) {
            result.ended = true;
            break;
        }
        BoxSearch search{process.dwProcessId, {}};
        EnumWindows(CollectBoxes, reinterpret_cast<LPARAM>(&search));
        for (HWND box : search.found) {
            if (answered.count(box)) continue;
            Sleep(200);   // let the box finish drawing its text
            Box seen = ReadBox(box);
            result.boxes.push_back(seen);
            answered.insert(box);
            PostMessageA(box, WM_COMMAND, MAKEWPARAM(seen.hasYes ? yesNoAnswer : IDOK, BN_CLICKED), 0);
        }
    }
    if (!result.ended) TerminateProcess(process.hProcess, 99);
    GetExitCodeProcess(process.hProcess, &result.exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return result;
}

std::vector<std::string> PendingDeletions() {
    std::vector<std::string> paths;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "System\\CurrentControlSet\\Control\\Session Manager", 0,
                      KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) {
        return paths;
    }
    DWORD type = 0, size = 0;
    if (RegQueryValueExW(key, L"PendingFileRenameOperations", nullptr, &type, nullptr, &size) ==
            ERROR_SUCCESS &&
        size > 0) {
        std::wstring data(size / sizeof(wchar_t) + 2, L'\0');
        RegQueryValueExW(key, L"PendingFileRenameOperations", nullptr, &type,
                         reinterpret_cast<BYTE*>(&data[0]), &size);
        std::vector<std::wstring> strings;
        size_t count = size / sizeof(wchar_t);
        for (size_t i = 0; i < count;) {
            std::wstring s(data.c_str() + i);
            strings.push_back(s);
            i += s.size() + 1;
        }
        for (size_t i = 0; i + 1 < strings.size(); i += 2) {
            if (strings[i].empty()) break;   // the list's terminating empty string
            if (!strings[i + 1].empty()) continue;   // a rename, not a deletion
            std::wstring from = strings[i];
            if (from.compare(0, 4, L"\\??\\") == 0) from = from.substr(4);
            char ansi[2048] = "";
            WideCharToMultiByte(CP_ACP, 0, from.c_str(), -1, ansi, sizeof(ansi), nullptr, nullptr);
            paths.push_back(ansi);
        }
    }
    RegCloseKey(key);
    return paths;
}

bool Contains(const std::vector<std::string>& list, const std::string& item) {
    for (const std::string& s : list) {
        if (lstrcmpiA(s.c_str(), item.c_str()) == 0) return true;
    }
    return false;
}

Holder::Holder(const char* mode, const std::string& path, const std::string& scratch) {
    std::string ready = scratch + "\\holder.ready";
    stop_ = scratch + "\\holder.stop";
    DeleteFileA(ready.c_str());
    DeleteFileA(stop_.c_str());
    std::string command = "\"" + BinDir() + "\\hold_file.exe\" " + mode + " \"" + path + "\" \"" + ready +
                          "\" \"" + stop_ + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        return;
    }
    CloseHandle(process.hThread);
    process_ = process.hProcess;
    for (int waited = 0; waited < 30000; waited += 50) {
        if (Exists(ready)) {
            holding_ = true;
            break;
        }
        if (WaitForSingleObject(process_, 50) == WAIT_OBJECT_0) break;
    }
}

Holder::~Holder() { Stop(); }

void Holder::Stop() {
    if (process_ == nullptr) return;
    WriteBytes(stop_, "stop");
    if (WaitForSingleObject(process_, 10000) != WAIT_OBJECT_0) TerminateProcess(process_, 1);
    CloseHandle(process_);
    process_ = nullptr;
    holding_ = false;
}

Scenario::Scenario(const std::string& name, const std::string& installName) {
    base_ = "C:\\lumvex e2e\\" + name;
    RemoveTree(base_);
    install_ = base_ + "\\" + installName;
    temp_ = base_ + "\\temp";
    MakeDirs(install_);
    MakeDirs(temp_);
    CopyFileA((BinDir() + "\\uninstall.exe").c_str(), Program().c_str(), FALSE);
}

Scenario::~Scenario() { RemoveTree(base_); }

void Scenario::SetInstall(const std::string& folder) {
    std::string oldProgram = Program();
    install_ = folder;
    MakeDirs(install_);
    CopyFileA(oldProgram.c_str(), Program().c_str(), FALSE);
    DeleteFileA(oldProgram.c_str());
}

void Scenario::WriteList(const std::string& bytes) const { WriteBytes(Path("Uninstall.lst"), bytes); }

RunResult Scenario::Run(const std::string& arguments, int yesNoAnswer, const std::string& interpreter) const {
    std::string comspec = interpreter.empty() ? BinDir() + "\\fake_interpreter.exe" : interpreter;
    SetEnvironmentVariableA("COMSPEC", comspec.c_str());
    SetEnvironmentVariableA("TEMP", temp_.c_str());
    SetEnvironmentVariableA("TMP", temp_.c_str());
    SetEnvironmentVariableA("LUMVEX_RECORD", RecordPath().c_str());
    std::string command = "\"" + Program() + "\"";
    if (!arguments.empty()) command += " " + arguments;
    return RunWatched(command, yesNoAnswer);
}

std::string Scenario::RecordedScript() const {
    if (!WaitUntilExists(RecordPath(), 20000)) return "<no script was started>";
    return ReadBytes(RecordPath() + ".bat");
}

std::string Scenario::Record() const {
    if (!WaitUntilExists(RecordPath(), 20000)) return "<no script was started>";
    return ReadBytes(RecordPath());
}

std::string SystemInterpreter() {
    char folder[MAX_PATH];
    GetSystemDirectoryA(folder, sizeof(folder));
    return std::string(folder) + "\\cmd.exe";
}

}  // namespace e2e
