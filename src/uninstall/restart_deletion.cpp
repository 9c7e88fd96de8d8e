// Deletion of a file at the next restart of the system.
#include "uninstall/restart_deletion.h"

#include <windows.h>

#include <cstring>

#include "entry/process_state.h"
#include "foundation/bounded_text.h"
#include "foundation/path_text.h"
#include "foundation/platform.h"
#include "foundation/scoped_handles.h"
#include "uninstall/wininit_text.h"

namespace {

// wininit.ini is a small text file; anything larger is left alone.
constexpr DWORD kMaxIniSize = 16 * 1024 * 1024;

// One heap block, freed when the owner ends.
class HeapText {
public:
    explicit HeapText(size_t size)
        : data_(static_cast<char*>(HeapAlloc(GetProcessHeap(), 0, size))) {}
    ~HeapText() {
        if (data_) HeapFree(GetProcessHeap(), 0, data_);
    }
    HeapText(const HeapText&) = delete;
    HeapText& operator=(const HeapText&) = delete;
    char* Get() const { return data_; }

private:
    char* data_;
};

}  // namespace

bool AddWininitDeletion(const char* iniPath, const char* value) {
    UniqueFileHandle file(CreateFileA(iniPath, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ,
                                      nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    DWORD high = 0;
    DWORD size = GetFileSize(file.Get(), &high);
    if (size == INVALID_FILE_SIZE || high != 0 || size > kMaxIniSize) return false;

    size_t outSize = size + std::strlen(value) + kRenameLineExtra;
    HeapText in(size + 1);
    HeapText out(outSize);
    if (!in.Get() || !out.Get()) return false;
    DWORD got = 0;
    if (size > 0 && (!ReadFile(file.Get(), in.Get(), size, &got, nullptr) || got != size)) {
        return false;
    }
    size_t length = AddRenameLine(in.Get(), size, value, out.Get(), outSize);
    if (length == static_cast<size_t>(-1)) return false;
    if (length == size) return true;   // the line was there already

    // The old text is kept as the start of the new one up to the insertion
    // point, so writing the whole text over it from the start loses nothing
    // that was there even if the write is cut short.
    if (SetFilePointer(file.Get(), 0, nullptr, FILE_BEGIN) == INVALID_SET_FILE_POINTER) return false;
    DWORD written = 0;
    if (!WriteFile(file.Get(), out.Get(), static_cast<DWORD>(length), &written, nullptr) ||
        written != length) {
        return false;
    }
    return SetEndOfFile(file.Get()) != FALSE;
}

void ScheduleDeletionAtRestart(const char* path) {
    if (NtMajorVersion() != 0) {
        MoveFileExA(path, nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
        return;
    }
    char ini[kPathSize];
    UINT n = GetWindowsDirectoryA(ini, sizeof(ini));
    if (n == 0 || n >= sizeof(ini)) return;
    if (!AppendBackslashBounded(ini, sizeof(ini)) || !AppendText(ini, sizeof(ini), "wininit.ini")) {
        return;
    }
    char shortPath[kPathSize];
    DWORD s = GetShortPathNameA(path, shortPath, sizeof(shortPath));
    const char* value = (s != 0 && s < sizeof(shortPath)) ? shortPath : path;
    AddWininitDeletion(ini, value);
}
