// Support for the end-to-end tests of uninstall.exe: scratch installations,
// running the real program with a watcher that answers its message boxes,
// helper processes that hold files, and what the system recorded
// (PendingFileRenameOperations).
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

// build/bin, where the test program, uninstall.exe and the helpers are.
std::string BinDir();

bool Exists(const std::string& path);
bool WriteBytes(const std::string& path, const std::string& bytes);
std::string ReadBytes(const std::string& path);
bool MakeDirs(const std::string& path);
// Deletes a tree (attributes cleared first); a missing tree is fine.
void RemoveTree(const std::string& path);
// Waits up to timeoutMs for a condition on a path; true when it came true.
bool WaitUntilExists(const std::string& path, int timeoutMs);
bool WaitUntilGone(const std::string& path, int timeoutMs);

struct Box {
    std::string caption;
    std::string text;
    bool hasYes = false;
};

struct RunResult {
    bool started = false;
    bool ended = false;          // within the time allowed
    DWORD exitCode = 0;
    std::vector<Box> boxes;      // every message box the program showed, in order
};

// Runs commandLine and waits for it to end (60 s at most). Every message box
// the process shows is read (caption and text) and answered: yesNoAnswer
// (IDYES or IDNO) for a box with a Yes button, IDOK for any other.
RunResult RunWatched(const std::string& commandLine, int yesNoAnswer);

// The paths scheduled for deletion at restart (PendingFileRenameOperations
// entries without a new name), without their "\??\" prefix.
std::vector<std::string> PendingDeletions();
bool Contains(const std::vector<std::string>& list, const std::string& item);

// A helper process that holds a file open without sharing deletion ("open")
// or loaded as a library ("load") until Stop or destruction.
class Holder {
public:
    Holder(const char* mode, const std::string& path, const std::string& scratch);
    ~Holder();
    Holder(const Holder&) = delete;
    Holder& operator=(const Holder&) = delete;
    bool Holding() const { return holding_; }
    void Stop();

private:
    std::string stop_;
    HANDLE process_ = nullptr;
    bool holding_ = false;
};

// A scratch installation: base folder C:\lumvex e2e\<name>, the installation
// folder base\<installName> with uninstall.exe in it, base\temp as the
// temporary folder of the program, and the fake interpreter as COMSPEC, which
// records the script into base\record.bat.
class Scenario {
public:
    explicit Scenario(const std::string& name, const std::string& installName = "Lumvex");
    ~Scenario();
    Scenario(const Scenario&) = delete;
    Scenario& operator=(const Scenario&) = delete;

    const std::string& Base() const { return base_; }
    const std::string& Install() const { return install_; }
    std::string Path(const std::string& relative) const { return install_ + "\\" + relative; }
    std::string Program() const { return Path("uninstall.exe"); }
    std::string ScriptPath() const { return temp_ + "\\Uninstall_Lvx.Bat"; }
    std::string RecordPath() const { return base_ + "\\record"; }

    // Moves the installation (uninstall.exe included) to another folder.
    void SetInstall(const std::string& folder);
    void WriteList(const std::string& bytes) const;
    // Runs uninstall.exe with the arguments; interpreter "" keeps the fake one.
    RunResult Run(const std::string& arguments, int yesNoAnswer = IDYES,
                  const std::string& interpreter = std::string()) const;
    // The script as the fake interpreter received it, waiting up to 20 s.
    std::string RecordedScript() const;
    // The fake interpreter's record: its command line, LF, its directory.
    std::string Record() const;

private:
    std::string base_;
    std::string install_;
    std::string temp_;
};

// The system's own interpreter, for runs of the real script.
std::string SystemInterpreter();

}  // namespace e2e
