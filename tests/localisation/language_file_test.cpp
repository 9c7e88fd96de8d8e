// The language file read from disk by LanguageResources: the shared fixture
// table, the direction, the program's messages translated through it, and the
// language library beside it.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>

#include "entry/messages.h"
#include "language_fixtures.h"
#include "localisation/ext_resource.h"
#include "localisation/language_resources.h"
#include "test_files.h"

namespace {

std::string OwnText(int number) {
    char text[512] = "";
    LoadStringA(GetModuleHandleA(nullptr), number, text, sizeof text);
    return text;
}

TEST(LanguageFile, NoFile) {
    ScratchFolder folder;
    LanguageResources language;
    EXPECT_FALSE(language.Load((folder.Path() + "\\uninstall.lng").c_str()));
    EXPECT_FALSE(language.IsLoaded());
    // A bare name is looked for beside the program, where there is none.
    language.Init("uninstall.lng");
    EXPECT_FALSE(language.IsLoaded());
    EXPECT_FALSE(language.RightToLeft());
    char text[256];
    language.Translate(text, "CAB", "SETUPDLG", 1, sizeof text);
    EXPECT_STREQ(text, "CAB");
    // Names too long for the 1024-byte path buffer load nothing.
    std::string longPath = folder.Path() + "\\" + std::string(1100, 'a') + ".lng";
    EXPECT_FALSE(language.Load(longPath.c_str()));
    std::string longName = std::string(1100, 'b') + ".lng";
    EXPECT_FALSE(language.Load(longName.c_str()));
    EXPECT_FALSE(language.IsLoaded());
}

TEST(LanguageFile, BareNameIsLookedForBesideTheProgram) {
    std::string name = "lumvex-loc-" + std::to_string(GetCurrentProcessId()) + ".lng";
    std::string path = ProgramFolder() + "\\" + name;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    const char content[] = "***messages***\r\ne4e5a591=\"CAB archives\"\r\n";
    DWORD written = 0;
    WriteFile(file, content, sizeof content - 1, &written, nullptr);
    CloseHandle(file);
    LanguageResources language;
    language.Init(name.c_str());
    DeleteFileA(path.c_str());
    ASSERT_TRUE(language.IsLoaded());
    char text[256];
    language.Translate(text, "CAB", "SETUPDLG", 1);
    EXPECT_STREQ(text, "CAB archives");
}

TEST(LanguageFile, Fixtures) {
    ScratchFolder folder;
    for (const LanguageFixture& fixture : LanguageFixtures()) {
        SCOPED_TRACE(fixture.name);
        std::string path = folder.Write("uninstall.lng", fixture.content);
        LanguageResources language;
        language.Init(path.c_str());
        EXPECT_EQ(language.IsLoaded(), fixture.loaded);
        bool rightToLeft = false;
        for (const Lookup& lookup : fixture.lookups) {
            char text[1024];
            language.Translate(text, lookup.source, lookup.context, lookup.kind, sizeof text);
            EXPECT_EQ(std::string(text), lookup.expected) << "source \"" << lookup.source << "\"";
            if (lookup.context && std::string(lookup.context) == "LTR") rightToLeft = lookup.expected == "RTL";
        }
        EXPECT_EQ(language.RightToLeft(), rightToLeft);
    }
}

TEST(LanguageFile, ScaleEntries) {
    struct Case {
        const char* entry;
        int width, height;
        bool scaled;
    } cases[] = {
        {"9b889d24=\"120*110\"", 120, 110, true},
        {"9b889d24=\"100*100\"", 100, 100, false},
        {"9b889d24=\"120\"", 100, 100, false},
        {"9b889d24=\"*110\"", 0, 110, true},
        {"9b889d24=\"4000000000*-4000000000\"", 2147483647, -2147483647 - 1, true},
        {"", 100, 100, false},
    };
    ScratchFolder folder;
    for (const Case& c : cases) {
        std::string path = folder.Write("uninstall.lng", std::string("***messages***\r\n") + c.entry + "\r\n");
        LanguageResources language;
        language.Init(path.c_str());
        int width = -1, height = -1;
        bool scaled = language.GetDialogScale("SETUPDLG", width, height);
        EXPECT_EQ(width, c.width) << c.entry;
        EXPECT_EQ(height, c.height) << c.entry;
        EXPECT_EQ(scaled, c.scaled) << c.entry;
    }
}

TEST(LanguageFile, LongEntriesAreCutToTheirBuffers) {
    // The direction text is read into 1024 bytes, the scale entry into 512.
    ScratchFolder folder;
    std::string path = folder.Write("uninstall.lng", "***messages***\r\n50a17ae8=\"RTL" +
                                                         std::string(5000, 'w') + "\"\r\n9b889d24=\"120*" +
                                                         std::string(5000, '9') + "\"\r\n");
    LanguageResources language;
    language.Init(path.c_str());
    EXPECT_FALSE(language.RightToLeft());
    int width = 0, height = 0;
    EXPECT_TRUE(language.GetDialogScale("SETUPDLG", width, height));
    EXPECT_EQ(width, 120);
    EXPECT_EQ(height, 2147483647);
    char small[256];
    language.Translate(small, "LTR", "LTR", 1, sizeof small);
    EXPECT_EQ(strlen(small), 255u);
}

// Messages come from the program's own table when a language file is loaded,
// even with a language library present; from the library otherwise.
TEST(LanguageFile, MessagesWithLibraryAndFile) {
    ScratchFolder folder;
    ASSERT_TRUE(CopyFileA(EnglishLibraryPath().c_str(), (folder.Path() + "\\lvxlng.dll").c_str(), FALSE))
        << EnglishLibraryPath();
    ExtResource& library = TheExtResource();
    library.Load(GetModuleHandleA(nullptr), (folder.Path() + "\\").c_str());
    ASSERT_TRUE(library.IsLoaded());
    LanguageResources& language = TheLanguageResources();

    language.Init((folder.Path() + "\\missing.lng").c_str());
    EXPECT_STREQ(MessageText(MSG_UNINSTALL_CAPTION), "Uninstall Lumvex");
    EXPECT_STREQ(MessageText(MSG_CONFIRM_UNINSTALL), "Do you really want to uninstall Lumvex?");

    std::string headerOnly = folder.Write("header.lng", "A header\r\n***messages***\r\n");
    language.Init(headerOnly.c_str());
    ASSERT_TRUE(language.IsLoaded());
    for (int number = MSG_PRODUCT_TITLE; number <= MSG_RESTART_NEEDED; ++number) {
        EXPECT_EQ(std::string(MessageText(number)), OwnText(number)) << number;
    }

    library.Release();
    language.Init((folder.Path() + "\\missing.lng").c_str());
}

// In code page 936 the built-in Chinese texts reach the key as GBK bytes.
TEST(LanguageFile, MessageTranslatedFromTheBuiltInChineseText) {
    if (GetACP() != 936) GTEST_SKIP() << "needs code page 936, have " << GetACP();
    ASSERT_EQ(OwnText(MSG_UNINSTALL_CAPTION), "\xD0\xB6\xD4\xD8 Lumvex");
    ScratchFolder folder;
    // Keys of "s" followed by the GBK bytes of 5104 and 5108.
    std::string path = folder.Write("uninstall.lng",
                                    "***messages***\r\n61d43ad6=\"Uninstall Lumvex\"\r\n"
                                    "c2989d97=\"Cannot open the list file %s\"\r\n");
    LanguageResources& language = TheLanguageResources();
    language.Init(path.c_str());
    EXPECT_STREQ(MessageText(MSG_UNINSTALL_CAPTION), "Uninstall Lumvex");
    EXPECT_STREQ(FormatMessageText(MSG_CANNOT_OPEN_LIST), "Cannot open the list file %s");
    EXPECT_EQ(std::string(MessageText(MSG_UNINSTALL_DONE)), OwnText(MSG_UNINSTALL_DONE));
    language.Init((folder.Path() + "\\missing.lng").c_str());
}

}  // namespace
