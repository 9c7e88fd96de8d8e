// Setup applies the integration, uninstallation undoes it: the registry (every
// view the system has) and the shell folders are snapshot before and after,
// and the difference must be exactly the leftovers written out below.
#include <gtest/gtest.h>
#include <windows.h>
#include <shlobj.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "integration/integration_settings.h"
#include "integration/integration_steps.h"
#include "support/snapshot.h"
#include "support/windows_layout.h"

namespace {

std::string SpecialFolder(int id) {
    char path[MAX_PATH] = "";
    if (FAILED(SHGetFolderPathA(nullptr, id, nullptr, 0, path))) return "";
    return path;
}

void SetValue(HKEY root, const char* key, const char* name, const char* text) {
    HKEY handle;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(root, key, 0, nullptr, 0, KEY_WRITE, nullptr, &handle, nullptr)) << key;
    RegSetValueExA(handle, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text), static_cast<DWORD>(strlen(text) + 1));
    RegCloseKey(handle);
}

// The labels a shared key of HKEY_CLASSES_ROOT shows under.
std::vector<std::string> ClassLabels() {
    if (PrefixIs64Bit()) return {"HKCR32", "HKCR64"};
    return {"HKCR"};
}

// Previous owners of some archive extensions, as another program left them:
// .zip with a content type and a New-menu template, .lvx with a class only,
// .7z with a class and a content type.
void CreatePreviousOwners() {
    SetValue(HKEY_CLASSES_ROOT, ".zip", "", "PriorOwner.Zip");
    SetValue(HKEY_CLASSES_ROOT, ".zip", "Content Type", "application/x-prior-zip");
    SetValue(HKEY_CLASSES_ROOT, ".zip\\ShellNew", "FileName", "C:\\Templates\\prior.zip");
    SetValue(HKEY_CLASSES_ROOT, ".lvx", "", "PriorOwner.Lvx");
    SetValue(HKEY_CLASSES_ROOT, ".7z", "", "PriorOwner.7z");
    SetValue(HKEY_CLASSES_ROOT, ".7z", "Content Type", "application/x-prior-7z");
}

