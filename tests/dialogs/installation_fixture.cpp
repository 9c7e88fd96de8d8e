// The installation the dialog tests run the real program in.
#include "dialogs/installation_fixture.h"

#include <fstream>
#include <sstream>

#include "dialogs/dialog_driver.h"
#include "foundation/registry.h"

const char kUninstallEntryKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Lumvex archiver";
const char kAppPathEntryKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Lumvex.exe";

namespace {

const char kRecordName[] = "Lumvex.started.txt";   // written by the stand-in beside itself

std::string HandlerFolder() { return TestFolder() + "handler\\"; }

std::vector<std::string> ReadLines(const std::string& path) {
    std::vector<std::string> lines;
    std::ifstream in(path, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

bool WriteFile(const std::string& path, const char* text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
    return static_cast<bool>(out);
}

}  // namespace

std::string TestFolder() {
    char path[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, n);
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

std::string InstalledFolder() { return TestFolder() + "installed\\"; }

bool PrepareInstallation() {
    std::string standIn = TestFolder() + "Lumvex.exe";
    CreateDirectoryA(InstalledFolder().c_str(), nullptr);
    CreateDirectoryA(HandlerFolder().c_str(), nullptr);
    if (!CopyFileA(standIn.c_str(), (InstalledFolder() + "Lumvex.exe").c_str(), FALSE)) return false;
    if (!CopyFileA(standIn.c_str(), (HandlerFolder() + "Lumvex.exe").c_str(), FALSE)) return false;
    if (!WriteFile(InstalledFolder() + "license.txt", "licence\r\n")) return false;
    if (!WriteFile(InstalledFolder() + "order.htm", "<html></html>\r\n")) return false;

    std::string command = "\"" + HandlerFolder() + "Lumvex.exe\" \"%1\"";
    bool ok = WriteString(HKEY_CLASSES_ROOT, ".txt", "", "LumvexTest.Document") &&
              WriteString(HKEY_CLASSES_ROOT, ".htm", "", "LumvexTest.Document") &&
              WriteString(HKEY_CLASSES_ROOT, "LumvexTest.Document\\shell\\open\\command", "",
                          command.c_str()) &&
              WriteString(HKEY_CLASSES_ROOT, "https\\shell\\open\\command", "", command.c_str());
    // Folders: no conversation with a running shell, only the command.
    DeleteKeyTree(HKEY_CLASSES_ROOT, "Folder\\shell\\open\\ddeexec");
    DeleteKeyTree(HKEY_CLASSES_ROOT, "Folder\\shell\\explore");
    ok = ok && WriteString(HKEY_CLASSES_ROOT, "Folder\\shell\\open\\command", "", command.c_str()) &&
         WriteString(HKEY_CLASSES_ROOT, "Directory\\shell\\open\\command", "", command.c_str());
    return ok;
}

void ClearRecords() {
    DeleteFileA((InstalledFolder() + kRecordName).c_str());
    DeleteFileA((HandlerFolder() + kRecordName).c_str());
}

std::vector<std::string> ArchiverStarts() { return ReadLines(InstalledFolder() + kRecordName); }
std::vector<std::string> ShellOpens() { return ReadLines(HandlerFolder() + kRecordName); }

std::vector<std::string> WaitForLines(std::vector<std::string> (*read)(), size_t count,
                                      DWORD limitMs) {
    for (DWORD waited = 0; waited < limitMs; waited += 100) {
        std::vector<std::string> lines = read();
        if (lines.size() >= count) return lines;
        PumpMessages(100);
    }
    return read();
}

std::vector<int> SetupCheckBoxes() {
    std::vector<int> ids;
    for (int id = 5101; id <= 5120; ++id) ids.push_back(id);
    return ids;
}

std::vector<int> StoredChoices() {
    static const char* const kTypes[] = {".lvx", ".zip", ".cab", ".arj", ".lzh", ".ace", ".7z",
                                         ".tar", ".gz",  ".uue", ".bz2", ".jar", ".iso", ".z"};
    static const struct { const char* key; const char* value; } kOptions[] = {
        {"Setup\\Links", "Desktop"}, {"Setup\\Links", "StartMenu"}, {"Setup\\Links", "Programs"},
        {"Setup", "ShellExt"},       {"Setup", "CascadedMenu"},     {"Setup", "MenuIcons"}};
    std::vector<int> values;
    DWORD v = 0;
    for (const char* type : kTypes) {
        std::string key = std::string("Setup\\") + type;
        values.push_back(ReadDword(HKEY_CURRENT_USER, key.c_str(), "Set", &v, 0) ? static_cast<int>(v) : -1);
    }
    for (const auto& o : kOptions)
        values.push_back(ReadDword(HKEY_CURRENT_USER, o.key, o.value, &v, 0) ? static_cast<int>(v) : -1);
    return values;
}

void ResetProgramState() {
    DeleteKeyTree(HKEY_CURRENT_USER, "");
    DeleteKeyTree(HKEY_LOCAL_MACHINE, kUninstallEntryKey);
    DeleteKeyTree(HKEY_LOCAL_MACHINE, kAppPathEntryKey);
    DeleteKeyTree(HKEY_CLASSES_ROOT, ".lvx");
    ClearRecords();
}
