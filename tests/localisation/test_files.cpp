// Scratch folders for the localisation tests.
#include "test_files.h"

#include <shellapi.h>

#include <cstdio>

ScratchFolder::ScratchFolder() {
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    static int serial = 0;
    char name[MAX_PATH];
    snprintf(name, sizeof name, "%slumvex-loc-%lu-%d", temp, GetCurrentProcessId(), ++serial);
    Folder = name;
    CreateDirectoryA(Folder.c_str(), nullptr);
}

ScratchFolder::~ScratchFolder() {
    std::string from = Folder + std::string(1, '\0');
    SHFILEOPSTRUCTA op = {};
    op.wFunc = FO_DELETE;
    op.pFrom = from.c_str();
    op.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
    SHFileOperationA(&op);
}

std::string ScratchFolder::Write(const std::string& name, const std::string& bytes) const {
    std::string path = Folder + "\\" + name;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    if (file != INVALID_HANDLE_VALUE) {
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        CloseHandle(file);
    }
    return path;
}

std::string ProgramFolder() {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of('\\'));
}

std::string EnglishLibraryPath() { return ProgramFolder() + "\\..\\lang\\lvxlng.dll"; }
std::string EnglishLanguageFilePath() { return ProgramFolder() + "\\..\\lang\\uninstall.lng"; }
