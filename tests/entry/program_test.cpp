// The real uninstall.exe, copied into a scratch installation folder and
// started with switches that must not uninstall: what it shows, how long it
// waits, and that the installation is left as it was. Also the resources
// of the program file and the rich edit library it loads.
#include <gtest/gtest.h>

#include <string>

#include "entry/expected_texts.h"
#include "entry/program_run.h"

namespace {

// The installation folder's name: in code page 936 it holds Chinese and ends
// in a character whose trail byte is '\' (0x5C); elsewhere a blank and a '%'.
std::string FolderName() {
    return GetACP() == 936 ? "lvx entry \xD0\xB6\xD4\xD8\x81\x5C" : "lvx entry 100% a";
}

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.Ok()) << folder_.Path();
        program_ = folder_.Path() + "uninstall.exe";
        Install();
    }

    // The program, its list and one listed file (again, after a run).
    void Install() {
        CreateDirectoryA(folder_.Path().c_str(), nullptr);
        ASSERT_TRUE(CopyFileA((BinFolder() + "uninstall.exe").c_str(), program_.c_str(), FALSE));
        ASSERT_TRUE(WriteWholeFile(folder_.Path() + "Uninstall.lst", "keep.txt\r\n"));
        ASSERT_TRUE(WriteWholeFile(folder_.Path() + "keep.txt", "installed"));
    }

    void ExpectInstallationUntouched() {
        EXPECT_TRUE(FileExists(program_)) << "the program file is gone";
        EXPECT_TRUE(FileExists(folder_.Path() + "Uninstall.lst")) << "the list is gone";
        EXPECT_EQ("installed", ReadWholeFile(folder_.Path() + "keep.txt")) << "a listed file changed";
    }

    std::string ManualDeletionText() {
        std::string format = Expected(5106);
        return Expected(5105) + "\n" + format.substr(0, format.find("%s")) + program_;
    }

    ScratchFolder folder_{FolderName()};
    std::string program_;
};

// Switches that count as operations: no uninstallation, no window at all.
TEST_F(ProgramTest, SwitchesThatRunNothing) {
    const struct {
        const char* arguments;
        DWORD atLeastMs;   // how long the program must have run
        bool question;     // the uninstallation's question (answered No) is shown
    } cases[] = {
        // The control: without switches the uninstallation starts and asks first.
        {"", 0, true},
        {"/silent", 0, false}, {"-x", 0, false}, {"-", 0, false}, {"/s- ", 0, false},
        {"/setu", 0, false}, {"/wait", 1900, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("arguments '") + c.arguments + "'");
        Install();
        ProgramRun run = RunProgram(program_, c.arguments, folder_.Path());
        ASSERT_TRUE(run.started);
        ASSERT_TRUE(run.ended) << "still running after " << run.elapsedMs << " ms";
        EXPECT_EQ(0u, run.exitCode);
        EXPECT_GE(run.elapsedMs, c.atLeastMs);
        EXPECT_EQ(c.question ? 1u : 0u, run.boxes.size())
            << "first box: " << (run.boxes.empty() ? "" : Bytes(run.boxes[0].text));
        if (c.question && run.boxes.size() == 1) {
            EXPECT_EQ(Expected(5107), run.boxes[0].text) << Bytes(run.boxes[0].text);
            EXPECT_EQ((std::vector<int>{IDYES, IDNO}), run.boxes[0].buttons);
        }
        EXPECT_EQ(0u, run.otherWindows.size()) << "first window: "
                                               << (run.otherWindows.empty() ? "" : run.otherWindows[0]);
        ExpectInstallationUntouched();
    }
}

TEST_F(ProgramTest, WarningShowsTheProgramsOwnPath) {
    ProgramRun run = RunProgram(program_, "/warning", folder_.Path());
    ASSERT_TRUE(run.ended) << "still running after " << run.elapsedMs << " ms";
    EXPECT_EQ(0u, run.exitCode);
    ASSERT_EQ(1u, run.boxes.size());
    const SeenBox& box = run.boxes[0];
    EXPECT_EQ(Expected(5104), box.caption) << Bytes(box.caption);
    EXPECT_EQ(ManualDeletionText(), box.text) << Bytes(box.text);
    EXPECT_EQ(std::vector<int>{IDOK}, box.buttons);
    ExpectInstallationUntouched();
}

// wait and warning take effect at once, in command-line order.
TEST_F(ProgramTest, WaitAndWarningInCommandLineOrder) {
    ProgramRun run = RunProgram(program_, "/wait /warning", folder_.Path());
    ASSERT_TRUE(run.ended);
    ASSERT_EQ(1u, run.boxes.size());
    EXPECT_GE(run.boxes[0].shownAfterMs, 1900u) << "the box came before the wait";
    EXPECT_EQ(ManualDeletionText(), run.boxes[0].text) << Bytes(run.boxes[0].text);

    run = RunProgram(program_, "/warning /wait", folder_.Path());
    ASSERT_TRUE(run.ended);
    ASSERT_EQ(1u, run.boxes.size());
    EXPECT_GE(run.elapsedMs - run.boxes[0].closedAfterMs, 1900u) << "no wait after the box";
    ExpectInstallationUntouched();
}

