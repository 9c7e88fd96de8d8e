// The language library: where resources come from with and without it,
// replaced and missing messages, unfit format replacements, the "RTL"
// marker, a second load and the release.
#include "localisation/ext_resource.h"

#include <gtest/gtest.h>

#include <string>

#include "entry/expected_texts.h"
#include "entry/messages.h"

namespace {

// build/bin, the folder of the test program, with a closing backslash.
std::string BinFolder() {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

std::string LibraryFolder(const char* name) { return BinFolder() + name + "\\"; }
std::string LibraryPath(const char* name) { return LibraryFolder(name) + "lvxlng.dll"; }

class ExtResourceTest : public ::testing::Test {
protected:
    void TearDown() override { TheExtResource().Release(); }
    HINSTANCE instance_ = GetModuleHandleA(nullptr);
};

TEST_F(ExtResourceTest, NoLibraryMeansTheProgramsOwnResources) {
    // Beside the test program (no path given) and in an empty folder.
    const char* paths[] = {nullptr, "C:\\windows\\"};
    for (const char* path : paths) {
        SCOPED_TRACE(path ? path : "(no path)");
        TheExtResource().Load(instance_, path);
        EXPECT_FALSE(TheExtResource().IsLoaded());
        EXPECT_EQ(instance_, ProgramModule());
        EXPECT_EQ(ProgramModule(), ResourceModule());
        EXPECT_EQ(Expected(MSG_CONFIRM_UNINSTALL), MessageText(MSG_CONFIRM_UNINSTALL));
    }
}

struct LibraryMessage {
    const char* library;
    int number;
    const char* message;   // MessageText; null: the built-in text
    const char* format;    // FormatMessageText of 5106 and 5108; null: the built-in text
};

const LibraryMessage kLibraryMessages[] = {
    {"lng_replaced", MSG_UNINSTALL_CAPTION, "Remove Lumvex (library)", nullptr},
    {"lng_replaced", MSG_CONFIRM_UNINSTALL, "Really remove Lumvex? (library)", nullptr},
    {"lng_replaced", MSG_UNINSTALL_DONE, nullptr, nullptr},       // left out: the built-in text
    {"lng_replaced", MSG_DELETE_MANUALLY, "%s%s (library)", nullptr},   // unfit format
    {"lng_replaced", MSG_CANNOT_OPEN_LIST, "Cannot open the list %s (library)",
     "Cannot open the list %s (library)"},
    {"lng_rtl", MSG_CONFIRM_UNINSTALL, nullptr, nullptr},
    {"lng_rtl", MSG_DELETE_MANUALLY, "Delete %s by hand, 100%% sure (library)",
     "Delete %s by hand, 100%% sure (library)"},
    {"lng_rtl", MSG_CANNOT_OPEN_LIST, "%d %s (library)", nullptr},     // unfit format
};

TEST_F(ExtResourceTest, MessagesFromTheLibrary) {
    for (const LibraryMessage& m : kLibraryMessages) {
        SCOPED_TRACE(std::string(m.library) + ", message " + std::to_string(m.number));
        TheExtResource().Load(instance_, LibraryFolder(m.library).c_str());
        ASSERT_TRUE(TheExtResource().IsLoaded());
        EXPECT_EQ(GetModuleHandleA(LibraryPath(m.library).c_str()), ResourceModule());
        EXPECT_EQ(instance_, ProgramModule());
        std::string message = MessageText(m.number);
        EXPECT_EQ(m.message ? m.message : Expected(m.number), message) << Bytes(message);
        if (m.number == MSG_DELETE_MANUALLY || m.number == MSG_CANNOT_OPEN_LIST) {
            std::string format = FormatMessageText(m.number);
            EXPECT_EQ(m.format ? m.format : Expected(m.number), format) << Bytes(format);
        }
    }
}

TEST_F(ExtResourceTest, UnfitFormatTakesOneRingSlot) {
    TheExtResource().Load(instance_, LibraryFolder("lng_replaced").c_str());
    const char* first = MessageText(MSG_CONFIRM_UNINSTALL);
    for (int i = 0; i < 7; ++i) FormatMessageText(MSG_DELETE_MANUALLY);   // falls back each time
    EXPECT_STREQ("Really remove Lumvex? (library)", first);
}

TEST_F(ExtResourceTest, RtlMarkerOnlyInTheLibraryThatHasIt) {
    const struct {
        const char* library;
        bool marker;
    } cases[] = {{"lng_rtl", true}, {"lng_replaced", false}, {nullptr, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.library ? c.library : "(no library)");
        TheExtResource().Load(instance_, c.library ? LibraryFolder(c.library).c_str() : nullptr);
        EXPECT_EQ(c.marker, FindResourceA(ResourceModule(), "RTL", RT_DIALOG) != nullptr);
    }
}

TEST_F(ExtResourceTest, SecondLoadFreesTheFirstLibrary) {
    const std::string first = LibraryPath("lng_replaced");
    const std::string second = LibraryPath("lng_rtl");
    TheExtResource().Load(instance_, LibraryFolder("lng_replaced").c_str());
    ASSERT_NE(nullptr, GetModuleHandleA(first.c_str()));
    TheExtResource().Load(instance_, LibraryFolder("lng_rtl").c_str());
    EXPECT_EQ(nullptr, GetModuleHandleA(first.c_str())) << "the first library is still loaded";
    EXPECT_EQ(GetModuleHandleA(second.c_str()), ResourceModule());
    // A load that finds nothing also frees the library before.
    TheExtResource().Load(instance_, nullptr);
    EXPECT_EQ(nullptr, GetModuleHandleA(second.c_str()));
    EXPECT_EQ(instance_, ResourceModule());
}

TEST_F(ExtResourceTest, ReleaseReturnsToTheProgramsOwnResources) {
    const std::string path = LibraryPath("lng_replaced");
    TheExtResource().Load(instance_, path.c_str());   // a file in the folder names it too
    ASSERT_TRUE(TheExtResource().IsLoaded());
    TheExtResource().Release();
    EXPECT_FALSE(TheExtResource().IsLoaded());
    EXPECT_EQ(nullptr, GetModuleHandleA(path.c_str()));
    EXPECT_EQ(ProgramModule(), ResourceModule());
    EXPECT_EQ(Expected(MSG_CONFIRM_UNINSTALL), MessageText(MSG_CONFIRM_UNINSTALL));
    TheExtResource().Release();   // nothing loaded: nothing happens
    EXPECT_EQ(ProgramModule(), ResourceModule());
}

}  // namespace
