// The real uninstall.exe with the switch setup, driven through its dialogs
// as a user would: the setup dialog, the context menu items dialog and the
// completion dialog. Runs in a private prefix (it writes the registry).
#include <gtest/gtest.h>
#include <windows.h>
#include <shlobj.h>

#include <fstream>
#include <string>
#include <vector>

#include "dialogs/dialog_driver.h"
#include "dialogs/installation_fixture.h"
#include "foundation/registry.h"

namespace {

constexpr int kSetupMarker = 5122;    // the explanation panel: only the setup dialog has it
constexpr int kDoneMarker = 5101;     // with no 5122: the completion dialog
constexpr int kItemsMarker = 111;     // the last check box of the context menu items dialog

// Chinese window texts reach other programs intact only when the system's
// ANSI code page can represent them (code page 936); elsewhere they arrive
// as question marks, as on Windows.
bool ChineseTextsReadable() { return GetACP() == 936; }

std::string Program() { return TestFolder() + "uninstall.exe"; }

std::string Joined(const std::vector<int>& values) {
    std::string out;
    for (int v : values) out += std::to_string(v) + " ";
    return out;
}

std::vector<int> CheckStates(HWND dialog) {
    std::vector<int> states;
    for (int id : SetupCheckBoxes()) states.push_back(IsChecked(dialog, id) ? 1 : 0);
    return states;
}

class SetupDialogs : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(PrepareInstallation()); }
    void SetUp() override { ResetProgramState(); }

    // Starts uninstall.exe /setup in the installation folder and waits for
    // the setup dialog.
    HWND StartSetup(DrivenProgram& program, const char* arguments = "/setup") {
        if (!program.Start(Program(), arguments, InstalledFolder())) return nullptr;
        return program.WaitForDialog(kSetupMarker);
    }

    // Ends a run whose setup dialog is closed by its close box: the program
    // must end without a completion dialog.
    void CloseAndExpectNoCompletion(DrivenProgram& program, HWND setup) {
        PressCloseBox(setup);
        EXPECT_EQ(nullptr, program.WaitForDialog(kDoneMarker, kSetupMarker)) << "a completion dialog followed";
        DWORD code = 1;
        EXPECT_TRUE(program.WaitForExit(&code));
        EXPECT_EQ(0u, code);
    }
};

// What the dialog shows for what is stored (defaults on a first run).
TEST_F(SetupDialogs, ShowsTheStoredChoices) {
    struct Stored { const char* key; const char* value; DWORD data; };
    struct Case {
        const char* name;
        std::vector<Stored> stored;
        const char* jarOwner;          // class of .jar, or null for none
        std::vector<int> checks;       // 5101..5120
        bool subOptionsEnabled;        // 5119 and 5120
    };
    const Case kCases[] = {
        {"first run", {}, nullptr,
         {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 1, 1, 0, 1}, true},
        {"stored choices",
         {{"Setup\\.cab", "Set", 0}, {"Setup\\.zip", "Set", 7}, {"Setup\\.z", "Set", 0},
          {"Setup\\Links", "Desktop", 1}, {"Setup\\Links", "Programs", 0},
          {"Setup", "ShellExt", 0}, {"Setup", "CascadedMenu", 1}, {"Setup", "MenuIcons", 0}},
         nullptr,
         {1, 1, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 1, 0, 0, 0, 1, 0}, false},
        {".jar owned by another program", {{"Setup\\.jar", "Set", 1}}, "OtherProgram.Jar",
         {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 1, 1, 0, 0, 1, 1, 0, 1}, true},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        ResetProgramState();
        DeleteKeyTree(HKEY_CLASSES_ROOT, ".jar");
        if (c.jarOwner) WriteString(HKEY_CLASSES_ROOT, ".jar", "", c.jarOwner);
        for (const Stored& s : c.stored) WriteSettingDword(s.key, s.value, s.data);

        DrivenProgram program;
        HWND setup = StartSetup(program);
        ASSERT_NE(nullptr, setup);
        EXPECT_EQ(Joined(c.checks), Joined(CheckStates(setup)));
        EXPECT_EQ(c.subOptionsEnabled, IsEnabled(setup, 5119));
        EXPECT_EQ(c.subOptionsEnabled, IsEnabled(setup, 5120));
        if (ChineseTextsReadable()) {
        EXPECT_EQ(Wide("Lumvex 简体中文版安装"), TextOf(setup));
    }
        CloseAndExpectNoCompletion(program, setup);
    }
    DeleteKeyTree(HKEY_CLASSES_ROOT, ".jar");
}

