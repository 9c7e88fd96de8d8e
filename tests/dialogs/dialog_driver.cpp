// Driving the real program's dialogs from a test.
#include "dialogs/dialog_driver.h"

namespace {

struct FindData {
    DWORD processId;
    int markerId;
    int absentId;
    HWND found;
    std::vector<std::string>* seen;
};

BOOL CALLBACK FindDialog(HWND window, LPARAM param) {
    FindData* data = reinterpret_cast<FindData*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid != data->processId || !IsWindowVisible(window)) return TRUE;
    if (data->seen) {
        char cls[256] = "";
        GetClassNameA(window, cls, sizeof cls);
        // The class, then which of the program's dialogs it is, for messages.
        std::string seen = cls;
        if (GetDlgItem(window, 5122)) seen += "(setup)";
        else if (GetDlgItem(window, 5101)) seen += "(completion)";
        else if (GetDlgItem(window, 111)) seen += "(items)";
        seen += " \"" + Utf8(TextOf(window)) + "\"";
        data->seen->push_back(seen);
    }
    if (data->markerId && GetDlgItem(window, data->markerId) &&
        !(data->absentId && GetDlgItem(window, data->absentId)) && !data->found)
        data->found = window;
    return TRUE;
}

std::vector<HelpRequest> helpRequests;

LRESULT CALLBACK HelpWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COPYDATA) {
        const COPYDATASTRUCT* copy = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        const BYTE* block = static_cast<const BYTE*>(copy->lpData);
        // size, command, data, reserved, offset of the file name, offset of data
        if (block && copy->cbData >= 16) {
            HelpRequest request;
            request.command = *reinterpret_cast<const WORD*>(block + 2);
            request.data = static_cast<ULONG_PTR>(*reinterpret_cast<const LONG*>(block + 4));
            WORD nameOffset = *reinterpret_cast<const WORD*>(block + 12);
            if (nameOffset && nameOffset < copy->cbData) {
                const char* name = reinterpret_cast<const char*>(block + nameOffset);
                request.file.assign(name, strnlen(name, copy->cbData - nameOffset));
            }
            helpRequests.push_back(request);
        }
        return TRUE;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

DrivenProgram::~DrivenProgram() {
    if (process_) {
        if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) {
            TerminateProcess(process_, 99);
            WaitForSingleObject(process_, 5000);
        }
        CloseHandle(process_);
    }
}

bool DrivenProgram::Start(const std::string& program, const std::string& arguments,
                          const std::string& folder) {
    std::string line = "\"" + program + "\" " + arguments;
    std::vector<char> buffer(line.begin(), line.end());
    buffer.push_back('\0');
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    if (!CreateProcessA(program.c_str(), buffer.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &info)) {
        return false;
    }
    CloseHandle(info.hThread);
    process_ = info.hProcess;
    processId_ = info.dwProcessId;
    return true;
}

void DrivenProgram::Watch() {
    FindData data = {processId_, 0, 0, nullptr, &seen_};
    EnumWindows(FindDialog, reinterpret_cast<LPARAM>(&data));
}

HWND DrivenProgram::WaitForDialog(int markerId, int absentId, DWORD limitMs) {
    for (DWORD waited = 0;; waited += 50) {
        FindData data = {processId_, markerId, absentId, nullptr, &seen_};
        EnumWindows(FindDialog, reinterpret_cast<LPARAM>(&data));
        if (data.found) return data.found;
        if (waited >= limitMs || WaitForSingleObject(process_, 0) != WAIT_TIMEOUT) return nullptr;
        PumpMessages(50);
    }
}

bool DrivenProgram::WaitUntilGone(HWND dialog, DWORD limitMs) {
    for (DWORD waited = 0; waited < limitMs; waited += 50) {
        if (!IsWindow(dialog)) return true;
        PumpMessages(50);
    }
    return !IsWindow(dialog);
}

bool DrivenProgram::WaitForExit(DWORD* exitCode, DWORD limitMs) {
    for (DWORD waited = 0; waited < limitMs; waited += 20) {
        Watch();
        if (WaitForSingleObject(process_, 0) != WAIT_TIMEOUT) {
            GetExitCodeProcess(process_, exitCode);
            return true;
        }
        PumpMessages(20);
    }
    return false;
}

void PumpMessages(DWORD ms) {
    DWORD start = GetTickCount();
    do {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    } while (GetTickCount() - start < ms);
}

void Click(HWND dialog, int id) {
    DWORD_PTR result = 0;
    SendMessageTimeoutA(GetDlgItem(dialog, id), BM_CLICK, 0, 0, SMTO_NORMAL, 10000, &result);
}

void PostClick(HWND dialog, int id) { PostMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

void PressCloseBox(HWND dialog) { PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); }

bool IsChecked(HWND dialog, int id) {
    return SendMessageA(GetDlgItem(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

bool IsEnabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }

std::wstring TextOf(HWND window) {
    wchar_t text[2048] = L"";
    GetWindowTextW(window, text, 2048);
    return text;
}

std::wstring ControlText(HWND dialog, int id) { return TextOf(GetDlgItem(dialog, id)); }

std::wstring Wide(const char* utf8) {
    int n = MultiByteToWideChar(CP_UTF8, 0, utf8, -1, nullptr, 0);
    std::wstring out(static_cast<size_t>(n > 0 ? n - 1 : 0), L'\0');
    if (n > 1) MultiByteToWideChar(CP_UTF8, 0, utf8, -1, &out[0], n);
    return out;
}

std::string Utf8(const std::wstring& text) {
    int n = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(n > 0 ? n - 1 : 0), '\0');
    if (n > 1) WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, &out[0], n, nullptr, nullptr);
    return out;
}

HelpRecorder::HelpRecorder() {
    WNDCLASSA cls = {};
    cls.lpfnWndProc = HelpWindowProc;
    cls.hInstance = GetModuleHandleA(nullptr);
    cls.lpszClassName = "MS_WINHELP";
    RegisterClassA(&cls);
    window_ = CreateWindowA("MS_WINHELP", "help recorder", WS_OVERLAPPED, 0, 0, 10, 10, nullptr,
                            nullptr, cls.hInstance, nullptr);
    helpRequests.clear();
}

HelpRecorder::~HelpRecorder() {
    if (window_) DestroyWindow(window_);
    UnregisterClassA("MS_WINHELP", GetModuleHandleA(nullptr));
}

const std::vector<HelpRequest>& HelpRecorder::WaitFor(size_t count, DWORD limitMs) {
    for (DWORD waited = 0; waited < limitMs && helpRequests.size() < count; waited += 20)
        PumpMessages(20);
    return helpRequests;
}

void HelpRecorder::Clear() { helpRequests.clear(); }
