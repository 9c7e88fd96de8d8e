// Shortcuts and program groups in the shell folders of a prefix of its own.
// Each link is read back through the shell's link object; the folders are
// snapshot before and after, and the difference must be exactly the items
// written out in the test.
#include <gtest/gtest.h>
#include <windows.h>
#include <shlobj.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "foundation/platform.h"
#include "integration/integration_steps.h"
#include "localisation/ext_resource.h"
#include "shell/folder_removal.h"
#include "shell/shell_link.h"
#include "support/shell_link_reader.h"
#include "support/snapshot.h"
#include "support/windows_layout.h"

namespace {

std::string SpecialFolder(int id) {
    char path[MAX_PATH] = "";
    if (FAILED(SHGetFolderPathA(nullptr, id, nullptr, 0, path))) return "";
    return path;
}

bool IsNtFamily() {
    OSVERSIONINFOA version;
    version.dwOSVersionInfoSize = sizeof version;
    return GetVersionExA(&version) && version.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

// A text of the program in the ANSI code page.
std::string Ansi(const wchar_t* text) {
    char buffer[512];
    int n = WideCharToMultiByte(CP_ACP, 0, text, -1, buffer, sizeof buffer, nullptr, nullptr);
    return n > 0 ? buffer : "";
}

struct Folders {
    std::string desktop = SpecialFolder(CSIDL_DESKTOPDIRECTORY);
    std::string startMenu = SpecialFolder(CSIDL_STARTMENU);
    std::string programs = SpecialFolder(CSIDL_PROGRAMS);
    std::string commonStartMenu = SpecialFolder(CSIDL_COMMON_STARTMENU);
    std::string commonPrograms = SpecialFolder(CSIDL_COMMON_PROGRAMS);
};

// The names of the group's links and the description every link carries.
struct Texts {
    std::string helpLink;
    std::string manualLink;
    std::string description;
};

const Texts kLibraryTexts = {"Archiver Help", "Console Manual", "Handles LVX, ZIP and other archives"};

Texts ShippedTexts() {
    return {Ansi(L"Lumvex 中文帮助"), Ansi(L"控制台 LVX 中文手册"), Ansi(L"处理 LVX、ZIP 和其他压缩格式")};
}

// Deletes a folder and everything in it (the test's own means).
void DeleteFolder(const std::string& folder) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::string name = found.cFileName;
            if (name == "." || name == "..") continue;
            std::string path = folder + "\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                DeleteFolder(path);
            } else {
                SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(path.c_str());
            }
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(folder.c_str());
}

void WriteTextFile(const std::string& path, const char* text) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, file) << path;
    DWORD written = 0;
    ::WriteFile(file, text, static_cast<DWORD>(strlen(text)), &written, nullptr);
    CloseHandle(file);
}

IntegrationSettings Links(bool desktop, bool startMenu, bool group) {
    IntegrationSettings s;
    memset(&s, 0, sizeof s);
    s.flags[FLAG_DESKTOP_LINK] = desktop;
    s.flags[FLAG_START_MENU_LINK] = startMenu;
    s.flags[FLAG_PROGRAM_GROUP] = group;
    return s;
}

class ShortcutsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
        ASSERT_FALSE(folders_.desktop.empty());
        ASSERT_FALSE(folders_.programs.empty());
        baseline_ = TakeSnapshot();
    }
    void TearDown() override {
        DeleteFileA((folders_.desktop + "\\Lumvex.lnk").c_str());
        DeleteFileA((folders_.startMenu + "\\Lumvex.lnk").c_str());
        DeleteFolder(folders_.programs + "\\Lumvex");
        if (!folders_.commonPrograms.empty()) DeleteFolder(folders_.commonPrograms + "\\Lumvex");
        TheExtResource().Release();
        CoUninitialize();
        std::vector<std::string> rest = SnapshotDifference(baseline_, TakeSnapshot());
        ASSERT_TRUE(rest.empty()) << "the fixture could not restore the folders:\n" << JoinLines(rest);
    }

    Snapshot TakeSnapshot() {
        Snapshot s;
        AddFolderTree(s, folders_.desktop.c_str(), "DESKTOP");
        AddFolderTree(s, folders_.startMenu.c_str(), "STARTMENU");
        if (!folders_.commonStartMenu.empty()) AddFolderTree(s, folders_.commonStartMenu.c_str(), "COMMONSTARTMENU");
        return s;
    }
    std::vector<std::string> Changes() { return SnapshotDifference(baseline_, TakeSnapshot()); }

    // Checks one link file: it loads, and names the target and description.
    void ExpectLink(const std::string& path, const char* targetName, const std::string& description) {
        LinkContent link = ReadShellLink(path);
        ASSERT_TRUE(link.loaded) << "no link at " << path;
        EXPECT_STREQ(ProgramFolderFile(targetName).c_str(), link.target.c_str()) << "target of " << path;
        EXPECT_EQ(description, link.description) << "description of " << path;
    }

    // Every item of a setup with all three choices on: the two links and the
    // groups (the all-users group on the NT family only), as snapshot lines,
    // and each link's content.
    std::vector<std::string> ExpectAllLinks(const Texts& texts) {
        struct Item {
            std::string line;   // the folder-snapshot entry
            std::string path;   // where the link lies; empty for a folder
            const char* target;
        };
        std::vector<Item> items = {
            {"+ DESKTOP\\Lumvex.lnk", folders_.desktop + "\\Lumvex.lnk", "Lumvex.exe"},
            {"+ STARTMENU\\Lumvex.lnk", folders_.startMenu + "\\Lumvex.lnk", "Lumvex.exe"},
        };
        std::vector<std::pair<std::string, std::string>> groups = {{"STARTMENU", folders_.programs}};
        if (IsNtFamily()) groups.push_back({"COMMONSTARTMENU", folders_.commonPrograms});
        for (const auto& g : groups) {
            std::string line = "+ " + g.first + "\\Programs\\Lumvex";
            std::string folder = g.second + "\\Lumvex";
            items.push_back({line, "", nullptr});
            items.push_back({line + "\\Lumvex.lnk", folder + "\\Lumvex.lnk", "Lumvex.exe"});
            items.push_back({line + "\\" + texts.helpLink + ".lnk", folder + "\\" + texts.helpLink + ".lnk", "Lumvex.hlp"});
            items.push_back({line + "\\" + texts.manualLink + ".lnk", folder + "\\" + texts.manualLink + ".lnk", "Lvx.txt"});
        }
        std::vector<std::string> lines;
        for (const Item& item : items) {
            lines.push_back(item.line);
            if (!item.path.empty()) ExpectLink(item.path, item.target, texts.description);
        }
        std::sort(lines.begin(), lines.end());
        return lines;
    }

    Folders folders_;
    Snapshot baseline_;
};

// With a language library, the group's link names and every description
// follow its texts. The link targets do not exist, and still get their links.
TEST_F(ShortcutsTest, SetupCreatesEveryLinkWithTheTranslatedTexts) {
    TheExtResource().Load(GetModuleHandleA(nullptr), nullptr);
    ASSERT_TRUE(TheExtResource().IsLoaded()) << "lvxlng.dll beside the test program";
    char groupPath[1024] = "";
    UpdateShortcuts(Links(true, true, true), groupPath);

    EXPECT_STREQ((folders_.programs + "\\Lumvex").c_str(), groupPath) << "only the per-user group is handed back";
    std::vector<std::string> expected = ExpectAllLinks(kLibraryTexts);
    std::vector<std::string> got = Changes();
    EXPECT_EQ(expected, got) << "expected:\n" << JoinLines(expected) << "got:\n" << JoinLines(got);

    // The unregistration: every choice off and no buffer removes all of it.
    UpdateShortcuts(Links(false, false, false), nullptr);
    got = Changes();
    EXPECT_TRUE(got.empty()) << "left after removal:\n" << JoinLines(got);
}