TEST_F(SetupDialogs, ShellIntegrationEnablesItsSubOptionsWithoutChangingThem) {
    DrivenProgram program;
    HWND setup = StartSetup(program);
    ASSERT_NE(nullptr, setup);
    Click(setup, 5119);   // defaults: 5119 off, 5120 on; now both on
    Click(setup, 5120);   // and now 5119 on, 5120 off
    const std::vector<int> before = CheckStates(setup);

    Click(setup, 5118);
    EXPECT_FALSE(IsChecked(setup, 5118));
    EXPECT_FALSE(IsEnabled(setup, 5119));
    EXPECT_FALSE(IsEnabled(setup, 5120));
    EXPECT_TRUE(IsChecked(setup, 5119));
    EXPECT_FALSE(IsChecked(setup, 5120));

    Click(setup, 5118);
    EXPECT_TRUE(IsEnabled(setup, 5119));
    EXPECT_TRUE(IsEnabled(setup, 5120));
    EXPECT_EQ(Joined(before), Joined(CheckStates(setup)));
    CloseAndExpectNoCompletion(program, setup);
}

TEST_F(SetupDialogs, SelectAllChecksEveryArchiveTypeAndNothingElse) {
    DrivenProgram program;
    HWND setup = StartSetup(program);
    ASSERT_NE(nullptr, setup);
    for (int id : {5101, 5105, 5112, 5114, 5115, 5117, 5119}) Click(setup, id);
    std::vector<int> expected = CheckStates(setup);
    ASSERT_EQ(0, expected[0]);
    for (int i = 0; i < 14; ++i) expected[i] = 1;

    Click(setup, 5121);
    EXPECT_EQ(Joined(expected), Joined(CheckStates(setup)));
    if (ChineseTextsReadable()) {
        EXPECT_EQ(Wide("全部选择(&A)"), ControlText(setup, 5121));
    }
    CloseAndExpectNoCompletion(program, setup);
}

TEST_F(SetupDialogs, OkSavesAppliesRegistersAndTheCompletionDialogFollows) {
    DrivenProgram program;
    HWND setup = StartSetup(program);
    ASSERT_NE(nullptr, setup);
    for (int id : {5103, 5113, 5115, 5120}) Click(setup, id);   // CAB, ISO off; desktop on; icons off
    const std::vector<int> shown = CheckStates(setup);

    PostClick(setup, IDOK);
    HWND done = program.WaitForDialog(kDoneMarker, kSetupMarker);
    ASSERT_NE(nullptr, done) << "no completion dialog";
    EXPECT_FALSE(IsWindow(setup));

    EXPECT_EQ(Joined(shown), Joined(StoredChoices()));
    // The uninstall entry: the product title and the program's own path.
    char text[1024];
    char title[512];
    LoadStringA(GetModuleHandleA(nullptr), 5101, title, sizeof title);
    EXPECT_TRUE(ReadString(HKEY_LOCAL_MACHINE, kUninstallEntryKey, "DisplayName", text, "", sizeof text));
    EXPECT_STREQ(title, text);
    EXPECT_TRUE(ReadString(HKEY_LOCAL_MACHINE, kUninstallEntryKey, "UninstallString", text, "", sizeof text));
    EXPECT_STREQ(Program().c_str(), text);
    // Applied: the application path entry, LVX taken over, CAB left alone.
    EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, kAppPathEntryKey));
    ReadString(HKEY_CLASSES_ROOT, ".lvx", "", text, "", sizeof text);
    EXPECT_STREQ("Lumvex", text);
    ReadString(HKEY_CLASSES_ROOT, ".cab", "", text, "", sizeof text);
    EXPECT_STRNE("Lumvex", text);

    Click(done, IDOK);
    DWORD code = 1;
    EXPECT_TRUE(program.WaitForExit(&code));
    EXPECT_EQ(0u, code);
    // The program group (on by default) is opened last.
    EXPECT_EQ(1u, WaitForLines(ShellOpens, 1).size());
}

