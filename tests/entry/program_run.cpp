// Runs a Windows program from a test and watches its windows.
#include "entry/program_run.h"

#include <shellapi.h>

#include <algorithm>

namespace {

struct Watch {
    DWORD processId;
    DWORD start;
    ProgramRun* run;
    std::vector<HWND>* handled;
};

BOOL CALLBACK CollectButton(HWND child, LPARAM param) {
    char cls[64] = "";
    GetClassNameA(child, cls, sizeof cls);
    if (lstrcmpiA(cls, "Button") == 0 && IsWindowVisible(child)) {
        reinterpret_cast<std::vector<int>*>(param)->push_back(GetDlgCtrlID(child));
    }
    return TRUE;
}

BOOL CALLBACK LookAtWindow(HWND window, LPARAM param) {
    Watch* watch = reinterpret_cast<Watch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != watch->processId || !IsWindowVisible(window)) return TRUE;
    if (std::find(watch->handled->begin(), watch->handled->end(), window) != watch->handled->end()) {
        return TRUE;
    }
    watch->handled->push_back(window);
    char cls[64] = "";
    GetClassNameA(window, cls, sizeof cls);
    if (lstrcmpA(cls, "#32770") != 0) {
        watch->run->otherWindows.push_back(cls);
        return TRUE;
    }
    SeenBox box;
    box.shownAfterMs = GetTickCount() - watch->start;
    char text[2048] = "";
    GetWindowTextA(window, text, sizeof text);
    box.caption = text;
    text[0] = '\0';
    GetDlgItemTextA(window, 0xFFFF, text, sizeof text);   // the message box's text
    box.text = text;
    EnumChildWindows(window, CollectButton, reinterpret_cast<LPARAM>(&box.buttons));
    // The negative answer where there is one (a question is answered No).
    int answer = std::find(box.buttons.begin(), box.buttons.end(), IDNO) != box.buttons.end() ? IDNO : IDOK;
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED), 0);
    box.closedAfterMs = GetTickCount() - watch->start;
    watch->run->boxes.push_back(box);
    return TRUE;
}

}  // namespace

ProgramRun RunProgram(const std::string& program, const std::string& arguments,
                      const std::string& workingFolder, DWORD limitMs) {
    ProgramRun run;
    std::string commandLine = "\"" + program + "\"" + (arguments.empty() ? "" : " " + arguments);
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    DWORD start = GetTickCount();
    if (!CreateProcessA(program.c_str(), line.data(), nullptr, nullptr, FALSE, 0,
                        nullptr, workingFolder.c_str(),
                        &startup, &process)) {
        return run;
    }
    run.started = true;
    std::vector<HWND> handled;
    Watch watch = {process.dwProcessId, start, &run, &handled};
    for (;;) {
        DWORD wait = WaitForSingleObject(process.hProcess, 50);
        if (wait == WAIT_OBJECT_0) {
            run.ended = true;
            break;
        }
        EnumWindows(LookAtWindow, reinterpret_cast<LPARAM>(&watch));
        if (GetTickCount() - start > limitMs) {
            TerminateProcess(process.hProcess, 99);
            WaitForSingleObject(process.hProcess, 5000);
            break;
        }
    }
    run.elapsedMs = GetTickCount() - start;
    GetExitCodeProcess(process.hProcess, &run.exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return run;
}

std::string BinFolder() {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

ScratchFolder::ScratchFolder(const std::string& name) {
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    path_ = std::string(temp) + name + "-" + std::to_string(GetCurrentProcessId()) + "\\";
    Remove();   // left over from an earlier run
    ok_ = CreateDirectoryA(path_.c_str(), nullptr) != FALSE;
}

ScratchFolder::~ScratchFolder() { Remove(); }

void ScratchFolder::Remove() {
    // SHFileOperation wants a double-terminated list.
    std::string from = path_.substr(0, path_.size() - 1);
    from.push_back('\0');
    from.push_back('\0');
    SHFILEOPSTRUCTA op = {};
    op.wFunc = FO_DELETE;
    op.pFrom = from.c_str();
    op.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
    if (GetFileAttributesA(path_.c_str()) != INVALID_FILE_ATTRIBUTES) SHFileOperationA(&op);
}

bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string ReadWholeFile(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::string();
    std::string data;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) data.append(buffer, got);
    CloseHandle(file);
    return data;
}

bool WriteWholeFile(const std::string& path, const std::string& data) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    bool ok = WriteFile(file, data.data(), static_cast<DWORD>(data.size()), &written, nullptr) &&
              written == data.size();
    CloseHandle(file);
    return ok;
}
