// The file class: one Win32 file handle, 64-bit positions.
#include "foundation/file.h"

#include <cstring>
#include <cwchar>

#include "foundation/platform.h"

namespace {
// Device reads that fail for a large count are retried once with this many
// bytes (a decimal count, not 20 KiB).
constexpr int kDeviceRetryBytes = 20000;
}  // namespace

File::~File() {
    if (IsOpen()) Close();
}

bool File::Open(const char* name, const wchar_t* nameW, bool update, bool shareWrite) {
    // A file already held is neither closed nor replaced (its handle would
    // have no owner left).
    if (IsOpen()) return false;
    // Names that do not fit their fields are refused before anything is opened.
    if (name != nullptr && strnlen(name, kFileNameSize) >= static_cast<size_t>(kFileNameSize)) {
        return false;
    }
    if (nameW != nullptr && wcsnlen(nameW, kFileNameSize) >= static_cast<size_t>(kFileNameSize)) {
        return false;
    }
    // Only a wide name: its ANSI form must fit FileName too.
    char ansiOfWide[kFileNameSize];
    if (name == nullptr && nameW != nullptr) {
        if (!WideToAnsi(nameW, ansiOfWide, kFileNameSize)) return false;
    }

    const DWORD access = GENERIC_READ | (update ? GENERIC_WRITE : 0);
    const DWORD share = FILE_SHARE_READ | (shareWrite ? FILE_SHARE_WRITE : 0);
    const DWORD flags = FILE_FLAG_SEQUENTIAL_SCAN;
    HANDLE handle;
    if (NtMajorVersion() != 0 && nameW != nullptr && nameW[0] != L'\0') {
        handle = CreateFileW(nameW, access, share, nullptr, OPEN_EXISTING, flags, nullptr);
    } else {
        if (name == nullptr) return false;
        handle = CreateFileA(name, access, share, nullptr, OPEN_EXISTING, flags, nullptr);
    }
    if (handle == INVALID_HANDLE_VALUE) return false;

    hFile = handle;
    if (nameW != nullptr) {
        CopyWide(FileNameW, nameW);
    } else {
        FileNameW[0] = L'\0';
    }
    if (name != nullptr) {
        memcpy(FileName, name, strlen(name) + 1);
    } else if (nameW != nullptr) {
        memcpy(FileName, ansiOfWide, strlen(ansiOfWide) + 1);
    } else {
        FileName[0] = '\0';
    }
    return true;
}

bool File::Close() {
    bool ok = true;
    if (IsOpen()) {
        ok = CloseHandle(hFile) != 0;
        hFile = INVALID_HANDLE_VALUE;
    }
    ++CloseCount;
    return ok;
}

int File::Read(void* buffer, int count) {
    if (!IsOpen() || count < 0) return -1;
    DWORD done = 0;
    if (ReadFile(hFile, buffer, static_cast<DWORD>(count), &done, nullptr)) {
        return static_cast<int>(done);
    }
    if (IsDevice() && count > kDeviceRetryBytes) {
        done = 0;
        if (ReadFile(hFile, buffer, kDeviceRetryBytes, &done, nullptr)) {
            return static_cast<int>(done);
        }
    }
    return -1;
}

void File::Seek(LONGLONG position, DWORD method) {
    if (!IsOpen()) return;
    if (position < 0 && (method == FILE_CURRENT || method == FILE_END)) {
        position += method == FILE_CURRENT ? Tell() : FileLength();
        method = FILE_BEGIN;
    }
    LONG high = static_cast<LONG>(static_cast<ULONGLONG>(position) >> 32);
    SetFilePointer(hFile, static_cast<LONG>(position & 0xFFFFFFFF), &high, method);
}

LONGLONG File::Tell() {
    if (!IsOpen()) return -1;
    LONG high = 0;
    SetLastError(NO_ERROR);
    DWORD low = SetFilePointer(hFile, 0, &high, FILE_CURRENT);
    if (low == INVALID_SET_FILE_POINTER && GetLastError() != NO_ERROR) return -1;
    return static_cast<LONGLONG>((static_cast<ULONGLONG>(static_cast<DWORD>(high)) << 32) | low);
}

LONGLONG File::FileLength() {
    SaveFilePos keep(*this);
    Seek(0, FILE_END);
    return Tell();
}

bool File::IsDevice() {
    if (!IsOpen()) return false;
    DWORD type = GetFileType(hFile);
    return type == FILE_TYPE_CHAR || type == FILE_TYPE_PIPE;
}

SaveFilePos::SaveFilePos(File& file)
    : TheFile(file), SavedPos(file.Tell()), SavedCloseCount(file.Closes()) {}

SaveFilePos::~SaveFilePos() {
    if (TheFile.Closes() == SavedCloseCount) TheFile.Seek(SavedPos, FILE_BEGIN);
}
