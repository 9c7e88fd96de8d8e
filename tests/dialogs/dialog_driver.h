// Drives the real uninstall.exe from a test: starts it, finds its dialogs,
// reads and clicks their controls, and records what it hands to WinHelp.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

// One started program. The destructor ends it if it is still running.
class DrivenProgram {
public:
    DrivenProgram() = default;
    ~DrivenProgram();
    DrivenProgram(const DrivenProgram&) = delete;
    DrivenProgram& operator=(const DrivenProgram&) = delete;

    // Starts "program" arguments in folder (its current folder).
    bool Start(const std::string& program, const std::string& arguments, const std::string& folder);
    // Waits (pumping this thread's messages) until a visible dialog of the
    // program holds a control with markerId and none with absentId (0: no
    // such condition); null when none appears while the program runs (or
    // within limitMs).
    HWND WaitForDialog(int markerId, int absentId = 0, DWORD limitMs = 20000);
    // Waits until the dialog window is gone.
    bool WaitUntilGone(HWND dialog, DWORD limitMs = 20000);
    // Waits for the program's end; false if it still runs after limitMs.
    bool WaitForExit(DWORD* exitCode, DWORD limitMs = 30000);
    DWORD ProcessId() const { return processId_; }
    // Every visible top-level window that the program showed while a Wait
    // function was watching it (class names).
    const std::vector<std::string>& VisibleWindowsSeen() const { return seen_; }

private:
    void Watch();
    HANDLE process_ = nullptr;
    DWORD processId_ = 0;
    std::vector<std::string> seen_;
};

// Pumps this thread's messages for a while, so that windows of the test (the
// help recorder) receive what other programs send them.
void PumpMessages(DWORD ms);

// Clicks a button or check box of a dialog and waits until the click is
// handled. Not for buttons that open a modal dialog (use PostClick).
void Click(HWND dialog, int id);
// Clicks without waiting.
void PostClick(HWND dialog, int id);
// Closes a dialog through its close box (the system menu's Close command).
void PressCloseBox(HWND dialog);

bool IsChecked(HWND dialog, int id);
bool IsEnabled(HWND dialog, int id);
std::wstring TextOf(HWND window);
std::wstring ControlText(HWND dialog, int id);
std::wstring Wide(const char* utf8);
std::string Utf8(const std::wstring& text);

// What WinHelp was asked to do: a window of the class WinHelp delivers its
// requests to, living in the test, records each request.
struct HelpRequest {
    UINT command;
    ULONG_PTR data;
    std::string file;
};
class HelpRecorder {
public:
    HelpRecorder();
    ~HelpRecorder();
    HelpRecorder(const HelpRecorder&) = delete;
    HelpRecorder& operator=(const HelpRecorder&) = delete;
    bool Ok() const { return window_ != nullptr; }
    // Pumps messages until at least count requests arrived (or limitMs).
    const std::vector<HelpRequest>& WaitFor(size_t count, DWORD limitMs = 10000);
    void Clear();
private:
    HWND window_ = nullptr;
};
