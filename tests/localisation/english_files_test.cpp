// The English language library and the English language file, beside the
// real program: its message boxes and its setup dialog are English with the
// library on every code page, and English with the file in code page 936
// (elsewhere the file's keys match nothing and the program's own texts stay).
// And a language file's scale and direction entries on the real setup dialog.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialogs/dialog_driver.h"
#include "entry/expected_texts.h"
#include "entry/program_run.h"

namespace {

const char kEnglishQuestion[] = "Do you really want to uninstall Lumvex?";
const char kEnglishCaption[] = "Uninstall Lumvex";

std::string LangFolder() { return BinFolder() + "..\\lang\\"; }

struct Companions {
    const char* name;
    bool library;   // lvxlng.dll beside the program
    bool file;      // the English uninstall.lng beside the program
};

// A loaded language file takes the messages from the program's own table, so
// with the file the messages are English only where its keys match (code
// page 936), even when the library is there too.
bool EnglishExpected(const Companions& s) { return s.file ? GetACP() == 936 : s.library; }

TEST(EnglishFiles, MessageBoxesOfTheRealProgram) {
    const Companions cases[] = {
        {"neither", false, false},
        {"library", true, false},
        {"file", false, true},
        {"library and file", true, true},
    };
    for (const Companions& s : cases) {
        SCOPED_TRACE(s.name);
        ScratchFolder folder("lvx english");
        ASSERT_TRUE(folder.Ok());
        std::string program = folder.Path() + "uninstall.exe";
        ASSERT_TRUE(CopyFileA((BinFolder() + "uninstall.exe").c_str(), program.c_str(), FALSE));
        for (const char* name : {"lvxlng.dll", "uninstall.lng"}) {
            bool wanted = name[0] == 'l' ? s.library : s.file;
            if (!wanted) continue;
            ASSERT_TRUE(CopyFileA((LangFolder() + name).c_str(), (folder.Path() + name).c_str(), FALSE)) << name;
        }
        ASSERT_TRUE(WriteWholeFile(folder.Path() + "Uninstall.lst", "keep.txt\r\n"));
        bool english = EnglishExpected(s);

        // The manual-deletion message: caption 5104, text 5105 and 5106.
        ProgramRun run = RunProgram(program, "/warning", folder.Path());
        ASSERT_TRUE(run.ended);
        ASSERT_EQ(run.boxes.size(), 1u);
        std::string done = english ? "Uninstallation is complete" : Expected(5105);
        std::string format = english ? "You should delete %s manually" : Expected(5106);
        std::string text = done + "\n" + format.replace(format.find("%s"), 2, program);
        EXPECT_EQ(run.boxes[0].caption, english ? kEnglishCaption : Expected(5104)) << Bytes(run.boxes[0].caption);
        EXPECT_EQ(run.boxes[0].text, text) << Bytes(run.boxes[0].text);

        // The uninstallation's question, answered No.
        run = RunProgram(program, "", folder.Path());
        ASSERT_TRUE(run.ended);
        ASSERT_EQ(run.boxes.size(), 1u);
        EXPECT_EQ(run.boxes[0].caption, english ? kEnglishCaption : Expected(5104)) << Bytes(run.boxes[0].caption);
        EXPECT_EQ(run.boxes[0].text, english ? kEnglishQuestion : Expected(5107)) << Bytes(run.boxes[0].text);
        EXPECT_TRUE(FileExists(program));
    }
}

}  // namespace

namespace {

struct SetupCase {
    const char* name;
    bool library;
    bool englishFile;
    std::string ownFile;   // a language file written by the test, when not empty
};

struct SeenDialog {
    bool shown = false;
    std::string caption;
    std::string cab, help, selectAll;
    RECT client = {};
    bool rightToLeft = false;
};

// Starts the real program's setup in a folder of its own with the given
// companions, reads its setup dialog and closes it (a cancel).
SeenDialog RunSetup(const SetupCase& c) {
    SeenDialog seen;
    ScratchFolder folder("lvx english setup");
    std::string program = folder.Path() + "uninstall.exe";
    CopyFileA((BinFolder() + "uninstall.exe").c_str(), program.c_str(), FALSE);
    if (c.library) CopyFileA((LangFolder() + "lvxlng.dll").c_str(), (folder.Path() + "lvxlng.dll").c_str(), FALSE);
    if (c.englishFile) {
        CopyFileA((LangFolder() + "uninstall.lng").c_str(), (folder.Path() + "uninstall.lng").c_str(), FALSE);
    }
    if (!c.ownFile.empty()) WriteWholeFile(folder.Path() + "uninstall.lng", c.ownFile);
    DrivenProgram run;
    if (!run.Start(program, "/setup", folder.Path())) return seen;
    HWND dialog = run.WaitForDialog(5103);
    if (dialog == nullptr) return seen;
    seen.shown = true;
    seen.caption = Utf8(TextOf(dialog));
    seen.cab = Utf8(ControlText(dialog, 5103));
    seen.help = Utf8(ControlText(dialog, 9));
    seen.selectAll = Utf8(ControlText(dialog, 5121));
    GetClientRect(dialog, &seen.client);
    seen.rightToLeft = (GetWindowLongA(dialog, GWL_EXSTYLE) & WS_EX_LAYOUTRTL) != 0;
    PressCloseBox(dialog);
    DWORD exitCode = 0;
    EXPECT_TRUE(run.WaitForExit(&exitCode)) << c.name;
    return seen;
}

TEST(EnglishFiles, SetupDialogOfTheRealProgram) {
    std::vector<SetupCase> cases = {{"library", true, false, ""}};
    if (GetACP() == 936) cases.push_back({"English file", false, true, ""});
    for (const SetupCase& c : cases) {
        SCOPED_TRACE(c.name);
        SeenDialog seen = RunSetup(c);
        ASSERT_TRUE(seen.shown);
        EXPECT_EQ(seen.caption, "Lumvex Setup");
        EXPECT_EQ(seen.cab, "CAB");
        EXPECT_EQ(seen.help, "Help");
        EXPECT_EQ(seen.selectAll, "Select &all");
        EXPECT_FALSE(seen.rightToLeft);
    }
}

// A language file of our own with only the setup dialog's scale entry and the
// direction entry (their keys are the same in every code page).
TEST(EnglishFiles, SetupDialogScaledAndMirroredByALanguageFile) {
    SeenDialog plain = RunSetup({"plain", false, false, ""});
    ASSERT_TRUE(plain.shown);
    SeenDialog scaled = RunSetup({"scaled", false, false, "***messages***\r\n9b889d24=\"120*110\"\r\n50a17ae8=\"RTL\"\r\n"});
    ASSERT_TRUE(scaled.shown);
    // The client area grows by the factors (plus the pixel of the measure).
    EXPECT_EQ(scaled.client.right, plain.client.right * 120 / 100 + 1) << "plain " << plain.client.right;
    EXPECT_EQ(scaled.client.bottom, plain.client.bottom * 110 / 100 + 1) << "plain " << plain.client.bottom;
    EXPECT_TRUE(scaled.rightToLeft);
    EXPECT_FALSE(plain.rightToLeft);
}

}  // namespace
