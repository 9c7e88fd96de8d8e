// The translators' tool: its template holds an entry for every text the
// program shows (as the running system hands the texts out), it warns about
// texts the code page cannot represent, its check mode finds the faults of a
// language file, and the English sample file in the tree is what it makes.
#include <gtest/gtest.h>
#include <windows.h>

#include <set>
#include <string>
#include <vector>

#include "localisation/language_store.h"
#include "test_files.h"

namespace {

struct RunResult {
    DWORD exitCode;
    std::string output;
};

RunResult RunTool(const ScratchFolder& folder, const std::string& arguments) {
    std::string outputPath = folder.Path() + "\\tool-output.txt";
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE output = CreateFileA(outputPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, 0,
                                nullptr);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = startup.hStdError = output;
    PROCESS_INFORMATION process = {};
    std::string command = "\"" + ProgramFolder() + "\\lngtool.exe\" " + arguments;
    RunResult result = {999, ""};
    if (CreateProcessA(nullptr, &command[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process)) {
        WaitForSingleObject(process.hProcess, 60000);
        GetExitCodeProcess(process.hProcess, &result.exitCode);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    CloseHandle(output);
    HANDLE in = CreateFileA(outputPath.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    char buffer[8192];
    DWORD got = 0;
    while (ReadFile(in, buffer, sizeof buffer, &got, nullptr) && got > 0) result.output.append(buffer, got);
    CloseHandle(in);
    return result;
}

std::string ReadFileBytes(const std::string& path) {
    std::string bytes;
    HANDLE in = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    char buffer[8192];
    DWORD got = 0;
    while (ReadFile(in, buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
    CloseHandle(in);
    return bytes;
}

std::string Program() { return "\"" + ProgramFolder() + "\\uninstall.exe\""; }
std::string CodePage() { return std::to_string(GetACP()); }

std::string Key(const std::string& text, const char* context, int kind) {
    char key[9];
    TranslationKey(key, text.c_str(), context, kind);
    return key;
}

BOOL CALLBACK CollectDialogName(HMODULE, LPCSTR, LPSTR name, LONG_PTR list) {
    if (!IS_INTRESOURCE(name)) reinterpret_cast<std::vector<std::string>*>(list)->push_back(name);
    return TRUE;
}

INT_PTR CALLBACK PlainDialogProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

struct ShownText {
    std::string key;
    std::string where;
    std::string text;
};

// The texts as this system hands them out: the string table through
// LoadStringA, the dialogs' texts through GetWindowTextA of real windows made
// from the templates (this test program carries the program's resources).
std::vector<ShownText> TextsAsShown() {
    std::vector<ShownText> shown;
    HMODULE self = GetModuleHandleA(nullptr);
    for (int number = 5101; number <= 5114; ++number) {
        char text[512] = "";
        LoadStringA(self, number, text, sizeof text);
        shown.push_back({Key(text, nullptr, 0), "message " + std::to_string(number), text});
    }
    LoadLibraryA("riched32.dll");
    std::vector<std::string> dialogs;
    EnumResourceNamesA(self, MAKEINTRESOURCEA(5), CollectDialogName, reinterpret_cast<LONG_PTR>(&dialogs));
    for (const std::string& name : dialogs) {
        HWND dialog = CreateDialogParamA(self, name.c_str(), nullptr, PlainDialogProc, 0);
        EXPECT_NE(dialog, nullptr) << name;
        if (!dialog) continue;
        char text[1024] = "";
        GetWindowTextA(dialog, text, sizeof text);
        if (text[0]) shown.push_back({Key(text, name.c_str(), 1), name + " caption", text});
        for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            text[0] = '\0';
            GetWindowTextA(child, text, sizeof text);
            char className[64] = "";
            GetClassNameA(child, className, sizeof className);
            LONG style = GetWindowLongA(child, GWL_STYLE);
            bool picture = lstrcmpiA(className, "Static") == 0 &&
                           ((style & SS_TYPEMASK) == SS_ICON || (style & SS_TYPEMASK) == SS_BITMAP);
            if (text[0] && !picture) {
                shown.push_back({Key(text, name.c_str(), 1),
                                 name + " control " + std::to_string(GetDlgCtrlID(child)), text});
            }
        }
        DestroyWindow(dialog);
    }
    return shown;
}

TEST(Lngtool, TemplateHasAnEntryForEveryTextShown) {
    ScratchFolder folder;
    std::string templatePath = folder.Path() + "\\template.lng";
    RunResult run = RunTool(folder, "template " + Program() + " " + CodePage() + " \"" + templatePath + "\"");
    ASSERT_EQ(run.exitCode, 0u) << run.output;
    std::string file = ReadFileBytes(templatePath);
    MemoryByteSource source(file.data(), file.size());
    LanguageStore store;
    ASSERT_TRUE(store.Load(source)) << "no marker in the template";

    std::vector<ShownText> shown = TextsAsShown();
    ASSERT_GE(shown.size(), 14u);
    for (const ShownText& t : shown) {
        // The entry is found, and untranslated it gives the text back.
        EXPECT_NE(store.FindIndexed(t.key.c_str()), nullptr) << t.where << " \"" << t.text << "\" key " << t.key;
        if (t.where.find("message") == 0) {
            char back[1024];
            store.Translate(back, sizeof back, t.text.c_str(), nullptr, 0);
            EXPECT_EQ(std::string(back), t.text) << t.where;
        }
    }
    // Each dialog's scale entry and the direction entry are there, commented out.
    EXPECT_NE(file.find(";" + Key("LTR", "LTR", 1) + "=\"RTL\""), std::string::npos);
    for (const ShownText& t : shown) {
        if (t.where.find(" caption") != std::string::npos) {
            std::string name = t.where.substr(0, t.where.find(' '));
            EXPECT_NE(file.find(";" + Key("", name.c_str(), 1) + "=\"100*100\""), std::string::npos) << name;
        }
    }
    // The header comes before the marker and does not contain one.
    EXPECT_EQ(file.find("**messages**"), file.find("***messages***") + 1);
    // Its own check finds nothing wrong.
    RunResult check = RunTool(folder, "check " + Program() + " " + CodePage() + " \"" + templatePath + "\"");
    EXPECT_EQ(check.exitCode, 0u) << check.output;
    EXPECT_NE(check.output.find(", 0 problems"), std::string::npos) << check.output;
}

TEST(Lngtool, SaysWhichTextsTheCodePageCannotRepresent) {
    ScratchFolder folder;
    std::string templatePath = folder.Path() + "\\template.lng";
    RunResult run = RunTool(folder, "template " + Program() + " 1252 \"" + templatePath + "\"");
    ASSERT_EQ(run.exitCode, 0u) << run.output;
    std::string file = ReadFileBytes(templatePath);
    std::string header = file.substr(0, file.find("***messages***"));
    EXPECT_NE(header.find("WARNING: code page 1252 cannot represent "), std::string::npos) << header;
    // Listed with what the program sees; a text in plain ASCII is not.
    EXPECT_NE(header.find("  " + Key("?? Lumvex", nullptr, 0) + "  message 5104: ?? Lumvex\r\n"), std::string::npos)
        << header;
    EXPECT_NE(header.find("message 5105: ?????\r\n"), std::string::npos) << header;
    EXPECT_EQ(header.find("message 5112"), std::string::npos) << header;
    // "Lumvex 中文帮助" and "Lumvex 压缩文件" both become "Lumvex ????".
    std::string shared = Key("Lumvex ????", nullptr, 0);
    EXPECT_NE(header.find("Key " + shared + " stands for 2 different texts: message 5102; message 5109;"),
              std::string::npos)
        << header;
    EXPECT_NE(run.output.find("warning: key " + shared + " stands for 2 different texts"), std::string::npos)
        << run.output;
    // One entry for that key.
    size_t first = file.find("\n" + shared + "=\"");
    ASSERT_NE(first, std::string::npos);
    EXPECT_EQ(file.find("\n" + shared + "=\"", first + 1), std::string::npos);
    // A code page without representation problems has no warning.
    run = RunTool(folder, "template " + Program() + " 936 \"" + templatePath + "\"");
    EXPECT_EQ(ReadFileBytes(templatePath).find("WARNING"), std::string::npos);
}

TEST(Lngtool, CheckFindsTheFaultsOfALanguageFile) {
    char format[512] = "";
    LoadStringA(GetModuleHandleA(nullptr), 5106, format, sizeof format);
    std::string key5106 = Key(format, nullptr, 0);
    char done[512] = "";
    LoadStringA(GetModuleHandleA(nullptr), 5105, done, sizeof done);
    std::string key5105 = Key(done, nullptr, 0);
    std::string scale = Key("", "SETUPDLG", 1);
    struct Case {
        const char* name;
        std::string body;   // after the marker line, which is line 2
        std::string problem;   // empty: none expected
    } cases[] = {
        {"clean", key5105 + "=\"Done\" ; remark\r\n" + key5106 + "=\"Delete %s, 100%% sure\"\r\n", ""},
        {"unknown key", "12345678=\"x\"\r\n", "line 3: key 12345678 matches no text of the program"},
        {"duplicate key", key5105 + "=\"a\"\r\n\r\n" + key5105 + "=\"b\"\r\n",
         "line 5: key " + key5105 + " is already used on line 3"},
        {"no closing quote", key5105 + "=\"Done\r\n", "line 3: key " + key5105 + ": no closing double quote"},
        {"upper-case key", "ABCDEF12=\"x\"\n", "line 3: key ABCDEF12 has upper-case digits"},
        {"blanks around =", key5105 + " = \"Done\"\n", "line 3: key " + key5105 + ": blanks around ="},
        {"conversion changed", key5106 + "=\"Delete %d\"\r\n",
         "line 3: message 5106 has the conversions %d where the original has %s"},
        {"conversion missing", key5106 + "=\"Delete it\"\r\n",
         "line 3: message 5106 has the conversions none where the original has %s"},
        {"two conversions", key5106 + "=\"%s %s\"\r\n", "message 5106 has the conversions %s %s"},
    };
    ScratchFolder folder;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string path = folder.Write("check.lng", "Header\r\n***messages***\r\n" + c.body);
        RunResult run = RunTool(folder, "check " + Program() + " " + CodePage() + " \"" + path + "\"");
        if (c.problem.empty()) {
            EXPECT_EQ(run.exitCode, 0u) << run.output;
        } else {
            EXPECT_EQ(run.exitCode, 1u) << run.output;
            EXPECT_NE(run.output.find(c.problem), std::string::npos) << run.output;
        }
    }
    std::string path = folder.Write("check.lng", "no marker here\r\n");
    RunResult run = RunTool(folder, "check " + Program() + " " + CodePage() + " \"" + path + "\"");
    EXPECT_EQ(run.exitCode, 1u);
    EXPECT_NE(run.output.find("no marker line found"), std::string::npos) << run.output;
}

// The English sample file in the tree is what the tool makes now.
TEST(Lngtool, EnglishSampleFileIsUpToDate) {
    ScratchFolder folder;
    std::string made = folder.Path() + "\\uninstall.lng";
    RunResult run = RunTool(folder, "template " + Program() + " 936 \"" + made + "\" \"" + EnglishLibraryPath() + "\"");
    ASSERT_EQ(run.exitCode, 0u) << run.output;
    std::string fresh = ReadFileBytes(made);
    std::string kept = ReadFileBytes(EnglishLanguageFilePath());
    ASSERT_FALSE(kept.empty()) << EnglishLanguageFilePath();
    EXPECT_TRUE(fresh == kept) << "src/resources/english/uninstall.lng is out of date: run "
                                  "scripts/make-english-language-file";
}

}  // namespace
