// Runs a Windows program from a test and watches its windows: every message
// box it shows is recorded (caption, text, buttons, when) and closed with No
// when it has that button, else with OK.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

struct SeenBox {
    std::string caption;
    std::string text;
    std::vector<int> buttons;   // control ids of its buttons
    DWORD shownAfterMs;         // since the program was started
    DWORD closedAfterMs;
};

struct ProgramRun {
    bool started = false;
    bool ended = false;                  // false: killed after the time limit
    DWORD exitCode = 0;
    DWORD elapsedMs = 0;
    std::vector<SeenBox> boxes;
    std::vector<std::string> otherWindows;   // classes of other visible windows
};

// Starts program with the given arguments (the command line is the quoted
// program path, a blank and arguments) in workingFolder, watches it until it
// ends or limitMs has passed (then kills it).
ProgramRun RunProgram(const std::string& program, const std::string& arguments,
                      const std::string& workingFolder, DWORD limitMs = 30000);

// build/bin, the test program's own folder, with a closing backslash.
std::string BinFolder();

// A fresh folder in the temporary folder (name given in the ANSI code page),
// removed with everything in it by the destructor.
class ScratchFolder {
public:
    explicit ScratchFolder(const std::string& name);
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const std::string& Path() const { return path_; }   // with a closing backslash
    bool Ok() const { return ok_; }
private:
    void Remove();
    std::string path_;
    bool ok_ = false;
};

bool FileExists(const std::string& path);
std::string ReadWholeFile(const std::string& path);
bool WriteWholeFile(const std::string& path, const std::string& data);