// The shell extension libraries lie beside the program, as installed.
void CreateShellExtensionLibraries() {
    for (const char* library : {"lvxext.dll", "lvxext64.dll"}) {
        HANDLE file = CreateFileA(ProgramFolderFile(library).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(INVALID_HANDLE_VALUE, file) << library;
        CloseHandle(file);
    }
}

Snapshot TakeSnapshot() {
    Snapshot s;
    // The shell folders first: looking them up may record their paths in the
    // registry, which must then be in the snapshot before.
    std::string program = ProgramFolderFile("");
    program.pop_back();
    AddFolderTree(s, program.c_str(), "PROGRAM");
    const struct {
        int id;
        const char* label;
    } folders[] = {
        {CSIDL_DESKTOPDIRECTORY, "DESKTOP"},
        {CSIDL_STARTMENU, "STARTMENU"},
        {CSIDL_COMMON_STARTMENU, "COMMONSTARTMENU"},
        {CSIDL_COMMON_DESKTOPDIRECTORY, "COMMONDESKTOP"},
    };
    for (const auto& f : folders) {
        std::string path = SpecialFolder(f.id);
        if (!path.empty()) AddFolderTree(s, path.c_str(), f.label);
    }
    const struct {
        REGSAM bits;
        const char* classes;
        const char* machine;
        const char* user;
    } views64[] = {{KEY_WOW64_32KEY, "HKCR32", "HKLM32", "HKCU32"}, {KEY_WOW64_64KEY, "HKCR64", "HKLM64", "HKCU64"}},
      views32[] = {{0, "HKCR", "HKLM", "HKCU"}};
    bool is64 = PrefixIs64Bit();
    for (const auto* v = is64 ? views64 : views32; v != (is64 ? views64 + 2 : views32 + 1); ++v) {
        // The class registrations of COM interfaces and type libraries are
        // large and nothing of the integration writes into them: only their
        // names are compared. The classes under HKLM and HKCU are compared
        // as HKEY_CLASSES_ROOT, which merges them.
        AddRegistryTree(s, HKEY_CLASSES_ROOT, "", v->bits, v->classes, {}, {"Interface", "TypeLib"});
        AddRegistryTree(s, HKEY_LOCAL_MACHINE, "Software", v->bits, v->machine, {"Classes"}, {});
        AddRegistryTree(s, HKEY_CURRENT_USER, "Software", v->bits, v->user, {"Classes"}, {});
    }
    return s;
}

IntegrationSettings AllChoices(bool on) {
    IntegrationSettings s;
    memset(&s, 0, sizeof s);
    if (on) {
        for (int i = 0; i < kArchiveTypeCount; ++i) s.flags[i] = 1;
        for (int i = FLAG_DESKTOP_LINK; i <= FLAG_MENU_ICONS; ++i) s.flags[i] = 1;
    }
    return s;
}

// What setup as the dialog confirms it does: save, apply, uninstall entry.
void RunSetup(const IntegrationSettings& settings, char* groupPath) {
    SaveIntegrationSettings(settings);
    ApplyIntegration(settings, groupPath);
    RegisterUninstallEntry();
}

// The leftovers of a setup with every choice on followed by uninstallation,
// on this system, given the previous owners above.
std::vector<std::string> ExpectedLeftoversAllOn() {
    std::vector<std::string> lines;
    auto key = [&](const std::string& path) {
        for (const std::string& l : ClassLabels()) lines.push_back("+ " + l + "\\" + path);
    };
    auto value = [&](const std::string& path, const std::string& content) {
        for (const std::string& l : ClassLabels()) lines.push_back("+ " + l + "\\" + path + " = " + content);
    };
    // The handler keys under the shell's own classes stay, without values.
    std::vector<std::string> handlerNames = {"Lumvex"};
    if (PrefixIs64Bit()) handlerNames.push_back("Lumvex32");
    for (const std::string& name : handlerNames) {
        for (const char* parent : {"*\\shellex\\ContextMenuHandlers\\", "Folder\\shellex\\ContextMenuHandlers\\",
                                   "Folder\\shellex\\DragDropHandlers\\", "Drive\\shellex\\DragDropHandlers\\",
                                   "Directory\\shellex\\ContextMenuHandlers\\", "Directory\\shellex\\DragDropHandlers\\"}) {
            key(parent + name);
        }
    }
    // .lvx had a class: all hundred volume extensions are given that class at
    // uninstallation, also those setup never took over.
    for (int k = 0; k < 100; ++k) {
        char volume[8];
        snprintf(volume, sizeof volume, ".r%02d", k);
        key(volume);
        value(std::string(volume) + " []", "SZ \"PriorOwner.Lvx\"");
    }
    // Where the system got the template bytes as "Data" instead of a
    // template file, the give-back keeps the bytes: in .lvx's New-menu key
    // (which the previous owner did not have) and beside .zip's restored
    // "FileName". Elsewhere .lvx's emptied New-menu key goes.
    OSVERSIONINFOA version;
    version.dwOSVersionInfoSize = sizeof version;
    GetVersionExA(&version);
    bool templateBytes = version.dwMajorVersion <= 4 && version.dwMinorVersion <= 10;
    if (templateBytes) {
        const unsigned char lvx[20] = {0x4C, 0x76, 0x78, 0x21, 0x1A, 0x07, 0x00, 0xCF, 0x90, 0x73,
                                       0x00, 0x00, 0x0D, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};
        unsigned char zip[22] = {0x50, 0x4B, 0x05, 0x06};
        key(".lvx\\ShellNew");
        value(".lvx\\ShellNew [Data]", "TYPE3 " + HexBytes(lvx, sizeof lvx));
        value(".zip\\ShellNew [Data]", "TYPE3 " + HexBytes(zip, sizeof zip));
    } else {
        // The template files stay in the program folder until the installed
        // files are removed.
        lines.push_back("+ PROGRAM\\lvxnew.dat");
        lines.push_back("+ PROGRAM\\zipnew.dat");
    }
    std::sort(lines.begin(), lines.end());
    return lines;
}

class IntegrationRoundTripTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
        CreateWindowsShellKeys();
        CreatePreviousOwners();
        CreateShellExtensionLibraries();
        before_ = TakeSnapshot();
    }
    void TearDown() override { CoUninitialize(); }

    Snapshot before_;
};

