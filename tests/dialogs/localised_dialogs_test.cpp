// The real program's three dialogs in English through the English language
// library, and translated and rescaled through a language file.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "dialogs/dialog_driver.h"
#include "dialogs/installation_fixture.h"
#include "localisation/crc32.h"

namespace {

constexpr int kSetupMarker = 5122;
constexpr int kDoneMarker = 5101;
constexpr int kItemsMarker = 111;

// A copy of uninstall.exe in a folder of its own, so that what lies beside
// it (a language library or file) affects no other test.
std::string ProgramCopy(const char* folderName) {
    std::string folder = TestFolder() + folderName + "\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    std::string program = folder + "uninstall.exe";
    CopyFileA((TestFolder() + "uninstall.exe").c_str(), program.c_str(), FALSE);
    return program;
}

std::string FolderOf(const std::string& program) {
    return program.substr(0, program.find_last_of('\\') + 1);
}

// The English library as the build made it, by its path under Wine's Z:.
std::string EnglishLibrary() {
    std::string path = "Z:" LUMVEX_LANG_DLL;
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

// Runs /setup from program, lets check look at the three dialogs, and ends
// with OK and the finish button (program group off: nothing opens).
template <typename Check>
void WalkThroughDialogs(const std::string& program, Check check) {
    DrivenProgram run;
    ASSERT_TRUE(run.Start(program, "/setup", FolderOf(program)));
    HWND setup = run.WaitForDialog(kSetupMarker);
    ASSERT_NE(nullptr, setup);
    PostClick(setup, 5123);
    HWND items = run.WaitForDialog(kItemsMarker);
    ASSERT_NE(nullptr, items);
    check(setup, items, static_cast<HWND>(nullptr));
    PostClick(items, IDCANCEL);
    ASSERT_TRUE(run.WaitUntilGone(items));
    if (IsChecked(setup, 5117)) Click(setup, 5117);
    PostClick(setup, IDOK);
    HWND done = run.WaitForDialog(kDoneMarker, kSetupMarker);
    ASSERT_NE(nullptr, done);
    check(static_cast<HWND>(nullptr), static_cast<HWND>(nullptr), done);
    Click(done, IDOK);
    DWORD code = 1;
    EXPECT_TRUE(run.WaitForExit(&code));
}

class LocalisedDialogs : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(PrepareInstallation()); }
    void SetUp() override { ResetProgramState(); }
};

TEST_F(LocalisedDialogs, EnglishLibraryMakesTheDialogsEnglish) {
    std::string program = ProgramCopy("english");
    ASSERT_TRUE(CopyFileA(EnglishLibrary().c_str(), (FolderOf(program) + "lvxlng.dll").c_str(), FALSE))
        << EnglishLibrary();
    WalkThroughDialogs(program, [](HWND setup, HWND items, HWND done) {
        if (setup) {
            EXPECT_EQ(L"Lumvex Setup", TextOf(setup));
            EXPECT_EQ(L"&Integrate Lumvex into Explorer", ControlText(setup, 5118));
            EXPECT_EQ(L"Select &all", ControlText(setup, 5121));
            // (The rich edit panel does not hand its text to another process
            // here; its English text is checked in the library's template.)
        }
        if (items) {
            EXPECT_EQ(L"Context menu items", TextOf(items));
            EXPECT_EQ(L"Extract &files...", ControlText(items, 101));
            EXPECT_EQ(L"Cancel", ControlText(items, IDCANCEL));
        }
        if (done) {
            EXPECT_EQ(L"Lumvex Setup", TextOf(done));
            EXPECT_EQ(L"Thank you for using Lumvex!", ControlText(done, 5107));
            EXPECT_EQ(L"&Run Lumvex", ControlText(done, 5102));
        }
    });
}

// The key of a dialog text: CRC-32 of "$", the dialog's name and the text as
// the program reads it (the ANSI code page's bytes).
std::string Key(const char* dialog, const std::wstring& text) {
    char ansi[2048] = "";
    WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, ansi, sizeof ansi, nullptr, nullptr);
    std::string bytes = std::string("$") + dialog + ansi;
    char key[16];
    std::snprintf(key, sizeof key, "%08x",
                  static_cast<unsigned>(Crc32(bytes.data(), bytes.size())));
    return key;
}

struct ClientSize {
    int width, height;
};

ClientSize SizeOf(HWND window) {
    RECT r;
    GetClientRect(window, &r);
    return {r.right, r.bottom};
}

TEST_F(LocalisedDialogs, LanguageFileTranslatesAndRescales) {
    // The untranslated sizes first, from a plain copy.
    ClientSize plainSetup = {0, 0}, plainItems = {0, 0};
    RECT plainPanel = {};
    WalkThroughDialogs(ProgramCopy("plain"), [&](HWND setup, HWND items, HWND) {
        if (setup) {
            plainSetup = SizeOf(setup);
            GetWindowRect(GetDlgItem(setup, 5122), &plainPanel);
        }
        if (items) plainItems = SizeOf(items);
    });
    ASSERT_GT(plainSetup.width, 0);

    const std::wstring caption = Wide("Lumvex 简体中文版安装");
    std::string program = ProgramCopy("translated");
    {
        std::ofstream lng(FolderOf(program) + "uninstall.lng", std::ios::binary);
        lng << "A language file made by the test.\r\n***messages***\r\n"
            << Key("SETUPDLG", caption) << "=\"Setup, translated\"\r\n"
            << Key("SETUPDLG", L"CAB") << "=\"CAB archives\"  a remark\r\n"
            << Key("SETUPDLG", L"") << "=\"120*110\"\r\n"
            << Key("DONEDLG", caption) << "=\"Done, translated\"\r\n"
            << Key("CONTEXTITEMS", Wide("关联菜单项目")) << "=\"Items, translated\"\n";
    }
    WalkThroughDialogs(program, [&](HWND setup, HWND items, HWND done) {
        if (setup) {
            EXPECT_EQ(L"Setup, translated", TextOf(setup));
            EXPECT_EQ(L"CAB archives", ControlText(setup, 5103));
            ClientSize size = SizeOf(setup);
            // The frame is measured as the window's size plus one pixel
            // less the client size, so the client comes out one pixel larger.
            EXPECT_EQ(plainSetup.width * 120 / 100 + 1, size.width);
            EXPECT_EQ(plainSetup.height * 110 / 100 + 1, size.height);
            RECT panel;
            GetWindowRect(GetDlgItem(setup, 5122), &panel);
            EXPECT_EQ((plainPanel.right - plainPanel.left + 1) * 120 / 100, panel.right - panel.left);
            EXPECT_EQ((plainPanel.bottom - plainPanel.top + 1) * 110 / 100, panel.bottom - panel.top);
        }
        if (items) {
            EXPECT_EQ(L"Items, translated", TextOf(items));
            ClientSize size = SizeOf(items);   // no scale entry of its own
            EXPECT_EQ(plainItems.width, size.width);
            EXPECT_EQ(plainItems.height, size.height);
        }
        if (done) {
            EXPECT_EQ(L"Done, translated", TextOf(done));
        }
    });
}

}  // namespace
