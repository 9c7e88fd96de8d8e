// Stands in for the command interpreter (set as COMSPEC by the tests): runs
// nothing, but keeps what it was given. Its whole command line goes to
// %LUMVEX_RECORD%, a copy of the script named after "/c" to
// %LUMVEX_RECORD%.bat. The record is written last, so its presence means
// both are complete.
#include <windows.h>

#include <cstring>
#include <string>

namespace {

bool WriteAll(const std::string& path, const std::string& bytes) {
    HANDLE f = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (f == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    BOOL ok = WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(f);
    return ok && written == bytes.size();
}

std::string ReadAll(const std::string& path) {
    std::string bytes;
    HANDLE f = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (f == INVALID_HANDLE_VALUE) return bytes;
    char buffer[65536];
    DWORD got = 0;
    while (ReadFile(f, buffer, sizeof(buffer), &got, nullptr) && got > 0) bytes.append(buffer, got);
    CloseHandle(f);
    return bytes;
}

}  // namespace

int main() {
    char record[MAX_PATH];
    DWORD n = GetEnvironmentVariableA("LUMVEX_RECORD", record, sizeof(record));
    if (n == 0 || n >= sizeof(record)) return 1;
    std::string line = GetCommandLineA();
    // The script: the quoted text after "/c ".
    size_t c = line.find("/c \"");
    if (c != std::string::npos) {
        size_t begin = c + 4;
        size_t end = line.find('"', begin);
        if (end != std::string::npos) {
            WriteAll(std::string(record) + ".bat", ReadAll(line.substr(begin, end - begin)));
        }
    }
    char directory[MAX_PATH] = "";
    GetCurrentDirectoryA(sizeof(directory), directory);
    WriteAll(record, line + "\n" + directory);
    return 0;
}