// A riched32.dll planted beside the program is never loaded: the system's is.
TEST_F(ProgramTest, PlantedRichEditLibraryIsNotLoaded) {
    const std::string planted = folder_.Path() + "riched32.dll";
    const std::string marker = folder_.Path() + "planted-library-loaded.txt";
    ASSERT_TRUE(CopyFileA((BinFolder() + "planted_library.dll").c_str(), planted.c_str(), FALSE));
    // The planted library does mark a load (checked under its own name).
    const std::string control = folder_.Path() + "planted_library.dll";
    ASSERT_TRUE(CopyFileA((BinFolder() + "planted_library.dll").c_str(), control.c_str(), FALSE));
    HMODULE loaded = LoadLibraryA(control.c_str());
    ASSERT_NE(nullptr, loaded);
    FreeLibrary(loaded);
    ASSERT_TRUE(FileExists(marker));
    ASSERT_TRUE(DeleteFileA(marker.c_str()));
    // Make Wine prefer a library file found by name over its built-in one for
    // this program, as Windows does, so that a load through the search path
    // would take the planted file.
    const char* key = "Software\\Wine\\AppDefaults\\uninstall.exe\\DllOverrides";
    HKEY overrides = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, key, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                                             &overrides, nullptr));
    const char order[] = "native,builtin";
    RegSetValueExA(overrides, "riched32", 0, REG_SZ, reinterpret_cast<const BYTE*>(order), sizeof order);
    RegCloseKey(overrides);
    ProgramRun run = RunProgram(program_, "-x", folder_.Path());
    RegDeleteKeyA(HKEY_CURRENT_USER, key);
    ASSERT_TRUE(run.ended);
    EXPECT_FALSE(FileExists(marker)) << "the planted riched32.dll was loaded";
}

BOOL CALLBACK CollectName(HMODULE, LPCSTR, LPSTR name, LONG_PTR param) {
    auto* names = reinterpret_cast<std::vector<std::string>*>(param);
    names->push_back(IS_INTRESOURCE(name) ? "#" + std::to_string(reinterpret_cast<UINT_PTR>(name)) : name);
    return TRUE;
}

TEST(ProgramFile, Resources) {
    const std::string program = BinFolder() + "uninstall.exe";
    HMODULE module = LoadLibraryExA(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(nullptr, module);
    const WORD chinese = MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED);

    // DELICON first: the icon of the program file.
    std::vector<std::string> groups;
    EnumResourceNamesA(module, RT_GROUP_ICON, CollectName, reinterpret_cast<LONG_PTR>(&groups));
    EXPECT_EQ((std::vector<std::string>{"DELICON", "LVXICON"}), groups);
    for (const char* name : {"DELICON", "LVXICON"}) {
        EXPECT_NE(nullptr, FindResourceExA(module, RT_GROUP_ICON, name, chinese)) << name << " in 2052";
    }

    // The string table, in 2052, compared as UTF-16 (independent of the code page).
    const struct {
        int number;
        const wchar_t* text;
    } strings[] = {
        {5101, L"Lumvex 压缩文件管理器"},
        {5102, L"Lumvex 中文帮助"},
        {5103, L"控制台 LVX 中文手册"},
        {5104, L"卸载 Lumvex"},
        {5105, L"卸载已完成"},
        {5106, L"你应该手动删除 %s"},
        {5107, L"确实要卸载 Lumvex 吗?"},
        {5108, L"无法打开列表文件 %s"},
        {5109, L"Lumvex 压缩文件"},
        {5110, L"Lumvex ZIP 压缩文件"},
        {5111, L"LVX 恢复卷"},
        {5112, L"https://www.lumvex.example/"},
        {5113, L"处理 LVX、ZIP 和其他压缩格式"},
        {5114, L"你需要重新启动 Windows 来完全卸载 Lumvex。"},
    };
    for (const auto& s : strings) {
        HRSRC block = FindResourceExA(module, RT_STRING, MAKEINTRESOURCEA(s.number / 16 + 1), chinese);
        EXPECT_NE(nullptr, block) << "string block of " << s.number << " in 2052";
        wchar_t text[512] = L"";
        LoadStringW(module, s.number, text, 512);
        EXPECT_EQ(std::wstring(s.text), text) << s.number;
    }

    // The manifest: identity, description, common controls 6.0.0.0 for x86.
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(1), RT_MANIFEST);
    ASSERT_NE(nullptr, found);
    std::string manifest(static_cast<const char*>(LockResource(LoadResource(module, found))),
                         SizeofResource(module, found));
    for (const char* part : {"name=\"Orvane.Lumvex.Lumvex\"", "<description>Lumvex archiver.</description>",
                             "name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"",
                             "processorArchitecture=\"X86\""}) {
        EXPECT_NE(std::string::npos, manifest.find(part)) << part;
    }
    FreeLibrary(module);
}

}  // namespace