TEST_F(SetupDialogs, CloseBoxSavesAndAppliesNothing) {
    DrivenProgram program;
    HWND setup = StartSetup(program);
    ASSERT_NE(nullptr, setup);
    for (int id : {5101, 5115, 5118}) Click(setup, id);
    CloseAndExpectNoCompletion(program, setup);

    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, "")) << "choices were stored";
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kUninstallEntryKey));
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kAppPathEntryKey));
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, ".lvx"));
    EXPECT_TRUE(ShellOpens().empty());
}

// The context menu items dialog, opened from the setup dialog.
class ContextItems : public SetupDialogs {
protected:
    HWND OpenItems(DrivenProgram& program, HWND setup) {
        PostClick(setup, 5123);
        return program.WaitForDialog(kItemsMarker);
    }
    static std::vector<int> ItemStates(HWND items) {
        std::vector<int> states;
        for (int id = 101; id <= 111; ++id) states.push_back(IsChecked(items, id) ? 1 : 0);
        return states;
    }
    static std::vector<int> StoredItems() {
        static const char* const kNames[] = {"ExtrTo", "ExtrHere", "Extr", "ExtrSep",
                                             "OpenSFX", "AddTo", "AddArc", "EmailArc",
                                             "EmailOpt", "Test", "Convert"};
        std::vector<int> values;
        for (const char* name : kNames) {
            DWORD v = 0;
            values.push_back(ReadDword(HKEY_CURRENT_USER, "Setup\\MenuItems", name, &v, 0)
                                 ? static_cast<int>(v) : -1);
        }
        return values;
    }
};

TEST_F(ContextItems, DefaultsCancelAndOkAndTheyOutliveAClosedSetupDialog) {
    DrivenProgram program;
    HWND setup = StartSetup(program);
    ASSERT_NE(nullptr, setup);

    HWND items = OpenItems(program, setup);
    ASSERT_NE(nullptr, items);
    if (ChineseTextsReadable()) {
        EXPECT_EQ(Wide("关联菜单项目"), TextOf(items));
    }
    EXPECT_EQ("1 1 1 1 1 1 1 1 1 0 0 ", Joined(ItemStates(items)));
    Click(items, 101);
    Click(items, 110);
    PostClick(items, IDCANCEL);
    ASSERT_TRUE(program.WaitUntilGone(items));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, "Setup\\MenuItems")) << "Cancel wrote something";

    items = OpenItems(program, setup);
    ASSERT_NE(nullptr, items);
    EXPECT_EQ("1 1 1 1 1 1 1 1 1 0 0 ", Joined(ItemStates(items))) << "Cancel kept a change";
    PostClick(items, IDOK);   // unchanged: all eleven are still written
    ASSERT_TRUE(program.WaitUntilGone(items));
    EXPECT_EQ("1 1 1 1 1 1 1 1 1 0 0 ", Joined(StoredItems()));

    items = OpenItems(program, setup);
    ASSERT_NE(nullptr, items);
    Click(items, 101);
    Click(items, 110);
    PostClick(items, IDOK);
    ASSERT_TRUE(program.WaitUntilGone(items));
    EXPECT_EQ("0 1 1 1 1 1 1 1 1 1 0 ", Joined(StoredItems()));

    CloseAndExpectNoCompletion(program, setup);
    EXPECT_EQ("0 1 1 1 1 1 1 1 1 1 0 ", Joined(StoredItems())) << "lost with the setup dialog";
    EXPECT_EQ(-1, StoredChoices()[0]) << "the setup choices were stored";

    // The next run shows the stored items.
    DrivenProgram again;
    setup = StartSetup(again);
    ASSERT_NE(nullptr, setup);
    items = OpenItems(again, setup);
    ASSERT_NE(nullptr, items);
    EXPECT_EQ("0 1 1 1 1 1 1 1 1 1 0 ", Joined(ItemStates(items)));
    PressCloseBox(items);   // the close box is Cancel
    ASSERT_TRUE(again.WaitUntilGone(items));
    CloseAndExpectNoCompletion(again, setup);
}

