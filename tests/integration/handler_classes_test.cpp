// The archiver's file classes, in a sandboxed registry. Also run from a copy
// of the program in a folder whose name holds blanks.
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "entry/messages.h"
#include "foundation/registry_sandbox.h"
#include "integration/integration_steps.h"
#include "integration/registry_state.h"

namespace {

using regstate::Dump;
using regstate::Lines;

std::string ArchiverPath() {
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, sizeof self);
    std::string path = self;
    return path.substr(0, path.find_last_of('\\')) + "\\Lumvex.exe";
}

std::string Expected(const char* description, const std::string& icon, const std::string& command) {
    std::string text = std::string("@=") + description + "|shell\\open\\command\\@=" + command;
    if (!icon.empty()) text += "|DefaultIcon\\@=" + icon;
    return Lines(text);
}

class HandlerClasses : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(sandbox_.ok()) << "could not redirect the root keys"; }
    RegistrySandbox sandbox_;
};

TEST_F(HandlerClasses, FreshRegistryGetsAllThreeClassesAndRev) {
    RegisterHandlerClasses();
    const std::string path = ArchiverPath();
    const std::string command = "\"" + path + "\" \"%1\"";
    EXPECT_EQ(Expected(MessageText(MSG_ARCHIVE_TYPE), path + ",0", command), Dump(HKEY_CLASSES_ROOT, "Lumvex"));
    EXPECT_EQ(Expected(MessageText(MSG_ZIP_ARCHIVE_TYPE), path + ",0", command), Dump(HKEY_CLASSES_ROOT, "Lumvex.ZIP"));
    EXPECT_EQ(Expected(MessageText(MSG_RECOVERY_VOLUME_TYPE), path + ",1", command),
              Dump(HKEY_CLASSES_ROOT, "Lumvex.REV"));
    EXPECT_EQ(Lines("@=Lumvex.REV"), Dump(HKEY_CLASSES_ROOT, ".rev"));
}

TEST_F(HandlerClasses, DescriptionsAreTheShippedTextsInCodePage936) {
    if (GetACP() != 936) {
        // Elsewhere the Chinese texts come out as the code page allows; they are
        // still what the message table gives (checked above) and never empty.
        RegisterHandlerClasses();
        EXPECT_NE("", regstate::Value(HKEY_CLASSES_ROOT, "Lumvex", ""));
        return;
    }
    RegisterHandlerClasses();
    EXPECT_EQ("4C 75 6D 76 65 78 20 D1 B9 CB F5 CE C4 BC FE",
              regstate::Hex(reinterpret_cast<const BYTE*>(regstate::Value(HKEY_CLASSES_ROOT, "Lumvex", "").c_str()), 15));
    EXPECT_EQ("Lumvex ZIP \xD1\xB9\xCB\xF5\xCE\xC4\xBC\xFE", regstate::Value(HKEY_CLASSES_ROOT, "Lumvex.ZIP", ""));
    EXPECT_EQ("LVX \xBB\xD6\xB8\xB4\xBE\xED", regstate::Value(HKEY_CLASSES_ROOT, "Lumvex.REV", ""));
}

TEST_F(HandlerClasses, ExistingIconIsKeptAndEverythingElseRewritten) {
    using regstate::SetString;
    ASSERT_TRUE(SetString(HKEY_CLASSES_ROOT, "Lumvex", "", "old description"));
    ASSERT_TRUE(SetString(HKEY_CLASSES_ROOT, "Lumvex\\shell\\open\\command", "", "old.exe %1"));
    ASSERT_TRUE(SetString(HKEY_CLASSES_ROOT, "Lumvex\\DefaultIcon", "", "C:\\Icons\\mine.ico,3"));
    ASSERT_TRUE(SetString(HKEY_CLASSES_ROOT, "Lumvex.ZIP\\DefaultIcon", "", ""));   // empty: replaced
    ASSERT_TRUE(SetString(HKEY_CLASSES_ROOT, "Lumvex.REV\\DefaultIcon", "", "C:\\Icons\\rev.ico,0"));
    ASSERT_TRUE(SetString(HKEY_CLASSES_ROOT, ".rev", "", "OtherRecovery"));
    ASSERT_TRUE(SetString(HKEY_CLASSES_ROOT, ".rev", "Content Type", "application/x-rev"));

    RegisterHandlerClasses();
    const std::string path = ArchiverPath();
    const std::string command = "\"" + path + "\" \"%1\"";
    EXPECT_EQ(Expected(MessageText(MSG_ARCHIVE_TYPE), "C:\\Icons\\mine.ico,3", command),
              Dump(HKEY_CLASSES_ROOT, "Lumvex"));
    EXPECT_EQ(Expected(MessageText(MSG_ZIP_ARCHIVE_TYPE), path + ",0", command), Dump(HKEY_CLASSES_ROOT, "Lumvex.ZIP"));
    EXPECT_EQ(Expected(MessageText(MSG_RECOVERY_VOLUME_TYPE), "C:\\Icons\\rev.ico,0", command),
              Dump(HKEY_CLASSES_ROOT, "Lumvex.REV"));
    // .rev always names the recovery class; nothing else of it is touched.
    EXPECT_EQ(Lines("@=Lumvex.REV|Content Type=application/x-rev"), Dump(HKEY_CLASSES_ROOT, ".rev"));
}

TEST_F(HandlerClasses, OpenCommandSplitsIntoTheArchiverAndTheFile) {
    RegisterHandlerClasses();
    const std::string path = ArchiverPath();
    if (getenv("LUMVEX_EXPECT_BLANKS") != nullptr) {
        ASSERT_NE(std::string::npos, path.find(' ')) << "this run should lie in a folder with blanks: " << path;
    }
    for (const char* cls : {"Lumvex", "Lumvex.ZIP", "Lumvex.REV"}) {
        std::string command = regstate::Value(HKEY_CLASSES_ROOT, std::string(cls) + "\\shell\\open\\command", "");
        wchar_t wide[2048];
        ASSERT_GT(MultiByteToWideChar(CP_ACP, 0, command.c_str(), -1, wide, 2048), 0);
        int argc = 0;
        wchar_t** argv = CommandLineToArgvW(wide, &argc);
        ASSERT_NE(nullptr, argv);
        char first[2048] = "", second[64] = "";
        if (argc >= 1) WideCharToMultiByte(CP_ACP, 0, argv[0], -1, first, sizeof first, nullptr, nullptr);
        if (argc >= 2) WideCharToMultiByte(CP_ACP, 0, argv[1], -1, second, sizeof second, nullptr, nullptr);
        LocalFree(argv);
        EXPECT_EQ(2, argc) << cls << ": " << command;
        EXPECT_EQ(path, first) << cls << ": " << command;
        EXPECT_STREQ("%1", second) << cls << ": " << command;
    }
}

}  // namespace