TEST_F(IntegrationRoundTripTest, EveryChoiceOnLeavesOnlyTheIntendedLeftovers) {
    char groupPath[1024] = "";
    RunSetup(AllChoices(true), groupPath);

    // Setup did act: a few of its entries, one of each step.
    std::vector<std::string> during = SnapshotDifference(before_, TakeSnapshot());
    std::string classes = ClassLabels().back();
    for (const std::string& line : {
             "~ " + classes + "\\.zip [] = SZ \"PriorOwner.Zip\" -> SZ \"Lumvex.ZIP\"",
             "+ " + classes + "\\Lumvex.REV",
             "+ " + classes + "\\*\\shellex\\ContextMenuHandlers\\Lumvex",
             std::string("+ DESKTOP\\Lumvex.lnk"),
             std::string("+ STARTMENU\\Programs\\Lumvex\\Lumvex.lnk"),
         }) {
        EXPECT_TRUE(ContainsLine(during, line)) << "setup did not make: " << line;
    }
    EXPECT_STRNE("", groupPath);

    UndoIntegration();

    std::vector<std::string> expected = ExpectedLeftoversAllOn();
    std::vector<std::string> got = SnapshotDifference(before_, TakeSnapshot());
    EXPECT_EQ(LowerCase(expected), LowerCase(got)) << "expected:\n" << JoinLines(expected) << "got:\n" << JoinLines(got);
}

// With every choice off setup still writes the application path, the
// handler classes, the choices and the uninstall entry; uninstallation takes
// all of it away and leaves nothing at all.
TEST_F(IntegrationRoundTripTest, EveryChoiceOffLeavesNothing) {
    char groupPath[1024] = "";
    RunSetup(AllChoices(false), groupPath);

    std::vector<std::string> during = SnapshotDifference(before_, TakeSnapshot());
    std::string machine = PrefixIs64Bit() ? "HKLM32" : "HKLM";
    std::string user = PrefixIs64Bit() ? "HKCU32" : "HKCU";
    char self[MAX_PATH];
    ASSERT_NE(0u, GetModuleFileNameA(nullptr, self, MAX_PATH));
    char title[512];
    WideCharToMultiByte(CP_ACP, 0, L"Lumvex 压缩文件管理器", -1, title, sizeof title, nullptr, nullptr);
    const std::string uninstallKey =
        machine + "\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Lumvex archiver";
    for (const std::string& line : {
             "+ " + machine + "\\Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Lumvex.exe",
             "+ " + uninstallKey,
             "+ " + uninstallKey + " [DisplayName] = SZ \"" + title + "\"",
             "+ " + uninstallKey + " [UninstallString] = SZ \"" + self + "\"",
             "+ " + ClassLabels().back() + "\\Lumvex",
             "+ " + user + "\\Software\\Lumvex",
         }) {
        EXPECT_TRUE(ContainsLine(during, line)) << "setup did not make: " << line << "\nit made:\n" << JoinLines(during);
    }
    EXPECT_STREQ("", groupPath);

    UndoIntegration();

    std::vector<std::string> got = SnapshotDifference(before_, TakeSnapshot());
    EXPECT_TRUE(got.empty()) << "left behind:\n" << JoinLines(got);
}

}  // namespace