// Help: the setup dialog's and the items dialog's Help buttons open their
// topics, the completion dialog's help button the contents.
TEST_F(SetupDialogs, HelpButtonsReachWinHelp) {
    HelpRecorder help;
    ASSERT_TRUE(help.Ok());
    DrivenProgram program;
    HWND setup = StartSetup(program);
    ASSERT_NE(nullptr, setup);

    PostClick(setup, 9);
    auto requests = help.WaitFor(1);
    ASSERT_EQ(1u, requests.size());
    EXPECT_EQ(static_cast<UINT>(HELP_CONTEXT), requests[0].command);
    EXPECT_EQ(4288u, requests[0].data);
    EXPECT_EQ("lumvex.hlp", requests[0].file);

    HWND items = program.WaitForDialog(kItemsMarker, 0, 0);
    EXPECT_EQ(nullptr, items);
    PostClick(setup, 5123);
    items = program.WaitForDialog(kItemsMarker);
    ASSERT_NE(nullptr, items);
    PostClick(items, 9);
    requests = help.WaitFor(2);
    ASSERT_EQ(2u, requests.size());
    EXPECT_EQ(static_cast<UINT>(HELP_CONTEXT), requests[1].command);
    EXPECT_EQ(4976u, requests[1].data);
    EXPECT_EQ("lumvex.hlp", requests[1].file);
    PostClick(items, IDCANCEL);
    ASSERT_TRUE(program.WaitUntilGone(items));

    Click(setup, 5117);   // no program group: no folder is opened afterwards
    PostClick(setup, IDOK);
    HWND done = program.WaitForDialog(kDoneMarker, kSetupMarker);
    ASSERT_NE(nullptr, done);
    PostClick(done, 5103);
    requests = help.WaitFor(3);
    ASSERT_EQ(3u, requests.size());
    EXPECT_EQ(static_cast<UINT>(HELP_FINDER), requests[2].command);
    EXPECT_EQ(0u, requests[2].data);
    EXPECT_EQ("lumvex.hlp", requests[2].file);
    Click(done, IDOK);
    DWORD code = 1;
    EXPECT_TRUE(program.WaitForExit(&code));
}

TEST_F(SetupDialogs, CompletionDialogStartsAndOpensFromTheCurrentFolder) {
    DrivenProgram program;
    HWND setup = StartSetup(program);
    ASSERT_NE(nullptr, setup);
    Click(setup, 5117);   // no program group: no folder is opened afterwards
    PostClick(setup, IDOK);
    HWND done = program.WaitForDialog(kDoneMarker, kSetupMarker);
    ASSERT_NE(nullptr, done);

    std::string folder = InstalledFolder();
    folder.pop_back();
    EXPECT_EQ(folder, Utf8(ControlText(done, 5101)));

    std::string archiver = InstalledFolder() + "Lumvex.exe";
    Click(done, 5102);
    Click(done, 5102);
    std::vector<std::string> starts = WaitForLines(ArchiverStarts, 2);
    ASSERT_EQ(2u, starts.size());
    EXPECT_EQ(archiver, starts[0]);   // the whole command line: the path, unquoted
    EXPECT_EQ(archiver, starts[1]);

    // One at a time: each starts a handler process of its own.
    const struct { int button; std::string document; } kOpens[] = {
        {5104, InstalledFolder() + "license.txt"},
        {5105, InstalledFolder() + "order.htm"},
        {5106, "https://www.lumvex.example/"},
    };
    for (size_t i = 0; i < 3; ++i) {
        Click(done, kOpens[i].button);
        std::vector<std::string> opens = WaitForLines(ShellOpens, i + 1);
        ASSERT_EQ(i + 1, opens.size()) << "button " << kOpens[i].button;
        // The handler's command line: its own quoted path, then the document.
        EXPECT_NE(std::string::npos, opens[i].find("\"" + kOpens[i].document + "\"")) << opens[i];
    }
    EXPECT_TRUE(IsWindowVisible(done)) << "a button closed the dialog";

    PressCloseBox(done);   // Esc and the close box end it like the finish button
    DWORD code = 1;
    EXPECT_TRUE(program.WaitForExit(&code));
    EXPECT_EQ(3u, ShellOpens().size()) << "a folder was opened without a program group";
}

