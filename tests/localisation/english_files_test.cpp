// The English language library and the English language file, beside the
// real program: its message boxes are English with the library on every code
// page, and English with the file in code page 936 (elsewhere the file's keys
// match nothing and the program's own texts stay).
#include <gtest/gtest.h>

#include <string>

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