// The program's own Chinese link names, where the code page can spell them.
TEST_F(ShortcutsTest, SetupUsesTheShippedNamesInTheChineseCodePage) {
    if (GetACP() != 936) GTEST_SKIP() << "the shipped link names need code page 936; this is " << GetACP();
    char groupPath[1024] = "";
    UpdateShortcuts(Links(true, true, true), groupPath);
    EXPECT_STREQ((folders_.programs + "\\Lumvex").c_str(), groupPath);
    std::vector<std::string> expected = ExpectAllLinks(ShippedTexts());
    std::vector<std::string> got = Changes();
    EXPECT_EQ(expected, got) << "expected:\n" << JoinLines(expected) << "got:\n" << JoinLines(got);
}

// A desktop link that is already there is the user's and stays as it is; the
// Start-menu link is written again at every setup.
TEST_F(ShortcutsTest, DesktopLinkIsKeptAndStartMenuLinkRewritten) {
    TheExtResource().Load(GetModuleHandleA(nullptr), nullptr);
    const std::string desktopLink = folders_.desktop + "\\Lumvex.lnk";
    const std::string startLink = folders_.startMenu + "\\Lumvex.lnk";
    ASSERT_TRUE(WriteShellLink(desktopLink, "C:\\Users\\Own\\Tool.exe", "mine"));
    ASSERT_TRUE(WriteShellLink(startLink, "C:\\Users\\Own\\Tool.exe", "mine"));

    UpdateShortcuts(Links(true, true, false), nullptr);

    LinkContent desktop = ReadShellLink(desktopLink);
    EXPECT_EQ("C:\\Users\\Own\\Tool.exe", desktop.target);
    EXPECT_EQ("mine", desktop.description);
    ExpectLink(startLink, "Lumvex.exe", kLibraryTexts.description);
}

// The group choice off deletes the whole group folder, with what the user
// put there, and hands back no path. The all-users group exists on the NT
// family only and is left alone elsewhere.
TEST_F(ShortcutsTest, GroupOffDeletesTheGroupsWithTheUsersFiles) {
    std::vector<std::string> groups = {folders_.programs + "\\Lumvex"};
    if (!folders_.commonPrograms.empty()) groups.push_back(folders_.commonPrograms + "\\Lumvex");
    for (const std::string& g : groups) {
        ASSERT_TRUE(CreateDirectoryA(g.c_str(), nullptr)) << g;
        ASSERT_TRUE(CreateDirectoryA((g + "\\Notes").c_str(), nullptr));
        WriteTextFile(g + "\\Notes\\mine.txt", "the user's own file");
        WriteTextFile(g + "\\Lumvex.lnk", "not even a link");
    }
    char groupPath[1024] = "";
    UpdateShortcuts(Links(false, false, false), groupPath);

    EXPECT_STREQ("", groupPath);
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(groups[0].c_str())) << groups[0];
    if (groups.size() > 1) {
        bool kept = GetFileAttributesA(groups[1].c_str()) != INVALID_FILE_ATTRIBUTES;
        EXPECT_EQ(!IsNtFamily(), kept) << groups[1] << (IsNtFamily() ? " must go" : " must stay");
    }
}

// A link name too long for the shell's 260 units is refused, not saved cut.
TEST_F(ShortcutsTest, CreateShortcutRefusesAnOverlongLinkPath) {
    std::string folder = ProgramFolderFile("");
    std::string path = folder + std::string(300 - folder.size(), 'n') + ".lnk";
    EXPECT_FALSE(CreateShortcut(ProgramFolderFile("Lumvex.exe").c_str(), path.c_str(), "d"));
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "nnn*").c_str(), &found);
    EXPECT_EQ(INVALID_HANDLE_VALUE, search) << "a cut name was saved: " << found.cFileName;
    if (search != INVALID_HANDLE_VALUE) FindClose(search);
}

TEST_F(ShortcutsTest, RemoveFolderTreeReportsWhatHappened) {
    std::string folder = ProgramFolderFile("gone");
    EXPECT_FALSE(RemoveFolderTree(folder.c_str())) << "nothing there";
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    WriteTextFile(folder + "\\inside.txt", "x");
    EXPECT_TRUE(RemoveFolderTree(folder.c_str()));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(folder.c_str()));
}

}  // namespace