// Started in a folder whose name holds blanks and that lacks the licence
// text and the order page: the archiver is started by its unquoted path, and
// the missing documents are reported by nobody.
TEST_F(SetupDialogs, CompletionDialogInAFolderWithBlanksAndWithoutDocuments) {
    std::string folder = TestFolder() + "with blanks\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    ASSERT_TRUE(CopyFileA((TestFolder() + "Lumvex.exe").c_str(), (folder + "Lumvex.exe").c_str(), FALSE));
    std::string record = folder + "Lumvex.started.txt";
    DeleteFileA(record.c_str());

    DrivenProgram program;
    ASSERT_TRUE(program.Start(Program(), "/setup", folder));
    HWND setup = program.WaitForDialog(kSetupMarker);
    ASSERT_NE(nullptr, setup);
    Click(setup, 5117);
    PostClick(setup, IDOK);
    HWND done = program.WaitForDialog(kDoneMarker, kSetupMarker);
    ASSERT_NE(nullptr, done);

    // The missing documents first; the archiver's start below then gives a
    // wrongly started handler as much time as a started program needs.
    Click(done, 5104);
    Click(done, 5105);
    Click(done, 5102);
    std::string started;
    for (int i = 0; i < 150 && started.empty(); ++i) {
        PumpMessages(100);
        std::ifstream in(record, std::ios::binary);
        std::getline(in, started);
    }
    if (!started.empty() && started.back() == '\r') started.pop_back();
    // The unquoted path was resolved to the archiver in this folder (the
    // system under test hands the started program its path in quotes).
    std::string archiver = folder + "Lumvex.exe";
    EXPECT_TRUE(started == archiver || started == "\"" + archiver + "\"") << started;

    EXPECT_TRUE(ShellOpens().empty()) << "opened: " << ShellOpens()[0];
    // Nothing but the completion dialog is shown, and it stays.
    EXPECT_EQ(done, program.WaitForDialog(kDoneMarker, kSetupMarker, 0));
    EXPECT_TRUE(IsWindowVisible(done));
    Click(done, IDOK);
    DWORD code = 1;
    EXPECT_TRUE(program.WaitForExit(&code));
    std::string shown;
    for (const std::string& window : program.VisibleWindowsSeen())
        if (window.find("(setup)") == std::string::npos && window.find("(completion)") == std::string::npos)
            shown += window + " ";
    EXPECT_EQ("", shown) << "a window other than the two dialogs was shown";
}

TEST_F(SetupDialogs, SilentSetupShowsNothingAndAppliesTheStoredChoices) {
    WriteSettingDword("Setup\\.cab", "Set", 0);
    WriteSettingDword("Setup\\Links", "Desktop", 1);
    DrivenProgram program;
    ASSERT_TRUE(program.Start(Program(), "/setup /S", InstalledFolder()));
    DWORD code = 1;
    ASSERT_TRUE(program.WaitForExit(&code));
    EXPECT_EQ(0u, code);
    std::string shown;
    for (const std::string& cls : program.VisibleWindowsSeen()) shown += cls + " ";
    EXPECT_EQ("", shown) << "windows were shown";

    EXPECT_EQ("1 1 0 1 1 1 1 1 1 1 1 1 1 1 1 0 1 1 0 1 ", Joined(StoredChoices()));
    EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, kUninstallEntryKey));
    EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, kAppPathEntryKey));
    char text[256];
    ReadString(HKEY_CLASSES_ROOT, ".lvx", "", text, "", sizeof text);
    EXPECT_STREQ("Lumvex", text);
    PumpMessages(500);
    EXPECT_TRUE(ShellOpens().empty()) << "opened: " << ShellOpens()[0];
    EXPECT_TRUE(ArchiverStarts().empty());
}

TEST_F(SetupDialogs, VisibleSetupOpensTheProgramGroupAfterTheCompletionDialog) {
    DrivenProgram program;
    HWND setup = StartSetup(program);
    ASSERT_NE(nullptr, setup);
    ASSERT_TRUE(IsChecked(setup, 5117));
    PostClick(setup, IDOK);
    HWND done = program.WaitForDialog(kDoneMarker, kSetupMarker);
    ASSERT_NE(nullptr, done);
    PumpMessages(300);
    EXPECT_TRUE(ShellOpens().empty()) << "the folder opened before the completion dialog ended";
    Click(done, IDOK);
    DWORD code = 1;
    EXPECT_TRUE(program.WaitForExit(&code));

    std::vector<std::string> opens = WaitForLines(ShellOpens, 1);
    ASSERT_EQ(1u, opens.size());
    char programs[MAX_PATH] = "";
    ASSERT_TRUE(SHGetSpecialFolderPathA(nullptr, programs, CSIDL_PROGRAMS, FALSE));
    EXPECT_NE(std::string::npos, opens[0].find(std::string("\"") + programs + "\\")) << opens[0];
}

}  // namespace
