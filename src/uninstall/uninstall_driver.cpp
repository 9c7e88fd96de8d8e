// The uninstallation job.
#include "uninstall/uninstall_driver.h"

#include <windows.h>

#include <cstdio>

#include "entry/messages.h"
#include "entry/process_state.h"
#include "foundation/bounded_text.h"
#include "foundation/path_text.h"
#include "foundation/platform.h"
#include "integration/integration_steps.h"
#include "localisation/ext_resource.h"
#include "uninstall/list_entry.h"
#include "uninstall/restart_deletion.h"
#include "uninstall/self_removal.h"

namespace {

const char kListName[] = "Uninstall.lst";
constexpr int kLineSize = 2048;         // a line is read in pieces of up to 2047 bytes
constexpr int kTempNames = 1000;        // name.0.tmp to name.999.tmp
constexpr int kCannotOpenSize = 200;

// The list file, open for reading; closed when the owner ends.
class ListFile {
public:
    ListFile() : file_(std::fopen(kListName, "rb")) {}
    ~ListFile() { Close(); }
    ListFile(const ListFile&) = delete;
    ListFile& operator=(const ListFile&) = delete;
    bool IsOpen() const { return file_ != nullptr; }
    // The next line or piece of a long line, or null at the end.
    char* ReadLine(char* line, int size) { return std::fgets(line, size, file_); }
    void Rewind() { std::rewind(file_); }
    void Close() {
        if (file_) std::fclose(file_);
        file_ = nullptr;
    }

private:
    FILE* file_;
};

struct PassState {
    const char* folder;        // ends in a backslash
    const char* programName;   // name part of the program's own path
    bool restart;              // a file in use could not even be renamed
};

// The first free "path.N.tmp" into temp; when all 1000 exist, the last one
// tried. False when such a name does not fit the buffer.
bool FindTemporaryName(const char* path, char* temp, size_t size) {
    for (int i = 0; i < kTempNames; ++i) {
        if (!FormatText(temp, size, "%s.%d.tmp", path, i)) return false;
        if (GetFileAttributesA(temp) == INVALID_FILE_ATTRIBUTES) return true;
    }
    return true;
}

// A file that exists but could not be deleted: renamed out of the way and
// scheduled for deletion at the next restart, or, when it cannot be renamed,
// scheduled under its own name (and the restart message is asked for).
void DeferDeletion(const char* path, PassState& state) {
    const char* name = NameFromPath(path);
    if (CompareNoCase(name, state.programName) == 0 || CompareNoCase(name, kListName) == 0) {
        return;   // the list goes at the end, the program with the script
    }
    char temp[kPathSize];
    const char* scheduled = path;
    if (FindTemporaryName(path, temp, sizeof(temp)) && MoveFileA(path, temp)) {
        scheduled = temp;
    } else {
        state.restart = true;
    }
    ScheduleDeletionAtRestart(scheduled);
}

// One line of the list. Returns 1 when a file was deleted or a folder removed.
int ProcessEntry(char* line, PassState& state) {
    TrimLineEnd(line);
    if (line[0] == '\0') return 0;
    if (!IsEntryInsideFolder(line)) return 0;   // never act outside the folder
    char path[kPathSize];
    if (!CopyText(path, sizeof(path), state.folder) || !AppendText(path, sizeof(path), line)) {
        return 0;   // a path that does not fit names nothing we installed
    }
    DWORD attributes = GetFileAttributesA(path);
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return 0;   // gone
    }
    SetFileAttributesA(path, FILE_ATTRIBUTE_NORMAL);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        return RemoveDirectoryA(path) ? 1 : 0;   // only once it is empty
    }
    if (DeleteFileA(path)) return 1;
    if (attributes == INVALID_FILE_ATTRIBUTES) return 0;
    DeferDeletion(path, state);
    return 0;
}

}  // namespace

void RunUninstall() {
    char programPath[kPathSize];
    DWORD n = GetModuleFileNameA(nullptr, programPath, sizeof(programPath));
    if (n == 0 || n >= sizeof(programPath)) return;

    // The folder: the program path up to its last backslash, which a drive
    // root such as "C:\" keeps.
    char folder[kPathSize];
    CopyText(folder, sizeof(folder), programPath);
    char* lastBackslash = nullptr;
    for (char* p = folder; *p != '\0'; p = NextCharPos(p)) {
        if (*p == '\\') lastBackslash = p;
    }
    if (lastBackslash == nullptr) return;
    if (lastBackslash > folder && lastBackslash[-1] == ':') {
        lastBackslash[1] = '\0';
    } else {
        lastBackslash[0] = '\0';
    }
    // Everything below is relative to the folder: do nothing if it cannot be
    // made the current directory.
    if (!SetCurrentDirectoryA(folder)) return;
    if (!AppendBackslashBounded(folder, sizeof(folder))) return;

    if (!SilentMode()) {
        int answer = MessageBoxA(nullptr, MessageText(MSG_CONFIRM_UNINSTALL),
                                 MessageText(MSG_UNINSTALL_CAPTION),
                                 MB_YESNO | MB_ICONQUESTION | MB_SETFOREGROUND);
        if (answer != IDYES) return;
    }

    ListFile list;
    if (!list.IsOpen()) {
        char text[kCannotOpenSize];
        FormatText(text, sizeof(text), FormatMessageText(MSG_CANNOT_OPEN_LIST), kListName);
        MessageBoxA(nullptr, text, MessageText(MSG_UNINSTALL_CAPTION), MB_ICONERROR | MB_SETFOREGROUND);
        return;
    }

    UndoIntegration();
    TheExtResource().Release();

    // Files no installer lists: the help index files the help viewer may have
    // left beside the help file, and the New-menu templates that setup wrote
    // (their registry entries were given back above). Left behind, they would
    // keep the folder from being removed.
    static const char* const kUnlistedFiles[] = {"lumvex.gid", "lumvex.fts", "lvxnew.dat", "zipnew.dat"};
    for (const char* name : kUnlistedFiles) {
        SetFileAttributesA(name, FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(name);
    }

    PassState state{folder, NameFromPath(programPath), false};
    static char line[kLineSize];
    // The whole list is read again until a pass removes nothing: a folder
    // goes only once its contents have gone.
    for (;;) {
        int removed = 0;
        while (list.ReadLine(line, sizeof(line)) != nullptr) {
            removed += ProcessEntry(line, state);
        }
        if (removed == 0) break;
        list.Rewind();
    }
    list.Close();
    DeleteFileA(kListName);

    if (state.restart) {
        MessageBoxA(nullptr, MessageText(MSG_RESTART_NEEDED), MessageText(MSG_UNINSTALL_CAPTION),
                    MB_ICONINFORMATION | MB_SETFOREGROUND);
    }
    StartSelfRemoval(programPath);
}
