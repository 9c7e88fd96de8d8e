// File: owns one Win32 file handle opened for reading (or update), with
// 64-bit positions. SaveFilePos restores a file's position at the end of its
// scope unless the file was closed in between. No operation allocates.
#pragma once
#include <windows.h>

constexpr int kFileNameSize = 1024;

class File {
public:
    File() = default;
    virtual ~File();
    File(const File&) = delete;
    File& operator=(const File&) = delete;

    // Opens an existing file; never creates one. On the NT family a non-empty
    // wide name is used, otherwise the ANSI name. Names that do not fit the
    // name fields (1024 bytes / units with the terminator) are refused.
    // On failure the object stays as it was and false is returned; so it does
    // when the object already holds an open file (that file stays open).
    bool Open(const char* name, const wchar_t* nameW, bool update, bool shareWrite);
    // False only when CloseHandle failed; counts every call in CloseCount.
    bool Close();
    // Bytes read (0 at the end), or -1 on failure.
    int Read(void* buffer, int count);
    // Negative positions from FILE_CURRENT / FILE_END become absolute ones.
    void Seek(LONGLONG position, DWORD method);
    // Current position, or -1 (also when no file is open).
    LONGLONG Tell();
    // Length in bytes; the position is kept.
    LONGLONG FileLength();
    // True for a character device or a pipe.
    bool IsDevice();

    bool IsOpen() const { return hFile != INVALID_HANDLE_VALUE; }
    const char* Name() const { return FileName; }
    const wchar_t* NameW() const { return FileNameW; }
    int Closes() const { return CloseCount; }

private:
    HANDLE hFile = INVALID_HANDLE_VALUE;
    char FileName[kFileNameSize] = {};
    wchar_t FileNameW[kFileNameSize] = {};
    int CloseCount = 0;
};

class SaveFilePos {
public:
    explicit SaveFilePos(File& file);
    ~SaveFilePos();
    SaveFilePos(const SaveFilePos&) = delete;
    SaveFilePos& operator=(const SaveFilePos&) = delete;

private:
    File& TheFile;
    LONGLONG SavedPos;
    int SavedCloseCount;
};
